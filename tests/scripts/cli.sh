#!/usr/bin/env bash
# The command line and the headless runner, against the built program (every rule is checked
# in-process by tests/platform; these check the program's own exit): what it refuses ends with status
# 2 and a short message on standard error before anything starts, and so, when its line is run, does
# an "answer" with no problem posed; a script runs to its end, writes its shots at the simulated
# screen's size, prints only its event lines, and replays identically, with no fonts installed (the
# built-in DejaVu Sans) as with the font file.
# usage: cli.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"

# Runs the program with a time limit, in the work folder; standard output and error go to files.
run() { (cd "$work" && timeout 120 "$exe" "$@" >"$work/out" 2>"$work/err"); }

printf 'wait 10\n' >"$work/short.txt"
head -c 100000 /dev/zero | tr '\0' 'k' >"$work/long-line.txt"
printf '\e[2J\e[31mjump %04000d\n' 1 >"$work/escapes.txt"
printf 'key 49\nanswer\n' >"$work/answer.txt"
too_long="$work/$(printf 'd%.0s' {1..300})"
# Each run that must fail: what, the arguments, a pattern for the first line of standard error, and its
# longest length (the usage follows a mistake on the command line; the runner's own refusals are short).
while IFS='|' read -r what args first longest; do
    eval "set -- $args"
    [[ $args == *--data-dir* ]] || set -- "$@" --data-dir "$work/refused"
    run "$@"
    status=$?
    [ "$status" -eq 2 ] || fail "$what: status $status, wanted 2"
    [ -s "$work/out" ] && fail "$what: wrote to standard output"
    [[ $(head -n 1 "$work/err") =~ $first ]] || fail "$what: standard error begins '$(head -n 1 "$work/err")'"
    [ "$(wc -c <"$work/err")" -lt "$longest" ] || fail "$what: the message is longer than $longest bytes"
    grep -q $'\e' "$work/err" && fail "$what: a terminal escape was echoed"
done <<TABLE
an unknown option|--bogus|^vortellanox: .*--bogus|2000
a data folder whose name is too long|--headless --script short.txt --data-dir $too_long||2000
a script that is a folder|--headless --script "$work"||300
a script that is a device|--headless --script /dev/zero||300
a missing script|--headless --script missing.txt||300
a long line|--headless --script long-line.txt||300
a line with escapes|--headless --script escapes.txt||300
an answer with no problem posed|--headless --script answer.txt --data-dir $work/answered|line 2: answer|300
TABLE
[ -e "$work/refused/settings.dat" ] && fail "a refused start still ran the program"
for help in -h --help; do
    run "$help" && grep -q "^usage: vortellanox" "$work/out" || fail "$help does not print the usage"
done

# With no display the window cannot be made: said on standard error, and the start fails.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 "$exe" --data-dir "$work/nodisplay" \
    >"$work/out" 2>"$work/err")
[ $? -ne 0 ] || fail "a start with no display ended with status 0"
grep -q "Window Creation Error" "$work/err" || fail "a start with no display did not say so: $(head -c 200 "$work/err")"

# A runner holds the data folder as a window copy does: a second one on it does not run. The holder
# reads its script from a pipe, its clock standing still, and so holds the folder until the pipe closes.
coproc HOLDER { exec "$exe" --headless --script - --data-dir "$work/held" >/dev/null 2>"$work/holder.err"; }
program_pid=$HOLDER_PID
wait_for 50 test -e "$work/held/.instance.lock" || fail "the runner left no lock in its data folder"
! run --headless --script "$work/short.txt" --data-dir "$work/held" && grep -q "another copy runs" "$work/err" ||
    fail "a second runner on a held data folder ran, or failed for another reason: $(head -c 200 "$work/err")"
exec {HOLDER[1]}>&-
wait "$program_pid" || fail "the runner holding the data folder failed"
program_pid=""

# A whole run into a game, twice with the same minute: once with no fonts installed, so that the built-in
# DejaVu Sans draws, and once with DejaVu Sans's file alone. A shot of the main menu at the client size
# (the screen below the task bar; turned sizes are tests/app's), nothing printed but the runner's event
# lines, and the two runs alike in both.
mkdir -p "$work/fonts"
ln -s /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$work/fonts/"
printf '<fontconfig></fontconfig>\n' >"$work/none.conf"
printf '<fontconfig><dir>%s</dir></fontconfig>\n' "$work/fonts" >"$work/dejavu.conf"
printf '%s\n' 'wait 200' 'shot menu.png' 'key 49' 'wait 300' 'key 49' 'wait 500' 'answer' 'wait 300' 'answer' \
    'wait 300' 'type 9' 'wait 300' >"$work/play.txt"
event_line='^(sound [0-9]+ at [0-9]+|problem [0-9]+ [-+x/] [0-9]+ = [0-9]+ at [0-9]+|posed [0-9]+ [-+x/] [0-9]+ at [0-9]+)$'
for fonts in none dejavu; do
    FONTCONFIG_FILE="$work/$fonts.conf" XDG_CACHE_HOME="$work/cache" run --headless --script play.txt --screen 240x320 \
        --task-bar 26 --minute 17 --data-dir "$work/data-$fonts" ||
        fail "fonts $fonts: the run ended with status $?: $(cat "$work/err")"
    [ "$(identify -format '%m %wx%h' "$work/menu.png" 2>/dev/null)" = "PNG 240x294" ] ||
        fail "fonts $fonts: menu.png is not a 240 x (320 - 26) PNG"
    mv "$work/menu.png" "$work/menu-$fonts.png" 2>/dev/null
    grep -Evq "$event_line" "$work/out" && fail "fonts $fonts: unexpected output: $(grep -Ev "$event_line" "$work/out")"
    [ "$(grep -c '^problem ' "$work/out")" -eq 2 ] || fail "fonts $fonts: wanted two problem lines: $(cat "$work/out")"
    grep -q '^sound ' "$work/out" || fail "fonts $fonts: no sound was played"
    mv "$work/out" "$work/out-$fonts"
done
cmp -s "$work/out-none" "$work/out-dejavu" || fail "two runs of one script printed different events"
cmp -s "$work/menu-none.png" "$work/menu-dejavu.png" ||
    fail "the menu with the built-in font differs from the one with the font file (or the runs differ)"

finish "command line and runner"
