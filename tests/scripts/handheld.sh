#!/usr/bin/env bash
# Handhelds and big screens. Headless: with no fonts the built-in DejaVu Sans draws the menu as the font
# file does (the runner's pad commands are tests/platform's). Under Xvfb, 1280 x 720, no window manager: --fullscreen
# fills the display (no bars, no corner cut off); virtual pads drive the X11 window (PadInput).
# usage: handheld.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/xvfb.bash"

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

# A display of our own, of a big screen's size.
xvfb_screen=1280x720x24
start_xvfb || give_up "no X server could be started"

# The whole display shows the menu: its background over much of it, and no black bar in any corner.
menu_background=$(screen_colour 0xFFE7DB)
fills_the_display() {
    local shot="$work/root.png" corner
    import -window root "$shot" 2>/dev/null || return 1
    [ "$(picture_size "$shot")" = "1280x720" ] && [ "$(share_of "$shot" "$menu_background")" -ge 25 ] || return 1
    for corner in 0,0 1279,0 0,719 1279,719; do
        [ "$(convert "$shot" -format "%[hex:p{$corner}]" info:)" != "000000" ] || return 1
    done
}
open_window --fullscreen --data-dir "$work/data"
wait_for 300 fills_the_display || fail "the full-screen game does not fill the 1280x720 display"
kill -TERM "$program_pid"
ends_cleanly SIGTERM

timeout 120 "$(dirname "$exe")/tests/test_platform" --gtest_filter='PadInput.*' >"$work/pads.err" 2>&1 ||
    fail "virtual pads on the X11 window"
grep -q "SKIPPED" "$work/pads.err" && fail "virtual pads were not tried"

finish "handhelds and big screens on $DISPLAY"
