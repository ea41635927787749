#!/usr/bin/env bash
# The answer history as the program keeps it. A game played on a history of random bytes (how the store
# sets such a file aside is tests/history's): every try is exported as the runner saw its problem posed and
# timed, a wrong try leaving the same problem posed and the last problem left when the clock ran out. A kill -9
# during a game played through a pipe loses no judged answer and leaves a history the next start opens as it is.
# usage: history.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"
data="$work/data"
# The exported answers without the header row (no field here holds a comma).
exported() { "$exe" --data-dir "$data" --export-history - | tail -n +2 | tr -d '\r'; }

mkdir -p "$data"
perl -e 'srand 7; print map { chr int rand 256 } 1 .. 8192' >"$data/history.sqlite"
# Typing 1 at the third problem is a wrong answer; the clock runs out on the fourth during the
# script's last wait, which is served before the end of the input closes the run.
printf '%s\n' "key 49" "wait 100" "key 49" "wait 300" answer "wait 700" answer "wait 200" "type 1" "wait 250" answer \
    "wait 70000" | "$exe" --headless --script - --date 2026-12-07 --minute 5 --data-dir "$data" >"$work/out" \
    2>"$work/game.err" || fail "the game on a damaged history ended with status $?"
mapfile -t posed < <(sed -n 's/^posed //p' "$work/out")
[ ${#posed[@]} -eq 4 ] || give_up "wanted four problems posed: $(cat "$work/out")"
[[ ${posed[2]} == "18 / 2 at "* ]] || give_up "the seed's third problem must have a one-digit result other than 1"
# Each try as "A OP B at MS-OF-DAY mode typed outcome ms", the timed-out one's time only as "long".
tries=$(exported | awk -F, '$1 ~ /^2026-12-07T/ { split(substr($1, 12, 12), t, /[:.]/)
    printf "%s %s %s at %d %s %s %s %s\n", $4, $3, $5, ((t[1] * 60 + t[2]) * 60 + t[3]) * 1000 + t[4], $2, $7, $8,
        ($8 == "timeout" && $9 > 20000 ? "long" : $9) }')
read -r a0 op0 b0 _ <<<"${posed[0]}"
read -r a1 op1 b1 _ <<<"${posed[1]}"
expected="${posed[0]} arcade $(solve "$a0" "$op0" "$b0") right 300
${posed[1]} arcade $(solve "$a1" "$op1" "$b1") right 700
${posed[2]} arcade 1 wrong 200
${posed[2]} arcade 9 right 450
${posed[3]} arcade  timeout long"
[ "$tries" = "$expected" ] || fail "the history holds"$'\n'"$tries"$'\n'"wanted"$'\n'"$expected"

# kill -9 once three answers are judged; each line of the pipe is acted on as it arrives.
data="$work/killed"
coproc PLAYER { exec "$exe" --headless --script - --date 2026-12-07 --data-dir "$data" >/dev/null 2>"$work/kill.err"; }
program_pid=$PLAYER_PID
printf '%s\n' "key 49" "wait 100" "key 49" "wait 300" answer "wait 300" answer "wait 300" answer "wait 100" \
    "shot $work/played.png" >&"${PLAYER[1]}"
holds() { [ "$(exported | wc -l)" -eq "$1" ]; }
wait_for 300 holds 3 || fail "the history holds $(exported | wc -l) answers of the three judged"
{ kill -KILL "$program_pid" && wait "$program_pid"; } 2>/dev/null
program_pid=""
holds 3 || fail "after the kill the history holds $(exported | wc -l) answers, wanted 3"
"$exe" --headless --script - --date 2026-12-07 --data-dir "$data" <<<"close" >/dev/null 2>"$work/restart.err" ||
    fail "the start after the kill ended with status $?"
holds 3 || fail "after the next start the history holds $(exported | wc -l) answers, wanted 3"
compgen -G "$data/history-*" >/dev/null && fail "the history written up to the kill was set aside"

# The export's status is the program's: a file that cannot be written is 1.
"$exe" --data-dir "$data" --export-history "$work/no/such.csv" 2>/dev/null
[ $? -eq 1 ] || fail "an export to a folder that does not exist did not end with status 1"
finish "answer history"
