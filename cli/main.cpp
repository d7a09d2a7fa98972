// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim-solve: the headless solver.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/console.h"
#include "cli/generate.h"
#include "cli/options.h"
#include "noralim/version.h"

namespace {

// Writes text to standard output; a write error is reported, exit status 2.
int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
  std::fprintf(stderr, "noralim-solve: write error: %s\n", std::strerror(errno));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace noralim::cli;
  PrepareStandardStreams();
  const Command command = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (const auto* options = std::get_if<Options>(&command)) {
    return options->generate > 0 ? RunGenerate(*options, stdout, stderr) : RunBatch(*options, stdout, stderr);
  }
  const auto& stop = std::get<noralim::EarlyExit>(command);
  if (std::holds_alternative<noralim::ShowHelp>(stop)) return Print(kUsage);
  if (std::holds_alternative<noralim::ShowVersion>(stop)) return Print(noralim::VersionText("noralim-solve"));
  std::fprintf(stderr, "noralim-solve: %s\nTry 'noralim-solve --help' for more information.\n",
               Describe(std::get<noralim::UsageError>(stop)).c_str());
  return 2;
}
