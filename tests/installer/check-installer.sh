#!/usr/bin/env bash
# The Windows installer and the portable zip under Wine, in a prefix of their own made
# afresh: install silently, check what is installed, run the installed programs, install
# the same version over it, uninstall silently and find nothing left; then the zip's
# contents, and the calculator started from the unpacked folder.
#   check-installer.sh CMAKE SETUP.exe ZIP CHECKS.exe GOLDEN_DIR WORK_DIR
set -u
toolchains=$(cd "$(dirname "$0")/../../cmake/toolchains" && pwd)

if [ "${1:-}" != --inside ]; then
    work=$6
    rm -rf "$work"
    mkdir -p "$work/home"
    # Wine's home folder in the work folder, so that the check sees anything it would
    # write into a desktop's menus, and nothing reaches the real home folder.
    export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
    export XDG_CONFIG_HOME=$work/home/.config LANG=zh_CN.UTF-8
    exec "$toolchains/wine-session.sh" "$work/prefix" "$0" --inside "$@"
fi
shift
cmake=$1 setup=$2 zip=$3 checks=$4 golden=$5 work=$6
# shellcheck source=../../cmake/toolchains/wine-environment.sh
. "$toolchains/wine-environment.sh" "$WINEPREFIX"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
step() { echo "== $*"; }
# A group of checks; one that matches no test fails too.
checks() {
    local output status
    output=$("$wine" "$checks" --gtest_filter="$1" 2>&1)
    status=$?
    echo "$output"
    [ "$status" -eq 0 ] || fail "$1"
    grep -Eq '^\[==========\] [1-9][0-9]* tests? from' <<<"$output" || fail "$1: no such checks"
}

installed='C:\Program Files\metalweight'
step "the installer's own file"
METALWEIGHT_SETUP="Z:$setup" checks 'Setup.*'

step "silent install"
"$wine" "$setup" /S || fail "the silent install exited $?"
checks 'Installed.*'

step "the installed cut-list program on a GB18030 list with a Chinese name"
cp "$golden/gb18030.csv" "$work/下料清单.csv"
"$wine" "$installed\\metalweight-bom.exe" --format json "Z:$work/下料清单.csv" >"$work/report.json" ||
    fail "metalweight-bom.exe exited $?"
cmp "$work/report.json" "$golden/gb18030.json" || fail "its JSON differs from the Linux build's"
"$wine" "$installed\\metalweight-bom.exe" --format csv -o "Z:$work/重量.csv" "Z:$work/下料清单.csv" ||
    fail "metalweight-bom.exe -o exited $?"
head -c 3 "$work/重量.csv" | od -An -tx1 | grep -q "ef bb bf" || fail "the CSV report has no byte-order mark"

step "installed again over itself"
"$wine" "$setup" /S || fail "installing again exited $?"
checks 'Installed.*'

step "silent uninstall"
"$wine" "$installed\\uninstall.exe" /S || fail "the uninstaller exited $?"
checks 'Uninstalled.*'

step "a folder of the user's choice, whose other files the uninstaller keeps"
chosen=$WINEPREFIX/drive_c/工具/metalweight
"$wine" "$setup" /S '/D=C:\工具\metalweight' || fail "installing into a chosen folder exited $?"
[ "$(ls "$chosen" | LC_ALL=C sort | tr '\n' ' ')" = "LICENSE.txt cut-list-guide.html metalweight-bom.exe metalweight.exe uninstall.exe " ] ||
    fail "the chosen folder holds: $(ls "$chosen")"
echo "类别,规格" >"$chosen/我的清单.csv"
"$wine" 'C:\工具\metalweight\uninstall.exe' /S || fail "the uninstaller exited $?"
checks 'Uninstalled.*'
[ "$(ls "$chosen")" = "我的清单.csv" ] || fail "after uninstalling, the chosen folder holds: $(ls "$chosen")"

step "no menu entries on the host"
entries=$(find "$HOME" -name "*.desktop" -o -name "*.menu" | head -n 5)
[ -z "$entries" ] || fail "Wine wrote menu entries: $entries"

step "portable zip"
listing=$("$cmake" -E tar tf "$zip" | LC_ALL=C sort | tr '\n' ' ')
folder=$(basename "$zip" -win64.zip)
expected="$folder/ $folder/LICENSE.txt $folder/cut-list-guide.html $folder/metalweight-bom.exe $folder/metalweight.exe "
[ "$listing" = "$expected" ] || fail "the zip holds: $listing"
mkdir -p "$work/便携"
(cd "$work/便携" && "$cmake" -E tar xf "$zip") || fail "the zip did not unpack"
METALWEIGHT_UNPACKED_FOLDER="Z:$work/便携/$folder" checks 'Portable.*'

[ "$failures" -eq 0 ] && echo "all installer checks passed"
[ "$failures" -eq 0 ]
