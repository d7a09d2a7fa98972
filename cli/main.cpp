// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim-solve: the headless solver.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/options.h"
#include "noralim/version.h"

int main(int argc, char** argv) {
  using namespace noralim::cli;
  // A reader that has gone (noralim-solve ... | head) ends the run quietly,
  // as for any filter, even when the parent started us with SIGPIPE ignored.
  std::signal(SIGPIPE, SIG_DFL);
  const Command command = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (std::holds_alternative<ShowHelp>(command)) {
    std::fputs(kUsage, stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
  }
  if (std::holds_alternative<ShowVersion>(command)) {
    std::printf("%s\n", noralim::kVersion);
    return std::fflush(stdout) == 0 ? 0 : 2;
  }
  if (const auto* error = std::get_if<UsageError>(&command)) {
    std::fprintf(stderr, "noralim-solve: %s\n%s", error->message.c_str(), kUsage);
    return 2;
  }
  return RunBatch(std::get<Options>(command), stdout, stderr);
}
