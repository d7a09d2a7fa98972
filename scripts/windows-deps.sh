#!/bin/bash
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# The libraries the Windows build needs, built for 64-bit Windows with
# MinGW-w64 into one prefix outside the repository: GoogleTest from Debian's
# sources (the googletest package) and the JSON headers (nlohmann-json3-dev,
# header-only, copied). Reused when already there.
#
#   scripts/windows-deps.sh [PREFIX]     # default: $NORALIM_WINDOWS_PREFIX,
#                                        # else ~/.cache/noralim/windows
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=scripts/windows-env.sh
. scripts/windows-env.sh
NORALIM_WINDOWS_PREFIX="${1:-${NORALIM_WINDOWS_PREFIX:-}}"
windows_prefix
prefix="$NORALIM_WINDOWS_PREFIX"
scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 googletest

if [ ! -f "$prefix/share/cmake/nlohmann_json/nlohmann_jsonConfig.cmake" ]; then
  echo "== JSON headers into $prefix"
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  cp -r /usr/include/nlohmann "$prefix/include/"
  cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
fi

if [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows into $prefix"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  cmake -S /usr/src/googletest -B "$work" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DNORALIM_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_GMOCK=OFF >/dev/null
  cmake --build "$work" -j2 >/dev/null
  cmake --install "$work" >/dev/null
fi
echo "Windows libraries in $prefix"
