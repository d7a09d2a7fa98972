#!/bin/bash
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# The Windows release: noralim.exe and noralim-solve.exe built against the
# Qt of scripts/windows-qt.sh (the windows-ui preset), every test run under
# wine (the window's on the offscreen platform), the version record and the
# icon checked with wrestool, and build-windows-ui/noralim-1.01-win64.zip
# made of both programs and exactly the DLLs and plugins they load.
#
#   scripts/windows-qt.sh && scripts/windows-zip.sh
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=scripts/windows-env.sh
. scripts/windows-env.sh
windows_prefix
qt="$NORALIM_WINDOWS_PREFIX/qt6"
if [ ! -d "$qt/bin" ]; then
  echo "no Qt for Windows in $qt: run scripts/windows-qt.sh first" >&2
  exit 2
fi
scripts/windows-deps.sh "$NORALIM_WINDOWS_PREFIX"
scripts/install-deps.sh icoutils zip unzip

build="build-windows-ui"
start_wine "$PWD/$build/wine"

echo "== build for Windows with the window"
cmake --preset windows-ui
cmake --build --preset windows-ui

echo "== tests under wine"
ctest --preset windows-ui

version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
echo "== the resources of noralim.exe"
wrestool --list "$build/ui/noralim.exe"
# A Japanese (1041) version record that says the version, and an icon.
wrestool -x --raw --type=version --language=1041 "$build/ui/noralim.exe" | iconv -f UTF-16LE -t UTF-8 -c \
  | tr -c '[:print:]' ' ' | grep -q "ProductVersion *$version " || { echo "no Japanese version record for $version" >&2; exit 1; }
wrestool --list --type=group_icon "$build/ui/noralim.exe" | grep -q . || { echo "no icon" >&2; exit 1; }

# The DLLs a PE file imports that are ours to ship (Qt's and the GCC
# runtime's), found in these folders; any other is Windows' own.
folders=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
shipped() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | while read -r dll; do
    for folder in "${folders[@]}"; do
      [ -f "$folder/$dll" ] && { echo "$folder/$dll"; break; }
    done
  done
}

echo "== the zip"
name="noralim-$version-win64"
stage="$build/$name"
rm -rf "$stage" "$build/$name.zip"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/printsupport"
cp "$build/ui/noralim.exe" "$build/cli/noralim-solve.exe" "$stage/"
# The plugins the window loads: the platform, the native style and the
# printers' support.
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/plugins/printsupport/windowsprintersupport.dll" "$stage/printsupport/"
cp LICENSE "$stage/LICENSE.txt"
cp samples/puzzles.txt "$stage/"
# Everything they import, and what that imports in turn.
todo=("$stage"/*.exe "$stage"/platforms/*.dll "$stage"/styles/*.dll "$stage"/printsupport/*.dll)
while [ ${#todo[@]} -gt 0 ]; do
  file="${todo[0]}"
  todo=("${todo[@]:1}")
  for dll in $(shipped "$file"); do
    if [ ! -f "$stage/$(basename "$dll")" ]; then
      cp "$dll" "$stage/"
      todo+=("$stage/$(basename "$dll")")
    fi
  done
done
# Debugging symbols stay behind: they are two thirds of the bytes.
find "$stage" \( -name "*.exe" -o -name "*.dll" \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
(cd "$build" && zip -qr "$name.zip" "$name")
unzip -l "$build/$name.zip"

echo "== the zip's programs under wine, with nothing but the zip"
check="$(mktemp -d)"
unzip -q "$build/$name.zip" -d "$check"
linux_solve
WINEPATH="" wine "$check/$name/noralim-solve.exe" "$check/$name/puzzles.txt" | cmp - <(build/cli/noralim-solve samples/puzzles.txt)
WINEPATH="" wine "$check/$name/noralim.exe" --version
rm -rf "$check"
echo "made $build/$name.zip"
