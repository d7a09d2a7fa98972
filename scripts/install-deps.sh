#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Installs the Debian packages Noralim needs to build, test, run and package
# (python3-cram for the command-line cases, GNU parallel for the one that
# splits a file over processes, poppler-utils for those that read a PDF
# back, pybind11, Python's headers, numpy, pytest and Dask's distributed for
# the Python module and its tests, dpkg-dev and file for cpack -G DEB), and
# any packages named as arguments (developer tools such as gcovr),
# when any is missing. Uses sudo unless run as root.
set -eu

packages="cmake make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev fonts-ipafont-gothic xvfb xauth
  python3-cram parallel poppler-utils pybind11-dev python3-dev python3-numpy python3-pytest python3-distributed
  dpkg-dev file $*"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$missing"
$sudo apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
