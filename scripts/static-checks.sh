#!/bin/sh
# clang-tidy over every source file of the project and clang-format over
# every source and header; fails on any finding or formatting difference.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-tidy clang-format

build=build-tidy
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DNORALIM_BUILD_BENCH=ON >/dev/null
# Generated sources (moc, resources) must exist for the analysis.
cmake --build "$build" -j2 >/dev/null

files=$(git ls-files '*.cpp' '*.h')
status=0
# The fuzz targets build only with clang and libFuzzer, in their own tree.
echo "$files" | grep '\.cpp$' | grep -v '^fuzz/' |
  xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null || status=1
# shellcheck disable=SC2086
clang-format --dry-run -Werror $files || status=1
[ $status -eq 0 ] && echo "static checks: clean"
exit $status
