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
#include "ui/translation.h"

namespace {

// Writes text to standard output; a write error is reported, exit status 2.
int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
  const QString message = noralim::ui::Tr(QT_TRANSLATE_NOOP("noralim", "noralim: write error: %1"))
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
  std::fprintf(stderr, "%s\n", message.toStdString().c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace noralim::ui;
  // Read before the toolkit starts, so that these need no display.
  const StartupCommand command = ParseStartup(std::vector<std::string>(argv + 1, argv + argc));
  if (std::holds_alternative<ShowHelp>(command)) return Print(Tr(kWindowUsage).toStdString());
  if (std::holds_alternative<ShowVersion>(command)) {
    return Print(std::string("noralim ") + noralim::kVersion + "\n" + noralim::kCopyright +
                 "\nLicence: " + noralim::kLicence + "\n");
  }
  if (const auto* error = std::get_if<StartupError>(&command)) {
    std::fprintf(stderr, "%s\n", error->message.c_str());
    return 2;
  }

  QApplication app(argc, argv);
  QCoreApplication::installTranslator(&ProgramTranslator());
  QApplication::setApplicationName(QStringLiteral("Noralim"));
  QApplication::setApplicationVersion(QString::fromLatin1(noralim::kVersion));
  // Names the desktop entry, so that a desktop shows the window under it.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.noralim.Noralim"));
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/noralim-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  const std::unique_ptr<Form1> form = OpenForm(std::get<OpenWindow>(command));
  return QApplication::exec();
}
