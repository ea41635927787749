# Shared by the test scripts (sourced, never run by itself): the script's temporary folder, `work`,
# removed however the script ends together with the program it started (`program_pid`); failure
# counting; bounded waits. Sourced with the program and the source folder as $1 and $2, it sets `exe`
# and `source_dir` and keeps the program's data and leak reports to the work folder and our suppressions.
exe=$(readlink -f "$1")
source_dir=$(readlink -f "$2")
work=$(mktemp -d)
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    if declare -F stop_xvfb >/dev/null; then stop_xvfb; fi
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
export XDG_DATA_HOME="$work/xdg" SDL_AUDIODRIVER=dummy LSAN_OPTIONS="suppressions=$source_dir/tests/lsan.supp"

# A failed check is counted and the script goes on; finish exits with the count. give_up ends at once.
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
give_up() {
    fail "$@"
    show_logs
    exit 1
}
finish() {
    [ "$failures" -eq 0 ] || { show_logs; exit 1; }
    echo "$*: all checks passed"
}
# The tail of every standard-error log the caller kept in $work.
show_logs() {
    for log in "$work"/*.err; do [ -s "$log" ] && { echo "--- $log"; tail -n 30 "$log"; }; done
}
# The right answer to "A OP B", OP one of + - x / as the runner prints them.
solve() {
    case $2 in
        +) echo $(($1 + $3)) ;;
        -) echo $(($1 - $3)) ;;
        x) echo $(($1 * $3)) ;;
        /) echo $(($1 / $3)) ;;
    esac
}
# Waits up to $1 tenths of a second of wall time for the command that follows to succeed; the command
# is tried at least once, and the time it takes counts.
wait_for() {
    local tenths=$1 started
    shift
    started=$(date +%s%N)
    while :; do
        "$@" && return 0
        (($(date +%s%N) - started >= tenths * 100000000)) && return 1
        sleep 0.1
    done
}
