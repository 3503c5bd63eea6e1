#!/usr/bin/env bash
# The program from the outside: exit statuses, messages, the default formats, standard
# input, replacing an -o file only when the report is complete, and memory that stays
# the same from a thousand rows to a million.
#   check-cli.sh PROGRAM GOLDEN_DIR WORK_DIR [--no-memory]
# --no-memory leaves out the memory check (a sanitizer build's memory is not the program's).
set -u
bom=$1
golden=$2
work=$3
memory=${4:-}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
status() { "$@" >/dev/null 2>&1; echo $?; }

rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
good=$golden/categories.csv
bad=$golden/stop_first_bad_row.csv

[ "$(status "$bom" --format json "$good")" = 0 ] || fail "a good list does not exit 0"
[ "$(status "$bom" --bogus "$good")" = 2 ] || fail "an unknown option does not exit 2"
[ "$(status "$bom" --format xml "$good")" = 2 ] || fail "an unknown format does not exit 2"
[ "$(status "$bom" "$work/missing.csv")" = 2 ] || fail "a missing file does not exit 2"
[ "$(status "$bom" "$golden/no_category.csv")" = 2 ] || fail "a header without 类别 does not exit 2"
[ "$(status "$bom" --help)" = 0 ] || fail "--help does not exit 0"
"$bom" --version | grep -q "^metalweight-bom [0-9]" || fail "--version"

# The first bad row ends the run: one line naming the file, line, column and text.
"$bom" "$bad" >/dev/null 2>stderr.txt
[ $? = 1 ] || fail "a bad row does not exit 1"
[ "$(wc -l <stderr.txt)" = 1 ] || fail "a bad row gives $(wc -l <stderr.txt) lines"
grep -q '^stop_first_bad_row.csv:3: 列 "长度": "6,5" ' stderr.txt ||
    sed -i "s|^$golden/||" stderr.txt
grep -q '^stop_first_bad_row.csv:3: 列 "长度": "6,5" ' stderr.txt ||
    fail "message: $(cat stderr.txt)"
"$bom" --keep-going "$bad" >/dev/null 2>stderr.txt
[ $? = 1 ] || fail "--keep-going with bad rows does not exit 1"
[ "$(wc -l <stderr.txt)" = 2 ] || fail "--keep-going reports $(wc -l <stderr.txt) bad rows"

# Standard input reads as the file does; CSV is the default when not on a terminal,
# the table on one.
"$bom" --format json "$good" >file.json
"$bom" --format json - <"$good" >stdin.json
cat "$good" | "$bom" --format json >pipe.json
cmp -s file.json stdin.json || fail "standard input differs from the file"
cmp -s file.json pipe.json || fail "a pipe differs from the file"
"$bom" "$good" | head -c 3 | od -An -tx1 | grep -q "ef bb bf" || fail "CSV is not the default"
script -qec "$bom $good" /dev/null | grep -q "总计" || fail "the table is not the default on a terminal"

# -o replaces the file only when the report is complete.
echo old >out.csv
"$bom" -o out.csv "$bad" 2>/dev/null
[ "$(cat out.csv)" = old ] || fail "a failed run changed the -o file"
[ "$(ls | grep -c '^out.csv.')" = 0 ] || fail "a failed run left a temporary file"
"$bom" -o out.csv "$good" || fail "-o run failed"
head -c 3 out.csv | od -An -tx1 | grep -q "ef bb bf" || fail "-o did not write the report"
"$bom" --keep-going --format json -o out.json "$bad" 2>/dev/null
grep -q '"errors"' out.json || fail "--keep-going did not write its complete report"
[ "$(status "$bom" -o "$work/no/such/folder/out.csv" "$good")" = 2 ] ||
    fail "an -o file that cannot be made does not exit 2"

# Memory: a million rows take no more than a thousand.
rows() {
    awk -v n="$1" 'BEGIN {
        print "类别,规格,长度,数量,备注"
        split("工字钢,I20a|管道,φ57×3.5|钢板,δ10|圆钢,φ20|等边角钢,∠63×6|槽钢,[14b", kinds, "|")
        for (i = 0; i < n; i++) print kinds[i % 6 + 1] "," (i % 7 + 1) "," (i % 9 + 1) ",第" i "件"
    }'
}
formats="csv json table"
if [ "$memory" = --no-memory ]; then
    formats=
else
    rows 1000 >small.csv
    rows 1000000 >large.csv
fi
for format in $formats; do
    small=$( { /usr/bin/time -f %M "$bom" --format $format small.csv >/dev/null; } 2>&1)
    large=$( { /usr/bin/time -f %M "$bom" --format $format large.csv >/dev/null; } 2>&1)
    echo "peak memory, $format: $small KB for 10^3 rows, $large KB for 10^6 rows"
    [ "$large" -lt $((small + 2048)) ] || fail "$format: $large KB for 10^6 rows, $small KB for 10^3"
done

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
