// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim: the window.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "noralim/version.h"
#include "ui/form1.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
  using namespace noralim::ui;
  // Read before the toolkit starts, so that these need no display.
  const StartupCommand command = ParseStartup(std::vector<std::string>(argv + 1, argv + argc));
  if (std::holds_alternative<ShowHelp>(command)) {
    std::fputs(kWindowUsage, stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
  }
  if (std::holds_alternative<ShowVersion>(command)) {
    std::printf("%s\n", noralim::kVersion);
    return std::fflush(stdout) == 0 ? 0 : 2;
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
