#!/bin/bash
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Qt 6.4.2's Core, Gui, Widgets, PrintSupport and Test for 64-bit Windows, with the windows
# and offscreen platform plugins, cross-compiled with MinGW-w64 from Debian's
# qt6-base source, with Debian's Qt host tools (moc, rcc, uic) of the same
# version. Installs into PREFIX/qt6, outside the repository, and does nothing
# when that is already there. About a quarter of an hour on two cores.
#
#   scripts/windows-qt.sh [PREFIX]       # default: $NORALIM_WINDOWS_PREFIX,
#                                        # else ~/.cache/noralim/windows
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"

# shellcheck source=scripts/windows-env.sh
. scripts/windows-env.sh
NORALIM_WINDOWS_PREFIX="${1:-${NORALIM_WINDOWS_PREFIX:-}}"
windows_prefix
prefix="$NORALIM_WINDOWS_PREFIX"
if [ -f "$prefix/qt6/lib/cmake/Qt6PrintSupport/Qt6PrintSupportConfig.cmake" ]; then
  echo "Qt for Windows already in $prefix/qt6"
  exit 0
fi
version=6.4.2
scripts/install-deps.sh g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev ninja-build xz-utils

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
sources="$prefix/src"
mkdir -p "$sources"
if ! ls "$sources"/qt6-base_"$version"*.dsc >/dev/null 2>&1; then
  echo "== Debian's qt6-base source"
  # The source of the very version installed: a deb-src entry for the same
  # archive, when there is none yet.
  # shellcheck disable=SC2016  # $(CREATED_BY) is apt's field, not the shell's
  if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed -n '/^Types: deb$/,/^$/p' /etc/apt/sources.list.d/debian.sources | sed '1s/^Types: deb$/Types: deb-src/' |
        $sudo tee /etc/apt/sources.list.d/noralim-deb-src.sources >/dev/null
    else
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $sudo tee /etc/apt/sources.list.d/noralim-deb-src.list >/dev/null
    fi
    $sudo apt-get update
  fi
  (cd "$sources" && apt-get source --download-only qt6-base="$(dpkg-query -W -f='${Version}' qt6-base-dev)")
fi
tree="$(find "$sources" -maxdepth 1 -type d -name "qt6-base-$version*" | head -1)"
if [ -z "$tree" ]; then
  (cd "$sources" && dpkg-source -x qt6-base_"$version"*.dsc)
  tree="$(find "$sources" -maxdepth 1 -type d -name "qt6-base-$version*" | head -1)"
fi

echo "== configure Qt $version for Windows"
# Without tablet events: Debian's source leaves out the Wintab header that
# the Windows plugin's tablet support needs.
build="$prefix/qt6-build"
cmake -S "$tree" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DNORALIM_WINDOWS_PREFIX="$prefix" -DNORALIM_STATIC_RUNTIME=OFF \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix/qt6" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_printsupport=ON -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
  -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON \
  -DFEATURE_tabletevent=OFF

echo "== build Qt $version for Windows (long)"
start=$(date +%s)
cmake --build "$build" --parallel 2
cmake --install "$build"
echo "Qt for Windows in $prefix/qt6, built in $(( ($(date +%s) - start) / 60 )) min"
