#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Builds and runs the tests with line coverage (the "coverage" CMake preset),
# writes the HTML report to build-coverage/coverage/index.html, prints the
# line coverage of each part, and fails when a part is below its floor.
set -eu
cd "$(dirname "$0")/.."

scripts/install-deps.sh gcovr

cmake --workflow --preset coverage

report=build-coverage/coverage
mkdir -p "$report"
gcovr --root . --object-directory build-coverage \
  --filter 'solver/' --filter 'boards/' --filter 'reader/' --filter 'batch/' --filter 'cli/' --filter 'ui/' \
  --filter 'python/' --exclude 'build-coverage/' \
  --exclude-unreachable-branches --html-details "$report/index.html" --print-summary

status=0
# part, floor in percent
for entry in solver:95 boards:95 reader:95 batch:95 cli:95 python:95 ui:85; do
  part=${entry%%:*}
  floor=${entry##*:}
  # The part's own text report goes next to the HTML one (gcovr replaces its
  # output file, so it must never be pointed at a device).
  percent=$(gcovr --root . --object-directory build-coverage --filter "$part/" --print-summary \
    --output "$report/$part.txt" 2>/dev/null | sed -n 's/^lines: \([0-9.]*\)%.*/\1/p')
  if awk "BEGIN { exit !($percent >= $floor) }"; then verdict=ok; else verdict="BELOW $floor%"; status=1; fi
  printf '%-7s %6s%% lines  %s\n' "$part/" "$percent" "$verdict"
done
exit $status
