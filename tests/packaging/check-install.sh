#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what landed; then builds the
# Debian package and the tarball with CPack and checks their fields and contents.
#   check-install.sh BUILD_DIR WORK_DIR VERSION
set -u
build=$1
work=$2
version=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { [ -e "$1" ] || fail "missing $1"; }

rm -rf "$work" && mkdir -p "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

app=net.metalweight.Metalweight
[ -x "$prefix/bin/metalweight" ] || fail "bin/metalweight is not an installed program"
desktop=$prefix/share/applications/$app.desktop
metainfo=$prefix/share/metainfo/$app.metainfo.xml
check "$desktop"
check "$metainfo"
check "$prefix/share/doc/metalweight/copyright"
check "$prefix/share/doc/metalweight/changelog.Debian.gz"
check "$prefix/share/man/man1/metalweight.1.gz"
# The cut-list program, installed with the window, weighs a list from its new place.
[ -x "$prefix/bin/metalweight-bom" ] || fail "bin/metalweight-bom is not an installed program"
check "$prefix/share/man/man1/metalweight-bom.1.gz"
printf '类别,规格,长度,数量\n工字钢,I20a,6,10\n' |
    "$prefix/bin/metalweight-bom" --format json | grep -q '"unitWeight": "28.0586"' ||
    fail "the installed metalweight-bom does not weigh I20a"
grep -qx "Name=金属材料单重计算" "$desktop" || fail "desktop entry name"
grep -qx "Exec=metalweight" "$desktop" || fail "desktop entry Exec"
grep -qx "Icon=metalweight" "$desktop" || fail "desktop entry Icon"
grep -qx "Categories=Utility;Calculator;Engineering;" "$desktop" || fail "desktop categories"
for size in 16 32 48 64 128; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/metalweight.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "icon $size px: $(file "$png")"
done
svg=$prefix/share/icons/hicolor/scalable/apps/metalweight.svg
grep -q "<svg" "$svg" || fail "scalable icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate"
fi

# The packages, from the same install rules.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G "DEB;TGZ" >/dev/null) ||
    fail "cpack"
deb=$(ls "$work"/metalweight_*_*.deb 2>/dev/null | head -n 1)
tarball=$(ls "$work"/metalweight-*.tar.gz 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
    fail "no .deb"
else
    [ "$(dpkg-deb -f "$deb" Package)" = metalweight ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "package version"
    [ "$(dpkg-deb -f "$deb" Section)" = math ] || fail "package section"
    dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || fail "dependencies not found"
    dpkg-deb -f "$deb" Description | grep -q "unit weight" || fail "description"
    contents=$(dpkg-deb -c "$deb")
    for path in ./usr/bin/metalweight ./usr/bin/metalweight-bom \
        ./usr/share/man/man1/metalweight-bom.1.gz ./usr/share/applications/$app.desktop \
        ./usr/share/metainfo/$app.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/metalweight.svg \
        ./usr/share/icons/hicolor/48x48/apps/metalweight.png ./usr/share/doc/metalweight/copyright; do
        grep -q " $path\$" <<<"$contents" || fail "$path not in the package"
    done
    if command -v lintian >/dev/null; then
        errors=$(lintian "$deb" 2>/dev/null | grep "^E:")
        [ -z "$errors" ] || fail "lintian: $errors"
    fi
fi
if [ -z "$tarball" ]; then
    fail "no .tar.gz"
else
    tar -tzf "$tarball" | grep -q "/bin/metalweight$" || fail "program not in the tarball"
fi

[ "$failures" -eq 0 ] && echo "install and packages: all checks passed"
exit $((failures > 0))
