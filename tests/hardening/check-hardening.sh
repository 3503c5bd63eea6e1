#!/usr/bin/env bash
# Checks that built programs are hardened: position-independent, full RELRO (RELRO
# segment and immediate binding), stack protector; that the build compiled every
# source with _FORTIFY_SOURCE=2 and stack clash protection; and that fortified libc
# calls are in use where the code makes any.
#   check-hardening.sh COMPILE_COMMANDS_JSON FORTIFIED_PROGRAM PROGRAM...
# No pipefail: grep -q ends its pipe early, which is no failure of readelf.
set -u
commands=$1
fortified=$2
shift 2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in "$fortified" "$@"; do
    readelf -h "$program" | grep -q "Type:.*DYN" || fail "$program is not position-independent"
    readelf -l "$program" | grep -q GNU_RELRO || fail "$program has no RELRO segment"
    readelf -d "$program" | grep -Eq "BIND_NOW|FLAGS_1.*NOW" || fail "$program binds lazily"
    readelf --dyn-syms -W "$program" | grep -q __stack_chk_fail ||
        fail "$program has no stack protector"
done
readelf --dyn-syms -W "$fortified" | grep -Eq "__[a-z_]+_chk@" ||
    fail "$fortified calls no fortified libc function"

total=$(grep -c '"file"' "$commands")
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection; do
    with=$(grep -c -- "$flag" "$commands")
    [ "$with" -eq "$total" ] || fail "$flag on $with of $total sources"
done

if [ "$failures" -eq 0 ]; then
    echo "hardening: all checks passed"
fi
exit $((failures > 0))
