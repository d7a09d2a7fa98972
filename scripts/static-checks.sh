#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# clang-tidy over every source file of the project and clang-format over
# every source and header; fails on any finding or formatting difference.
# Says what it is doing as it goes: clang-tidy takes a while.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-tidy clang-format

build=build-tidy
echo "== static checks: configure and build $build (compile commands, generated sources)"
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DNORALIM_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 >/dev/null

files=$(git ls-files '*.cpp' '*.h')
# The fuzz targets build only with clang and libFuzzer, in their own tree.
sources=$(echo "$files" | grep '\.cpp$' | grep -v '^fuzz/')
status=0
echo "== static checks: clang-tidy on $(echo "$sources" | wc -l) files, two at a time"
# shellcheck disable=SC2016
echo "$sources" | xargs -P 2 -n 1 sh -c 'echo "clang-tidy $1"; clang-tidy -p "$0" --quiet "$1" 2>/dev/null' "$build" ||
  status=1
echo "== static checks: clang-format on $(echo "$files" | wc -l) files"
# shellcheck disable=SC2086
clang-format --dry-run -Werror $files || status=1
[ $status -eq 0 ] && echo "static checks: clean"
exit $status
