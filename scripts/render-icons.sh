#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Renders ui/icons/noralim.svg, the one source of the icons, to the PNG sizes
# the window and the desktop use. Run after changing the SVG and commit both.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh librsvg2-bin
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "ui/icons/noralim-$size.png" ui/icons/noralim.svg
done
