#!/usr/bin/env bash
# metalweight-bom against awk adding up one column, on the same million-row file, best of
# several runs each, taken in turns; then peak memory at a thousand and a million rows.
# Two lists: six sections over and over, and every row a section of its own.
#   bench/bom-vs-awk.sh [PROGRAM] [RUNS]
# `taskset -c 0 bench/bom-vs-awk.sh` holds both programs to one core.
set -euo pipefail
bom=${1:-build/bin/metalweight-bom}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rows() {
    awk -v n="$1" 'BEGIN {
        print "类别,规格,长度,数量,备注"
        split("工字钢,I20a|管道,φ57×3.5|钢板,δ10|圆钢,φ20|等边角钢,∠63×6|槽钢,[14b", kinds, "|")
        for (i = 0; i < n; i++) print kinds[i % 6 + 1] "," (i % 7 + 1) "," (i % 9 + 1) ",第" i "件"
    }'
}
different() {
    awk -v n="$1" 'BEGIN {
        print "类别,规格,长度,数量,备注"
        for (i = 0; i < n; i++) printf "管道,φ%d×%.3f,%d,%d,第%d件\n", 21 + i % 1000, 1 + int(i / 1000) / 1000, i % 9 + 1, i % 7 + 1, i
    }'
}
rows 1000 >"$work/small.csv"
rows 1000000 >"$work/large.csv"
different 1000000 >"$work/different.csv"

seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
# Best of the runs for each program and format on one list, in turns.
compare() {
    local list=$1 best_awk=999999999 t format
    declare -A best=([csv]=999999999 [json]=999999999 [table]=999999999)
    for _ in $(seq "$runs"); do
        t=$(seconds awk -F, '{s += $NF} END {print s}' "$list")
        ((t < best_awk)) && best_awk=$t
        for format in csv json table; do
            t=$(seconds "$bom" --format $format "$list")
            ((t < best[$format])) && best[$format]=$t
        done
    done
    echo "$(basename "$list"): awk, one column added up: $((best_awk / 1000)) ms for 10^6 rows"
    for format in csv json table; do
        echo "  metalweight-bom --format $format: $((best[$format] / 1000)) ms," \
            "ratio to awk $(awk -v a="${best[$format]}" -v b="$best_awk" 'BEGIN {printf "%.2f", a / b}')"
    done
}
compare "$work/large.csv"
compare "$work/different.csv"
for size in small large different; do
    kb=$( { /usr/bin/time -f %M "$bom" --format json "$work/$size.csv" >/dev/null; } 2>&1)
    echo "peak memory, $size list: $kb KB"
done
