#!/usr/bin/env bash
# The SDL program in a real X window under Xvfb, as a player meets it on a fresh CI machine: no window
# manager, no audio device, its data where XDG_DATA_HOME points (as a handheld's launcher sets it). One
# whole game by keys and a click, the device turned, a second start handing over, a hang-up ending it
# politely with both data files holding that game; then --fullscreen filling a big display, and virtual
# pads driving the X11 window (PadInput).
# usage: real_window.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/xvfb.bash"

xvfb_screen=1280x720x24  # a big screen's size
start_xvfb || give_up "no X server could be started"

# The colours that tell the screens apart, as they look in the window.
white=$(screen_colour 0xFFFFFF)           # the game's background, play and game over alike
panel_red=$(screen_colour 0xC8C8FF)       # the "Time" and "Next" panels, only while playing
button_blue=$(screen_colour 0xFFDCDC)     # buttons and keys at rest
light_green=$(screen_colour 0x00FF00)     # a clock light that is green
text_blue=$(screen_colour 0xFF0000)       # "Game Over", the option headings
menu_background=$(screen_colour 0xFFE7DB) # the front-end's screens

data="$XDG_DATA_HOME/vortellanox"
open_window --screen 240x320
size=$(scaled_size 240 320) || give_up "the X server did not tell its display's size"
wait_for 100 has_size "$window" "$size" || give_up "the window is $(client_size "$window"), wanted $size"
window_w=${size%x*} window_h=${size#*x}
timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"

# Every check of the screen looks at a fresh capture of the window in $work/now.png.
now="$work/now.png"
capture() {
    timeout 10 import -window "$window" "$now" 2>/dev/null && [ "$(picture_size "$now")" = "$size" ]
}
has() { [ "$(pixels_of "$now" "$1")" -gt 0 ]; }
# The resting buttons and keys on the screen: patches of their fill of at least 1% of the window.
buttons() { patches_of "$now" "$button_blue" $((window_w * window_h / 100)); }
on_main_menu() { capture && [ "$(share_of "$now" "$menu_background")" -ge 10 ]; }
playing() { capture && has "$panel_red" && [ "$(share_of "$now" "$white")" -ge 30 ]; }
# The game-over screen and the game's options screen are both white with blue text and without the
# play panels; the game-over screen has two buttons, "OK (0)" and "Review (9)", the options screen a
# row and two.
white_page() { capture && ! has "$panel_red" && [ "$(share_of "$now" "$white")" -ge 50 ] && has "$text_blue"; }
on_game_over() { white_page && [ "$(buttons | wc -l)" -eq 2 ]; }
on_game_options() { white_page && [ "$(buttons | wc -l)" -ge 3 ]; }
press() { timeout 10 xdotool key "$1" || fail "xdotool could not type $1"; }

wait_for 200 on_main_menu || give_up "the main menu did not show"
press 1
wait_for 100 on_game_options || give_up "key 1 on the main menu did not show the game's options"
press 1
wait_for 100 playing || give_up "key 1 on the options screen did not start a game"
cp "$now" "$work/play.png"

# Wrong answers: "0" completes a right answer only to a subtraction of two equal operands, which is
# rare and harmless (it adds time and points). Each judged wrong answer costs three seconds. Keys go
# only while the leftmost clock light is green (15 s or more left) and the clock then runs out by
# itself, so that no key lands on the game-over screen: any key would dismiss it before the click.
keys=0
typing_ends=$((SECONDS + 60))
while has "$light_green" && ((SECONDS < typing_ends)); do
    press 0
    keys=$((keys + 1))
    sleep 0.3
    playing || break
done
wait_for 450 on_game_over || give_up "no game-over screen within 45 s of the last of $keys wrong keys"
echo "game over after $keys wrong keys"

# "OK (0)" is the taller of the game-over screen's buttons: click the middle of its fill, found in
# the window itself, so that the position holds at every scale and with every font.
read -r box_x box_y box_w box_h < <(buttons | sort -n -r -k4 | head -n 1)
ok_x=$((box_x + box_w / 2)) ok_y=$((box_y + box_h / 2))
timeout 10 xdotool mousemove --window "$window" "$ok_x" "$ok_y" click 1 || fail "xdotool could not click"
wait_for 100 on_game_options || give_up "the click on OK (0) at $ok_x,$ok_y did not lead to the game's options"
press 0
wait_for 100 on_main_menu || give_up "Menu (0) did not go back to the main menu"

# The device turns at the scale the window opened with.
size="$((window_w / 240 * 320))x$((window_w / 240 * 240))"
press ctrl+r
wait_for 100 has_size "$window" "$size" || give_up "after Ctrl+R the window is $(client_size "$window"), wanted $size"
wait_for 100 on_main_menu || fail "the turned window does not show the main menu"

# A second copy on the same data folder hands over to the first and ends at once (a copy that opened
# a window of its own would run until the time limit).
timeout 60 "$exe" --screen 240x320 >"$work/second.out" 2>"$work/second.err" || fail "the second copy ended with status $?"
sleep 0.5
[ "$(windows_named Vortellanox | wc -l)" -eq 1 ] ||
    fail "$(windows_named Vortellanox | wc -l) windows after the second start, wanted 1"
alive || give_up "the first copy ended when the second started"

# Without a window manager nothing can close the window politely; a hang-up becomes the close message.
kill -HUP "$program_pid"
ends_cleanly SIGHUP

# The game screen during play: drawn with more than a few colours (and, as playing() saw, on white).
play_colours=$(colour_count "$work/play.png")
((play_colours >= 8)) || fail "the game screen showed only $play_colours colours"

# The hang-up saved both files where XDG_DATA_HOME points, holding this game (their exact bytes are the
# in-process tests'): settings.dat ends with the table's length, and row 0 of the table (kept inverted)
# is this game at Normal and level 1.
scores="$data/My Documents/Brinmoor Arcade/Vortellanox/highscores.dat"
[ "$(tail -n 1 "$data/settings.dat" 2>/dev/null)" = "$(stat -c %s "$scores" 2>/dev/null)" ] ||
    fail "settings.dat does not record the high-score table's length"
mapfile -t row < <(perl -0777 -pe '$_ = ~$_' "$scores" 2>/dev/null | sed -n '7p;10p;11p')
score=${row[1]:-}
[ "${row[*]}" = "Normal $score 1" ] && [[ $score =~ ^[0-9]+$ ]] || fail "row 0 of the high-score table is ${row[*]}"

# Full screen: the whole display shows the menu, its background over much of it, no black bar in any corner.
fills_the_display() {
    local shot="$work/root.png" corner
    import -window root "$shot" 2>/dev/null || return 1
    [ "$(picture_size "$shot")" = "1280x720" ] && [ "$(share_of "$shot" "$menu_background")" -ge 25 ] || return 1
    for corner in 0,0 1279,0 0,719 1279,719; do
        [ "$(convert "$shot" -format "%[hex:p{$corner}]" info:)" != "000000" ] || return 1
    done
}
open_window --fullscreen --data-dir "$work/full"
wait_for 300 fills_the_display || fail "the full-screen game does not fill the 1280x720 display"
kill -TERM "$program_pid"
ends_cleanly SIGTERM

timeout 120 "$(dirname "$exe")/tests/test_platform" --gtest_filter='PadInput.*' >"$work/pads.err" 2>&1 &&
    grep -q '^\[  PASSED  \] 1 test' "$work/pads.err" || fail "virtual pads on the X11 window"

finish "real window on $DISPLAY (score $score)"
