#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when some are
# missing. Safe to run again: it does nothing when everything is there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev qt6-translations-l10n
    nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox x11-utils fonts-noto-cjk locales time bsdutils
    clang clang-format clang-tidy cppcheck libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev lintian file
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine64 nsis
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# Locales the tests switch to, to show that reading and showing numbers ignore them.
need_locales=()
for wanted in de_DE.UTF-8 zh_CN.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qix "${wanted/UTF-8/utf8}"; then
        need_locales+=("$wanted")
    fi
done
if [ ${#need_locales[@]} -gt 0 ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    for wanted in "${need_locales[@]}"; do
        "${sudo_cmd[@]}" sed -i "s/^# *\(${wanted} UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${wanted} UTF-8" /etc/locale.gen ||
            echo "${wanted} UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    done
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
