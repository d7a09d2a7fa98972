// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim: the window.
#include <QApplication>
#include <QIcon>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "noralim/version.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace {

// Writes text to standard output; a write error is reported, exit status 2.
int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
  std::fprintf(stderr, "noralim: write error: %s\n", std::strerror(errno));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace noralim::ui;
  // Read before the toolkit starts, so that these need no display.
  const StartupCommand command = ParseStartup(std::vector<std::string>(argv + 1, argv + argc));
  if (std::holds_alternative<ShowHelp>(command)) return Print(kWindowUsage);
  if (std::holds_alternative<ShowVersion>(command)) {
    return Print(std::string("noralim ") + noralim::kVersion + "\n" + noralim::kCopyright + "\nLicence: " +
                 noralim::kLicence + "\n");
  }
  if (const auto* error = std::get_if<StartupError>(&command)) {
    std::fprintf(stderr, "%s\n", error->message.c_str());
    return 2;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Noralim"));
  QApplication::setApplicationVersion(QString::fromLatin1(noralim::kVersion));
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/noralim-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/noralim-32.png"), QSize(32, 32));
  QApplication::setWindowIcon(icon);
  const std::unique_ptr<Form1> form = OpenForm(std::get<OpenWindow>(command));
  return QApplication::exec();
}
