#!/usr/bin/env bash
# metalweight.exe as Windows sees the file: a stripped 64-bit GUI program whose manifest
# is embedded, which imports Windows' own DLLs only (no Qt, no MinGW runtime beside it).
#   check-program-file.sh OBJDUMP metalweight.exe
set -u
objdump=$1
program=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

headers=$("$objdump" -p "$program") || { echo "cannot read $program"; exit 1; }
grep -q "^Magic.*020b" <<<"$headers" || fail "not a 64-bit program"
grep -q "^Subsystem.*00000002" <<<"$headers" || fail "not a GUI program"
"$objdump" -t "$program" 2>&1 | grep -q "no symbols" || fail "symbols are not stripped"

allowed="ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll OLEAUT32.dll USER32.dll"
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | sort -u)
for dll in $imports; do
    case " $allowed " in
        *" $dll "*) ;;
        *) fail "imports $dll" ;;
    esac
done
echo "imports:" $imports

# The manifest, as text in the resources.
for setting in "Microsoft.Windows.Common-Controls" "PerMonitorV2" \
    "<activeCodePage" "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"; do
    grep -aq -- "$setting" "$program" || fail "the manifest lacks $setting"
done
echo "size: $(stat -c %s "$program") bytes"
[ "$failures" -eq 0 ]
