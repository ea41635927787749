#!/usr/bin/env bash
# The command line and the headless runner, against the built program: every mistake ends with status
# 2, one line saying what is wrong and the usage on standard error; a script runs to its end, writes
# its shots at the simulated screen's size, prints only its event lines, and replays identically.
# usage: cli.sh PROGRAM SOURCE-DIR
set -u
exe=$(readlink -f "$1")
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/xdg" SDL_AUDIODRIVER=dummy LSAN_OPTIONS="suppressions=$source_dir/tests/lsan.supp"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs the program with a time limit, in the work folder; standard output and error go to files.
run() {
    (cd "$work" && timeout 120 "$exe" "$@" >"$work/out" 2>"$work/err")
}

expect_usage_error() {
    run "$@"
    local status=$?
    [ "$status" -eq 2 ] || fail "$*: status $status, wanted 2"
    [ -s "$work/out" ] && fail "$*: wrote to standard output"
    local first second
    first=$(sed -n 1p "$work/err")
    second=$(sed -n 2p "$work/err")
    [[ $first == "vortellanox: "* ]] || fail "$*: first line of standard error is '$first'"
    [[ $second == "usage: vortellanox"* ]] || fail "$*: second line of standard error is '$second'"
}

# (every rule is checked in-process by tests/platform; these check the program's own exit)
expect_usage_error --bogus
expect_usage_error --screen abc
expect_usage_error --task-bar 480 # as tall as the turned default screen
expect_usage_error --headless
run --bogus
grep -q -- "--bogus" "$work/err" || fail "the error does not name the unknown option"

for help in --help -h; do
    if ! run $help || ! grep -q "^usage: vortellanox" "$work/out"; then fail "$help does not print the usage"; fi
done
grep -q -- "--task-bar N .*shorter side" "$work/out" || fail "the usage does not state the task bar's maximum"

# A data folder the system cannot use is refused before anything starts.
printf 'wait 10\n' >"$work/short.txt"
run --headless --script "$work/short.txt" --data-dir "$work/$(printf 'd%.0s' {1..300})"
[ $? -eq 2 ] || fail "a data folder with a name too long is not refused with status 2"

# With no display the window cannot be made: said on standard error, and the start fails.
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 "$exe" --data-dir "$work/nodisplay" \
    >"$work/out" 2>"$work/err")
[ $? -ne 0 ] || fail "a start with no display ended with status 0"
grep -q "Window Creation Error" "$work/err" || fail "a start with no display did not say so: $(head -c 200 "$work/err")"

# What the runner cannot do it refuses with status 2 and a short, escaped account of the line.
refused() {
    local what=$1
    shift
    run --headless --script "$@" --data-dir "$work/refused"
    [ $? -eq 2 ] || fail "$what: not refused with status 2"
    [ "$(wc -c <"$work/err")" -lt 300 ] || fail "$what: the message is not short"
    grep -q $'\e' "$work/err" && fail "$what: a terminal escape was echoed"
}
refused "a folder" "$work"
refused "a device" /dev/zero
printf 'wait 3600001\n' >"$work/long-wait.txt"
refused "a wait over an hour" "$work/long-wait.txt"
head -c 100000 /dev/zero | tr '\0' 'k' >"$work/long-line.txt"
refused "a long line" "$work/long-line.txt"
printf '\e[2J\e[31mjump %04000d\n' 1 >"$work/escapes.txt"
refused "a line with escapes" "$work/escapes.txt"
[ -e "$work/refused/settings.dat" ] && fail "a refused script still ran the program"

# A runner holds the data folder as a window copy does: a second one on it does not run.
printf 'wait 3000\nclose\n' >"$work/hold.txt"
(cd "$work" && timeout 60 "$exe" --headless --script hold.txt --data-dir "$work/held" >/dev/null 2>&1) &
holder=$!
for _ in $(seq 50); do [ -e "$work/held/.instance.lock" ] && break; sleep 0.1; done
run --headless --script "$work/short.txt" --data-dir "$work/held"
[ $? -ne 0 ] || fail "a second runner on a held data folder ran"
wait "$holder" || fail "the runner holding the data folder failed"

if ! run --version || ! [ -s "$work/out" ]; then fail "--version does not print the version"; fi

# A script that cannot be read or has a mistake ends the run before anything starts.
run --headless --script "$work/missing.txt"
[ $? -eq 2 ] || fail "a missing script does not end with status 2"
printf 'wait 10\nkey 49\njump 3 4\n' >"$work/bad.txt"
run --headless --script "$work/bad.txt" --data-dir "$work/bad-data"
[ $? -eq 2 ] || fail "a bad script does not end with status 2"
grep -q "line 3" "$work/err" || fail "the script error does not name line 3: $(cat "$work/err")"
[ -e "$work/bad-data/settings.dat" ] && fail "a bad script still ran the program"

# A whole run into a game: shots at the client size before and after turning the device, and nothing
# printed but the runner's event lines, which a second run with the same minute repeats exactly.
cat >"$work/play.txt" <<'SCRIPT'
wait 200
shot upright.png   # 240 x (320 - 26)
key 49             # Play (1): the options
wait 300
key 49             # Start (1)
wait 500
answer
wait 300
answer
wait 300
type 9
wait 300
rotate
wait 200
shot turned.png
wait 300           # lived through before the run is closed for it
SCRIPT
event_line='^(sound [0-9]+ at [0-9]+|problem [0-9]+ [-+x/] [0-9]+ = [0-9]+ at [0-9]+)$'
for round in 1 2; do
    rm -f "$work/upright.png" "$work/turned.png"
    run --headless --script play.txt --screen 240x320 --task-bar 26 --minute 17 --data-dir "$work/data$round"
    status=$?
    [ "$status" -eq 0 ] || fail "round $round: the script run ended with status $status: $(cat "$work/err")"
    [ "$(identify -format '%m %wx%h' "$work/upright.png" 2>/dev/null)" = "PNG 240x294" ] ||
        fail "round $round: upright.png is not a 240x294 PNG"
    [ "$(identify -format '%m %wx%h' "$work/turned.png" 2>/dev/null)" = "PNG 320x214" ] ||
        fail "round $round: turned.png is not a 320x214 PNG"
    grep -Evq "$event_line" "$work/out" && fail "round $round: unexpected output: $(grep -Ev "$event_line" "$work/out")"
    [ "$(grep -c '^problem ' "$work/out")" -eq 2 ] || fail "round $round: wanted two problem lines: $(cat "$work/out")"
    grep -q '^sound ' "$work/out" || fail "round $round: no sound was played"
    mv "$work/out" "$work/out$round"
    mv "$work/turned.png" "$work/turned$round.png" 2>/dev/null
done
cmp -s "$work/out1" "$work/out2" || fail "two runs of one script printed different events"
cmp -s "$work/turned1.png" "$work/turned2.png" || fail "two runs of one script showed different frames"

[ "$failures" -eq 0 ] || exit 1
echo "command line and runner: all checks passed"
