#!/usr/bin/env bash
# The command line and the headless runner, against the built program (every rule is checked
# in-process by tests/platform; these check the program's own exit): what it refuses ends with status
# 2 and a short message on standard error before anything starts; a script runs to its end, writes its
# shots at the simulated screen's size, prints only its event lines, and replays identically; with no
# fonts installed the built-in DejaVu Sans draws as the font file does.
# usage: cli.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"

# Runs the program with a time limit, in the work folder; standard output and error go to files.
run() { (cd "$work" && timeout 120 "$exe" "$@" >"$work/out" 2>"$work/err"); }

printf 'wait 10\n' >"$work/short.txt"
head -c 100000 /dev/zero | tr '\0' 'k' >"$work/long-line.txt"
printf '\e[2J\e[31mjump %04000d\n' 1 >"$work/escapes.txt"
printf 'wait 10\nkey 49\njump 3 4\n' >"$work/bad.txt"
too_long="$work/$(printf 'd%.0s' {1..300})"
# Each refusal: what, the arguments, a pattern for the first line of standard error, and its longest
# length (the usage follows a mistake on the command line; the runner's own refusals are short).
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
a mistake on line 3|--headless --script bad.txt|line 3|300
TABLE
[ -e "$work/refused/settings.dat" ] && fail "a refused start still ran the program"
run --help && grep -q "^usage: vortellanox" "$work/out" || fail "--help does not print the usage"

# With no display the window cannot be made: said on standard error, and the start fails.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 "$exe" --data-dir "$work/nodisplay" \
    >"$work/out" 2>"$work/err")
[ $? -ne 0 ] || fail "a start with no display ended with status 0"
grep -q "Window Creation Error" "$work/err" || fail "a start with no display did not say so: $(head -c 200 "$work/err")"

# With no fonts the built-in DejaVu Sans draws the menu as the font file does.
mkdir -p "$work/fonts"
ln -s /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$work/fonts/"
printf '<fontconfig></fontconfig>\n' >"$work/none.conf"
printf '<fontconfig><dir>%s</dir></fontconfig>\n' "$work/fonts" >"$work/dejavu.conf"
for fonts in none dejavu; do
    printf 'wait 200\nshot %s\n' "$work/$fonts.png" >"$work/$fonts.txt"
    FONTCONFIG_FILE="$work/$fonts.conf" XDG_CACHE_HOME="$work/cache" "$exe" --headless --minute 7 \
        --script "$work/$fonts.txt" --data-dir "$work/data-$fonts" >/dev/null 2>"$work/$fonts.err" ||
        fail "with the fonts '$fonts' the program ended with status $?"
done
cmp -s "$work/none.png" "$work/dejavu.png" || fail "with no fonts the menu is not drawn in DejaVu Sans"

# A runner holds the data folder as a window copy does: a second one on it does not run.
# A still menu costs the runner no frames, so the holder plays: its frames take real time.
printf 'wait 100\nkey 49\nwait 100\nkey 49\nwait 3000\nclose\n' >"$work/hold.txt"
(cd "$work" && timeout 60 "$exe" --headless --script hold.txt --data-dir "$work/held" >/dev/null 2>&1) &
holder=$!
for _ in $(seq 50); do [ -e "$work/held/.instance.lock" ] && break; sleep 0.1; done
run --headless --script "$work/short.txt" --data-dir "$work/held"
[ $? -ne 0 ] || fail "a second runner on a held data folder ran"
wait "$holder" || fail "the runner holding the data folder failed"

# A whole run into a game: shots at the client size before and after turning the device, and nothing
# printed but the runner's event lines, which a second run with the same minute repeats exactly.
printf '%s\n' 'wait 200' 'shot upright.png' 'key 49' 'wait 300' 'key 49' 'wait 500' 'answer' 'wait 300' 'answer' \
    'wait 300' 'type 9' 'wait 300' 'rotate' 'wait 200' 'shot turned.png' 'wait 300' >"$work/play.txt"
event_line='^(sound [0-9]+ at [0-9]+|problem [0-9]+ [-+x/] [0-9]+ = [0-9]+ at [0-9]+|posed [0-9]+ [-+x/] [0-9]+ at [0-9]+)$'
for round in 1 2; do
    rm -f "$work/upright.png" "$work/turned.png"
    run --headless --script play.txt --screen 240x320 --task-bar 26 --minute 17 --data-dir "$work/data$round" ||
        fail "round $round: the script run ended with status $?: $(cat "$work/err")"
    for shot in upright:240x294 turned:320x214; do  # 240 x (320 - 26), turned
        [ "$(identify -format '%m %wx%h' "$work/${shot%:*}.png" 2>/dev/null)" = "PNG ${shot#*:}" ] ||
            fail "round $round: ${shot%:*}.png is not a ${shot#*:} PNG"
    done
    grep -Evq "$event_line" "$work/out" && fail "round $round: unexpected output: $(grep -Ev "$event_line" "$work/out")"
    [ "$(grep -c '^problem ' "$work/out")" -eq 2 ] || fail "round $round: wanted two problem lines: $(cat "$work/out")"
    grep -q '^sound ' "$work/out" || fail "round $round: no sound was played"
    mv "$work/out" "$work/out$round"
    mv "$work/turned.png" "$work/turned$round.png" 2>/dev/null
done
cmp -s "$work/out1" "$work/out2" || fail "two runs of one script printed different events"
cmp -s "$work/turned1.png" "$work/turned2.png" || fail "two runs of one script showed different frames"

finish "command line and runner"
