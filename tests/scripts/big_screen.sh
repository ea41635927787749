#!/usr/bin/env bash
# A big display under Xvfb (1280 x 720, no window manager): with --fullscreen the game fills it, drawn
# at half the display's size and scaled up, with no bars and no corner cut off; and virtual gamepads
# drive the SDL backend's real window (the PadInput test of test_platform, on the X11 driver).
# usage: big_screen.sh PROGRAM SOURCE-DIR
set -u
exe=$(readlink -f "$1")
source_dir=$2
pad_test="$(dirname "$exe")/tests/test_platform"
for tool in Xvfb xdpyinfo import convert timeout; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (make test installs it)"; exit 1; }
done

work=$(mktemp -d)
program_pid=""
# shellcheck source=lib/xvfb.bash
source "$source_dir/tests/scripts/lib/xvfb.bash"
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

give_up() {
    echo "FAIL: $*"
    show_logs
    exit 1
}

# Displays of our own, clear of those the other window tests take.
xvfb_screen=1280x720x24
start_xvfb 121 140 || give_up "no X server could be started on :121 to :140"
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$source_dir/tests/lsan.supp"
export XDG_DATA_HOME="$work/xdg"

menu_background=$(screen_colour 0xFFE7DB)
"$exe" --fullscreen --data-dir "$work/data" >"$work/program.out" 2>"$work/program.err" &
program_pid=$!
alive() { kill -0 "$program_pid" 2>/dev/null; }
# The whole display shows the menu: its background over much of it, and no black bar in any corner.
fills_the_display() {
    local shot="$work/root.png" corner
    import -window root "$shot" 2>/dev/null || return 1
    [ "$(picture_size "$shot")" = "1280x720" ] && [ "$(share_of "$shot" "$menu_background")" -ge 25 ] || return 1
    for corner in 0,0 1279,0 0,719 1279,719; do
        [ "$(convert "$shot" -format "%[hex:p{$corner}]" info:)" != "000000" ] || return 1
    done
}
wait_for 300 fills_the_display || fail "the full-screen game does not fill the 1280x720 display"
alive || give_up "the full-screen game ended by itself"
kill -TERM "$program_pid"
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the full-screen game ended with status $status"

if [ -x "$pad_test" ]; then
    timeout 120 "$pad_test" --gtest_filter='PadInput.*' >"$work/pads.err" 2>&1 || fail "virtual pads on the X11 window"
    grep -q "SKIPPED" "$work/pads.err" && fail "virtual pads were not tried: $(grep -m1 -A1 SKIPPED "$work/pads.err")"
else
    fail "no $pad_test to drive the window with virtual pads"
fi

[ "$failures" -eq 0 ] || { show_logs; exit 1; }
echo "big screen and pads on :$xvfb_display: all checks passed"
