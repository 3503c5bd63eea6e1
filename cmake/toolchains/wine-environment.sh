# Sourced by the Wine scripts beside it: the prefix, quiet Wine, no Mono or Gecko
# prompts, no menu entries in the host's desktop, and where Debian keeps Wine.
#   . wine-environment.sh WINEPREFIX
export WINEPREFIX=$1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
