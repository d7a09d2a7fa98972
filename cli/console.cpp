// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/console.h"

#include <atomic>
#include <csignal>
#include <initializer_list>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace noralim::cli {

namespace {

// Lock-free, and so safe to set from a signal handler.
std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int /*signal*/) { interrupted.store(true); }

}  // namespace

void CatchInterrupt() { std::signal(SIGINT, OnInterrupt); }

bool Interrupted() { return interrupted.load(); }

#ifdef _WIN32

namespace {

HANDLE ConsoleOf(std::FILE* stream) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0 ? handle : nullptr;
}

}  // namespace

void PrepareStandardStreams() {
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
  if (HANDLE console = ConsoleOf(stderr)) {
    DWORD mode = 0;
    GetConsoleMode(console, &mode);
    SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
  }
}

bool IsTerminal(std::FILE* stream) { return ConsoleOf(stream) != nullptr; }

#else

void PrepareStandardStreams() {
  // Even when the parent started us with SIGPIPE ignored.
  std::signal(SIGPIPE, SIG_DFL);
}

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }

#endif

}  // namespace noralim::cli
