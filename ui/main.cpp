// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim: the window.
#include <QApplication>
#include <QIcon>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "noralim/version.h"
#include "ui/form1.h"
#include "ui/startup.h"
#include "ui/translation.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <initializer_list>
#endif

namespace {

#ifdef _WIN32
// A window program on Windows starts with no console: its help, version and
// messages go to the console of the shell that started it, unless they were
// redirected to somewhere else.
void UseParentConsole() {
  const auto connected = [](std::FILE* stream) { return _fileno(stream) >= 0 && _get_osfhandle(_fileno(stream)) >= 0; };
  if (connected(stdout) && connected(stderr)) return;
  if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return;
  for (std::FILE* stream : {stdout, stderr}) {
    if (!connected(stream)) static_cast<void>(std::freopen("CONOUT$", "w", stream));
  }
}
#endif

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
#ifdef _WIN32
  UseParentConsole();
#endif
  // Read before the toolkit starts, so that these need no display.
  const StartupCommand command =
      ParseStartup(std::vector<std::string>(argv + 1, argv + argc), CellField::kMaxCharacters);
  if (const auto* stop = std::get_if<noralim::EarlyExit>(&command)) {
    if (std::holds_alternative<noralim::ShowHelp>(*stop)) return Print(Tr(kWindowUsage).toStdString());
    if (std::holds_alternative<noralim::ShowVersion>(*stop)) return Print(noralim::VersionText("noralim"));
    std::fprintf(stderr, "%s\n", UsageMessage(std::get<noralim::UsageError>(*stop)).c_str());
    return 2;
  }
  if (const auto* booklet = std::get_if<ExportBooklet>(&command)) {
    // Paper needs fonts but no display; the toolkit's notes about a desktop
    // session that is not there are nothing to a command writing a file.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    int offscreen_argc = 3;
    std::array<char*, 4> offscreen_argv = {argv[0], const_cast<char*>("-platform"), const_cast<char*>("offscreen"),
                                           nullptr};
    QGuiApplication app(offscreen_argc, offscreen_argv.data());
    QCoreApplication::installTranslator(&ProgramTranslator());
    return RunExport(*booklet, CellField::kMaxCharacters);
  }
  if (const auto* error = std::get_if<OperandError>(&command)) {
    std::fprintf(stderr, "%s\n", error->message.c_str());
    return 2;
  }
  const auto& open = std::get<OpenWindow>(command);
  if (const auto missing = MissingDisplay(open)) {
    std::fprintf(stderr, "%s\n", missing->c_str());
    return 2;
  }

  // The toolkit sees its own options only, each as it reads them.
  std::vector<std::string> toolkit_args = {argv[0]};
  toolkit_args.insert(toolkit_args.end(), open.toolkit_args.begin(), open.toolkit_args.end());
  std::vector<char*> toolkit_argv;
  toolkit_argv.reserve(toolkit_args.size() + 1);
  for (std::string& arg : toolkit_args) toolkit_argv.push_back(arg.data());
  toolkit_argv.push_back(nullptr);
  int toolkit_argc = static_cast<int>(toolkit_args.size());

  QuietFontFallbackNotes();
  QApplication app(toolkit_argc, toolkit_argv.data());
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
  const std::unique_ptr<Form1> form = OpenForm(open);
  return QApplication::exec();
}
