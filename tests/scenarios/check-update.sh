#!/usr/bin/env bash
# Checks scenario_check --update on copies: an expected file that still matches is left
# byte for byte, one that no longer matches is rewritten, reported, and then passes.
#   check-update.sh SCENARIO_CHECK RUNNER SCENARIO EXPECTED WORK_DIR
set -u
check=$1 runner=$2 scenario=$3 expected=$4 work=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work" && mkdir -p "$work"
cp "$expected" "$work/kept.out"
"$check" --update "$runner" "$scenario" "$work/kept.out" >"$work/kept.log" || fail "update of a match"
cmp -s "$expected" "$work/kept.out" || fail "a matching file was rewritten"
[ ! -s "$work/kept.log" ] || fail "a matching file was reported: $(cat "$work/kept.log")"

# The same objects with a wrong weight: the update rewrites it and names the change.
sed 's/"densityFactor": 0.785/"densityFactor": 0.5/' "$expected" >"$work/stale.out"
"$check" "$runner" "$scenario" "$work/stale.out" 2>/dev/null && fail "a stale file passed"
"$check" --update "$runner" "$scenario" "$work/stale.out" >"$work/stale.log" || fail "update of a stale file"
grep -q "rewrote" "$work/stale.log" || fail "the rewrite was not reported"
grep -q "densityFactor" "$work/stale.log" || fail "the difference was not shown"
"$check" "$runner" "$scenario" "$work/stale.out" || fail "the rewritten file does not pass"

[ "$failures" -eq 0 ] && echo "scenario update: all checks passed"
exit $((failures > 0))
