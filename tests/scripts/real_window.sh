#!/usr/bin/env bash
# The SDL program in a real X window under Xvfb, as on a fresh CI machine: no window manager and no
# audio device. The window opens at the largest whole scale of the simulated screen that fits the
# display, shows its frames, follows keys and the mouse (Ctrl+R turns the device, which resizes the
# window), a second start leaves the one window alone and ends at once, and a hang-up (as SIGINT and
# SIGTERM) closes the program politely: it saves and exits with status 0. Like a handheld's launcher,
# the test points XDG_DATA_HOME into a folder of its own, and the files must be kept there.
# usage: real_window.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/xvfb.bash"

# An X server of our own on the first free display from :90 to :99.
start_xvfb 90 99 || give_up "no X server could be started on :90 to :99"

# The frame background through the window's 24-bit visual: the front-end's light blue, or white.
backgrounds=("#DEE7FF" "#FFFFFF")
# Captures the window until a frame of the given size with a background and drawing on it shows.
shows_a_frame() {
    local size=$2 shot="$work/window.png"
    import -window "$1" "$shot" 2>/dev/null || return 1
    [ "$(picture_size "$shot")" = "$size" ] && [ "$(colour_count "$shot")" -ge 2 ] || return 1
    for colour in "${backgrounds[@]}"; do
        [ "$(share_of "$shot" "$colour")" -ge 10 ] && return 0
    done
    return 1
}

open_window --screen 240x320
upright=$(scaled_size 240 320) || give_up "the X server did not tell its display's size"
wait_for 100 has_size "$window" "$upright" || fail "the window is $(client_size "$window"), wanted $upright"
wait_for 200 shows_a_frame "$window" "$upright" || fail "the window shows no frame with its background"

# Keys and the mouse: a menu key and back, a click, then Ctrl+R turns the device and so the window.
timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"
timeout 10 xdotool key --delay 100 2 0
timeout 10 xdotool mousemove --window "$window" 6 6 click 1  # a corner, away from Quit
sleep 0.5
alive || give_up "the program ended after keys and a click"
# The device turns at the scale the window opened with.
scale=$((${upright%x*} / 240))
turned="$((scale * 320))x$((scale * 240))"
timeout 10 xdotool key ctrl+r
wait_for 100 has_size "$window" "$turned" || fail "after Ctrl+R the window is $(client_size "$window"), wanted $turned"
wait_for 100 shows_a_frame "$window" "$turned" || fail "the turned window shows no frame with its background"

# A second copy on the same data folder hands over to the first and ends at once (a copy that opened
# a window of its own would run until the time limit).
timeout 60 "$exe" --screen 240x320 >"$work/second.out" 2>"$work/second.err"
status=$?
[ "$status" -eq 0 ] || fail "the second copy ended with status $status"
sleep 0.5
[ "$(windows_named Vortellanox | wc -l)" -eq 1 ] ||
    fail "$(windows_named Vortellanox | wc -l) windows after the second start, wanted 1"
alive || give_up "the first copy ended when the second started"

# Without a window manager nothing can close the window politely; a hang-up becomes the close message.
kill -HUP "$program_pid"
ends_cleanly SIGHUP
[ -s "$XDG_DATA_HOME/vortellanox/settings.dat" ] ||
    fail "no settings.dat in \$XDG_DATA_HOME/vortellanox after the close: the program did not shut down in order"
finish "real window on $DISPLAY"
