# Shared by the real-window test scripts (sourced, never run by itself, after lib/common.bash): a
# private Xvfb server, stopped however the script ends, the program's window, and reading that window
# through screenshots.
xvfb_pid=""
xvfb_display=""
export SDL_VIDEODRIVER=x11
for tool in Xvfb xdpyinfo xdotool xwininfo import convert; do
    command -v "$tool" >/dev/null || give_up "$tool is missing (make test installs it)"
done

# Starts an X server of our own (screen $xvfb_screen, else 1024x768x24) on a display it finds free
# itself, and exports DISPLAY once the server accepts connections. Answers false when it could not start.
start_xvfb() {
    # -noreset: by default the server resets as its last client leaves, and a program that connects
    # during the reset is refused ("x11 not available").
    Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-1024x768x24}" -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 grep -q '^[0-9]' "$work/display" || { stop_xvfb; return 1; }
    xvfb_display=$(head -n 1 "$work/display")
    export DISPLAY=":$xvfb_display"
}

# Ends our X server politely, so that it removes its lock and socket; a server that does not end
# within five seconds is killed, and its leftovers are removed for it.
stop_xvfb() {
    [ -n "$xvfb_pid" ] || return 0
    local lock="/tmp/.X$xvfb_display-lock"
    kill -TERM "$xvfb_pid" 2>/dev/null
    wait_for 50 gone "$xvfb_pid" || kill -KILL "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    # A killed server leaves its lock behind; remove it only while it still names our server.
    [ -n "$xvfb_display" ] && [ "$(tr -d ' \n' 2>/dev/null <"$lock")" = "$xvfb_pid" ] &&
        rm -f "$lock" "/tmp/.X11-unix/X$xvfb_display"
    xvfb_pid=""
}

# The window size at the largest whole scale of a W x H screen that fits the display, as "WxH"; false
# when the display's size is not known (a guess would blame the program for a slow server).
scaled_size() {
    local w=$1 h=$2 display_w display_h scale=1
    read -r display_w display_h < <(timeout 10 xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }') ||
        return 1
    while (((scale + 1) * w <= display_w && (scale + 1) * h <= display_h)); do scale=$((scale + 1)); done
    echo "$((scale * w))x$((scale * h))"
}

# Whether window $1 has the client size $2 ("WxH"); windows take their size as the server gets to it.
has_size() { [ "$(client_size "$1")" = "$2" ]; }

# The visible windows titled exactly $1.
windows_named() { timeout 10 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
gone() { ! kill -0 "$1" 2>/dev/null; }
alive() { ! gone "$program_pid"; }
ended() { gone "$program_pid"; }
window_up_or_ended() { ! alive || [ -n "$(windows_named Vortellanox)" ]; }
# Starts the program with these arguments (its output in $work/program.out and .err) and waits for its
# window, `window`.
open_window() {
    "$exe" "$@" >"$work/program.out" 2>"$work/program.err" &
    program_pid=$!
    wait_for 300 window_up_or_ended || give_up "no window named Vortellanox appeared within 30 s"
    alive || give_up "the program ended before its window appeared"
    window=$(windows_named Vortellanox | head -n 1)
}
# Waits up to 30 s for the program to end after $1, which it must do with status 0 and no report
# from the sanitizers.
ends_cleanly() {
    wait_for 300 ended || give_up "the program did not end within 30 s of $1"
    wait "$program_pid" || fail "the program ended with status $? after $1"
    program_pid=""
    grep -Eq "AddressSanitizer|LeakSanitizer|runtime error" "$work/program.err" &&
        fail "the sanitizers reported: $(grep -E -m3 "ERROR|runtime error" "$work/program.err")"
}
client_size() { timeout 10 xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'; }

# How a 0x00BBGGRR colour looks in the window: reduced to RGB565 by the frame buffer, then widened
# again by repeating each channel's top bits, as the presenter does. Prints "#RRGGBB".
screen_colour() {
    local r=$(($1 & 0xF8)) g=$(($1 >> 8 & 0xFC)) b=$(($1 >> 16 & 0xF8))
    printf '#%02X%02X%02X\n' $((r | r >> 5)) $((g | g >> 6)) $((b | b >> 5))
}

# The picture with this colour white and every other black, to be measured by the options that follow.
mask_of() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" "${@:3}"; }
# Percent of the picture's pixels in exactly this colour; their number.
share_of() { mask_of "$1" "$2" -format '%[fx:int(100*mean)]' info:; }
pixels_of() { mask_of "$1" "$2" -format '%[fx:int(w*h*mean+0.5)]' info:; }
# The connected patches of pixels in exactly this colour that cover at least $3 pixels each, one a
# line as "X Y W H" (their bounding boxes).
patches_of() {
    mask_of "$1" "$2" -define connected-components:verbose=true -connected-components 4 null: |
        awk -v least="$3" '$NF ~ /^(s?rgba?\(255,255,255|gray\(255|white)/ && $(NF - 1) >= least {
            split($2, box, /[x+]/); print box[3], box[4], box[1], box[2] }'
}
colour_count() { convert "$1" -format '%k' info:; }
picture_size() { convert "$1" -format '%wx%h' info:; }
