#!/usr/bin/env bash
# Compares this tree's metalweight-bom with the build of another commit byte for byte on
# generated lists: standard output, standard error and exit status, in each format, with
# and without --keep-going, the list named and piped in.
#   scripts/bom-compare/compare.sh [COMMIT] [COUNT] [SEED]
# The other commit is built from `git archive` in build-compare/, not kept in the tree.
set -euo pipefail
cd "$(dirname "$0")/../.."
commit=${1:-72c8486}
count=${2:-1000}
seed=${3:-1}
work=$PWD/build-compare
options=(-DMETALWEIGHT_BUILD_GUI=OFF -DMETALWEIGHT_BUILD_TOOLS=ON -DCMAKE_BUILD_TYPE=Release)

reference=$work/reference-$commit
if [ ! -x "$reference/build/bin/metalweight-bom" ]; then
    rm -rf "$reference"
    mkdir -p "$reference"
    git archive "$commit" | tar -x -C "$reference"
    cmake -S "$reference" -B "$reference/build" "${options[@]}" >/dev/null
    cmake --build "$reference/build" --target metalweight-bom --parallel "$(nproc)" >/dev/null
fi
cmake -S . -B "$work/current" "${options[@]}" >/dev/null
cmake --build "$work/current" --target metalweight-bom --parallel "$(nproc)" >/dev/null
old=$reference/build/bin/metalweight-bom
new=$work/current/bin/metalweight-bom

lists=$work/lists-$seed-$count
[ -d "$lists" ] || python3 scripts/bom-compare/make-lists.py "$lists" "$count" "$seed"

runs=0
differences=0
run() {  # PROGRAM OUT ARGS... : OUT.out, OUT.err, OUT.status
    local program=$1 out=$2
    shift 2
    set +e
    "$program" "$@" >"$out.out" 2>"$out.err"
    echo $? >"$out.status"
    set -e
}
for list in "$lists"/*.csv; do
    for format in table csv json; do
        for keep in "" --keep-going; do
            for how in named piped; do
                for side in old new; do
                    program=${!side}
                    if [ $how = named ]; then
                        run "$program" "$work/$side" --format $format $keep "$list"
                    else
                        # Through a pipe, which cannot be searched: read in one pass. The
                        # program may stop reading at a bad row, which ends cat early.
                        { cat "$list" || true; } | run "$program" "$work/$side" --format $format $keep -
                    fi
                done
                runs=$((runs + 1))
                for part in out err status; do
                    if ! cmp -s "$work/old.$part" "$work/new.$part"; then
                        differences=$((differences + 1))
                        echo "differs: $list --format $format $keep ($how), $part"
                        break
                    fi
                done
            done
        done
    done
done
echo "$runs runs on $count lists, $differences differ"
[ "$differences" -eq 0 ]
