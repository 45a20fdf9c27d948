#!/usr/bin/env bash
# vintrel-engine analyse on a short game in which red throws a man away,
# then puts a second where blue has one move, which takes it: the first is
# marked, the last line counts it, and the second is scored through the
# forced answer. A win let go is marked too. A game the rules refuse, and a
# file that cannot be read, end with status 2 and say why on standard error.
# Of a file of two games, either is analysed by its number.
#
# usage: analyse_test.sh VINTREL_ENGINE DATA_FOLDER
set -euo pipefail
ENGINE=$1 DATA=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "analyse_test: $*" >&2
    exit 1
}

"$ENGINE" analyse "$DATA/thrown_man.vintrel" >"$WORK/out"
[[ $(tail -n 1 "$WORK/out") =~ ^"analysed 7 moves: "[12]" blunders"$ ]] || fail "last line: $(tail -n 1 "$WORK/out")"
grep -qE '^ +3\. red +76-56 .* \?$' "$WORK/out" || fail "76-56 is not marked: $(cat "$WORK/out")"
[[ $(grep -c '?$' "$WORK/out") -le 2 ]] || fail "good moves marked: $(cat "$WORK/out")"
# Blue's one answer to 72-54 takes the man: red stands two men down.
after=$(grep -E '^ +4\. red +72-54 ' "$WORK/out" | sed -E 's/.*after +([-+]?[0-9]+).*/\1/')
[[ $after =~ ^-[0-9]+$ && $after -le -150 ]] || fail "72-54 scores $after: $(cat "$WORK/out")"

# Easy finds the win at the corner, and sees none once red has played on.
"$ENGINE" analyse "$DATA/missed_win.vintrel" --level easy >"$WORK/out"
grep -qE '^ +21\. red +66-44 +best 8-9 +win .*\?\?$' "$WORK/out" || fail "the missed win is not marked: $(cat "$WORK/out")"

# A file of several games, as a tournament writes them: each is found by
# its number, and a number beyond the last is refused.
cat "$DATA/thrown_man.vintrel" "$DATA/missed_win.vintrel" >"$WORK/two.vintrel"
"$ENGINE" analyse "$WORK/two.vintrel" --game 2 --level easy >"$WORK/out"
grep -qE '^ +21\. red +66-44 +best 8-9 +win .*\?\?$' "$WORK/out" || fail "game 2 of two: $(cat "$WORK/out")"
"$ENGINE" analyse "$WORK/two.vintrel" --game 1 >"$WORK/out"
[[ $(tail -n 1 "$WORK/out") =~ ^"analysed 7 moves: " ]] || fail "game 1 of two: $(tail -n 1 "$WORK/out")"
status=0
"$ENGINE" analyse "$WORK/two.vintrel" --game 3 >/dev/null 2>&1 || status=$?
[[ $status -eq 2 ]] || fail "game 3 of two ends with status $status"

status=0
"$ENGINE" analyse "$DATA/uncaptured.vintrel" >/dev/null 2>"$WORK/err" || status=$?
[[ $status -eq 2 ]] || fail "a refused game ends with status $status"
grep -qxF "$DATA/uncaptured.vintrel:4: move 2, red: 60-50 leaves the committed man at 34 uncaptured" "$WORK/err" ||
    fail "a refused game says: $(cat "$WORK/err")"

status=0
"$ENGINE" analyse "$WORK/missing.vintrel" >/dev/null 2>"$WORK/err" || status=$?
[[ $status -eq 2 && -s $WORK/err ]] || fail "a missing file ends with status $status"
echo "analyse_test: passed"
