#!/usr/bin/env bash
# Practice and the daily game, played through the headless runner's pipe. A player who always misses
# the facts with a 7 in them (and answers the rest right at once) plays three practice sessions: each
# miss is corrected by typing the right answer while it is shown, with no new problem posed for it;
# from the second session on, facts with a 7 make up at least twice their share of the basic facts;
# the history holds one row for every try. Then the daily game: two runs on the same date pose the
# same problems whatever the minute, and another date poses others.
# usage: practice.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"

coproc RUNNER { exec "$exe" --headless --script - --date 2026-12-07 --data-dir "$work/data" 2>"$work/stderr"; }
program_pid=$RUNNER_PID
send() { printf '%s\n' "$@" >&"${RUNNER[1]}"; }
# The next "posed A OP B" line; other events are passed over.
next_posed() {
    local line
    while IFS= read -r -t 20 line <&"${RUNNER[0]}"; do
        if [[ $line == posed* ]]; then
            posed=$line
            return 0
        fi
    done
    return 1
}

for session in 1 2 3; do
    send "key 53" "wait 100"  # Practice (5) from the main menu
    sevens=0
    for problem in $(seq 20); do
        next_posed || give_up "session $session: problem $problem was never posed"
        read -r _ a op b _ <<<"$posed"
        right=$(solve "$a" "$op" "$b")
        if [[ "$a$b" == *7* ]]; then
            sevens=$((sevens + 1))
            wrong=$((right + 1))
            [ ${#wrong} -eq ${#right} ] || wrong=$((right - 1))
            send "type $wrong" "wait 100" "type $right" "wait 100"
        else
            send "type $right" "wait 100"
        fi
    done
    # The summary, then back to the main menu by its OK (0), once by a gamepad's B: the next session
    # starts only from the main menu.
    leave="key 48"
    [ "$session" -eq 2 ] && leave="pad b"
    send "wait 600" "$leave" "wait 100"
    counts[session]=$sevens
done
send "close"
exec {RUNNER[1]}>&-
if next_posed; then give_up "a problem was posed after the last session: $posed"; fi
wait "$program_pid" || give_up "the runner ended with status $? ($(cat "$work/stderr"))"
program_pid=""

# The share of the basic facts with a 7 in their operands as posed: a + b, (a + b) - b, a x b and
# (a x b) / b for b > 0, with a and b 0-12 (Normal and all four operations, the defaults).
read -r facts with_seven < <(awk 'BEGIN {
    for (a = 0; a <= 12; ++a) for (b = 0; b <= 12; ++b) {
        n = split(a "," b " " a + b "," b " " a "," b (b > 0 ? " " a * b "," b : ""), operands, " ")
        for (i = 1; i <= n; ++i) { facts++; sevens += operands[i] ~ /7/ }
    }
    print facts, sevens }')
late=$((counts[2] + counts[3]))
# late / 40 >= 2 * with_seven / facts
[ $((late * facts)) -ge $((2 * with_seven * 40)) ] ||
    fail "facts with a 7: ${counts[*]} of 20 per session; their share of the facts is $with_seven/$facts"

posed_total=60 wrong_total=$((counts[1] + counts[2] + counts[3])) # 20 problems a session, a correction for each with a 7
rows=$("$exe" --data-dir "$work/data" --export-history - | grep -c practice)
[ "$rows" -eq $((posed_total + wrong_total)) ] ||
    fail "the history holds $rows practice tries for $posed_total problems and $wrong_total corrections"
first_right=$("$exe" --data-dir "$work/data" --export-history - | grep -c ',practice,.*,right,')
[ "$first_right" -eq "$posed_total" ] || fail "$first_right right tries for $posed_total problems"

# The daily game: the answers typed for its first problems, run by run.
daily() {
    rm -rf "$work/daily"
    { printf 'wait 300\nkey 55\nwait 100\n' && printf 'answer\nwait 200\n%.0s' {1..12}; } |
        "$exe" --headless --script - --date "$1" --minute "$2" --data-dir "$work/daily" 2>/dev/null |
        grep '^problem' | sed 's/ at .*//'
}
first=$(daily 2026-12-07 3)
[ "$(printf '%s\n' "$first" | wc -l)" -eq 12 ] || fail "the daily game did not take twelve answers: $first"
[ "$first" = "$(daily 2026-12-07 41)" ] || fail "the same date at another minute posed other problems"
[ "$first" != "$(daily 2026-12-08 3)" ] || fail "another date posed the same problems"
finish "practice: facts with a 7 ${counts[*]} of 20 (share $with_seven/$facts); daily sequences by date"
