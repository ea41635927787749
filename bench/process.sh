#!/usr/bin/env bash
# Whole-process figures under Xvfb at 480 x 640, beside a bare SDL window-surface loop measured in the
# same run: time to the first frame on screen, resident memory after 5 s, and CPU share of one core
# over 10 s each on the main menu, on the options screen, in play with an answer key every second, and
# unfocused.
# Usage: bench/process.sh GAME_EXECUTABLE [WORK_FOLDER]; REPEAT=n sets the runs (median is shown).
set -euo pipefail
game=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
repeat=${REPEAT:-3}
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    pkill -P $$ 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 70 89); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

g++ -O2 -std=c++20 "$here/peer/BareLoop.cpp" $(pkg-config --cflags --libs sdl2) -o "$work/bareloop"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
hz=$(getconf CLK_TCK)
# CPU share of one core, in percent, over SECONDS while the process runs.
cpu_over() {
    local pid=$1 seconds=$2 before after
    before=$(ticks "$pid"); sleep "$seconds"; after=$(ticks "$pid")
    awk -v t=$((after - before)) -v s="$seconds" -v hz="$hz" 'BEGIN {printf "%.2f", 100 * t / hz / s}'
}
window_of() {
    local pid=$1
    for _ in $(seq 100); do
        w=$(xdotool search --pid "$pid" 2>/dev/null | head -1) && [ -n "$w" ] && { echo "$w"; return; }
        sleep 0.05
    done
    return 1
}
started_ms() {  # ms from START_NS to the first frame the program reported
    local file=$1
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.05; done
    awk -v a="$START_NS" -v b="$(cat "$file")" 'BEGIN {printf "%.1f", (b - a) / 1e6}'
}

measure_game() {
    local data="$work/data$1" frame="$work/frame$1"
    START_NS=$(date +%s%N)
    VX_FIRST_FRAME_FILE=$frame "$game" --data-dir "$data" --screen 480x640 &
    local pid=$!
    local first; first=$(started_ms "$frame")
    local win; win=$(window_of "$pid")
    sleep 5
    local rss; rss=$(rss_kib "$pid")
    xdotool windowfocus --sync "$win" 2>/dev/null || true
    local menu; menu=$(cpu_over "$pid" 10)
    xdotool key --window "$win" 2; sleep 0.5
    local options; options=$(cpu_over "$pid" 10)
    xdotool key --window "$win" 0; sleep 0.3
    xdotool key --window "$win" 1; sleep 0.3; xdotool key --window "$win" 1; sleep 0.5
    local before after; before=$(ticks "$pid")
    for _ in $(seq 10); do xdotool key --window "$win" 5; sleep 1; done
    after=$(ticks "$pid")
    local play; play=$(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * t / hz / 10}')
    # Another window takes the focus, as when the player switches to another program.
    xmessage -name vx-elsewhere -geometry +900+0 "elsewhere" >/dev/null 2>&1 &
    local other=$!
    local otherwin; otherwin=$(timeout 10 xdotool search --sync --classname vx-elsewhere | head -1)
    [ -n "$otherwin" ] && xdotool windowfocus --sync "$otherwin" 2>/dev/null || true
    sleep 1
    local away; away=$(cpu_over "$pid" 10)
    kill "$other" 2>/dev/null || true
    kill -TERM "$pid"; wait "$pid" || true
    echo "$first $rss $menu $options $play $away"
}

measure_bare() {
    local frame="$work/bare$1"
    START_NS=$(date +%s%N)
    VX_FIRST_FRAME_FILE=$frame "$work/bareloop" &
    local pid=$!
    local first; first=$(started_ms "$frame")
    sleep 5
    local rss; rss=$(rss_kib "$pid")
    local cpu; cpu=$(cpu_over "$pid" 10)
    kill -TERM "$pid"; wait "$pid" || true
    echo "$first $rss $cpu"
}

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

: >"$work/game"; : >"$work/bare"
for i in $(seq "$repeat"); do
    measure_game "$i" >>"$work/game"
    measure_bare "$i" >>"$work/bare"
done
col() { awk -v c="$2" '{print $c}' "$1" | median; }

g_first=$(col "$work/game" 1); g_rss=$(col "$work/game" 2); g_menu=$(col "$work/game" 3)
g_options=$(col "$work/game" 4); g_play=$(col "$work/game" 5); g_away=$(col "$work/game" 6)
b_first=$(col "$work/bare" 1); b_rss=$(col "$work/bare" 2); b_cpu=$(col "$work/bare" 3)

echo "Whole process under Xvfb, 480 x 640, median of $repeat runs ($(nproc) cores, $(date -u +%Y-%m-%d))"
printf '%-34s %12s %12s %8s\n' "measure" "game" "bare loop" "goal"
printf '%-34s %10s ms %10s ms %8s\n' "first frame after start" "$g_first" "$b_first" "60 ms"
printf '%-34s %9s MiB %9s MiB %8s\n' "resident memory after 5 s" "$(awk -v k="$g_rss" 'BEGIN{printf "%.1f", k/1024}')" \
    "$(awk -v k="$b_rss" 'BEGIN{printf "%.1f", k/1024}')" "20 MiB"
printf '%-34s %11s %% %11s %% %8s\n' "CPU, main menu, 10 s" "$g_menu" "$b_cpu" "0.3 %"
printf '%-34s %11s %% %13s %8s\n' "CPU, options screen, 10 s" "$g_options" "-" "0.3 %"
printf '%-34s %11s %% %11s %% %8s\n' "CPU, play, a key a second, 10 s" "$g_play" "$b_cpu" "1.4 %"
printf '%-34s %11s %% %13s %8s\n' "CPU, unfocused, 10 s" "$g_away" "-" "0 %"
