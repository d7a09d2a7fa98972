# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

# Sourced by the Windows scripts, from the repository's root: the prefix of
# the libraries built for Windows, a wine of their own, and the Linux
# noralim-solve their output is compared with.

# Exports NORALIM_WINDOWS_PREFIX as an absolute folder, made if missing;
# ~/.cache/noralim/windows when it is unset or empty.
windows_prefix() {
  local prefix="${NORALIM_WINDOWS_PREFIX:-$HOME/.cache/noralim/windows}"
  mkdir -p "$prefix"
  NORALIM_WINDOWS_PREFIX="$(cd "$prefix" && pwd)"
  export NORALIM_WINDOWS_PREFIX
}

# A quiet wine of our own in the given folder, its server kept up between
# programs and stopped when the script ends. Started here, the server and
# the services the first program starts hold no test's output pipe open.
start_wine() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  echo "== wine prefix in $WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wineserver --wait
  wineserver --persistent=300
  wine cmd /c exit </dev/null >/dev/null 2>&1
  trap 'wineserver -k || true' EXIT
}

# The Linux noralim-solve, build/cli/noralim-solve, built when missing.
linux_solve() {
  [ -x build/cli/noralim-solve ] || { cmake -S . -B build && cmake --build build -j2 --target noralim-solve; }
}
