// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/statefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

#include "ui/translation.h"

namespace noralim::ui {

namespace {

// A path as the user finds it, the home folder written "~": the notice names
// the folder without taking two lines for it.
QString ShownPath(const QString& path) {
  const QString home = QDir::homePath();
  if (!path.startsWith(home + QLatin1Char('/'))) return QDir::toNativeSeparators(path);
  return QStringLiteral("~") + QDir::toNativeSeparators(path.mid(home.size()));
}

}  // namespace

QString StateFile::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/state.json");
}

StateFile::StateFile(QString path) : path_(std::move(path)), writer_([this] { WriteLoop(); }) {}

StateFile::~StateFile() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

StateFile::Read StateFile::Load() {
  QFile file(path_);
  if (!file.exists()) return {};
  QString why;
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    auto decoded = DecodeState(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (auto* state = std::get_if<WindowState>(&decoded)) return {std::move(*state), {}};
    why = Tr(std::get<StateError>(decoded).what.c_str());
  } else {
    why = file.errorString();
  }
  file.close();
  const QString aside = MoveAside();
  writable_ = !aside.isEmpty();
  const QString notice =
      writable_
          ? Tr(QT_TRANSLATE_NOOP("noralim", "The last session could not be restored (%1); its file is kept as %2."))
                .arg(why, ShownPath(aside))
          : Tr(QT_TRANSLATE_NOOP("noralim", "The last session could not be restored (%1); nothing is saved.")).arg(why);
  return {std::nullopt, notice};
}

QString StateFile::MoveAside() const {
  for (int n = 1; n < 1000; ++n) {
    const QString aside = path_ + QStringLiteral(".unreadable") + (n == 1 ? QString() : QString::number(n));
    if (QFile::exists(aside)) continue;
    return QFile::rename(path_, aside) ? aside : QString();
  }
  return {};
}

void StateFile::Save(WindowState state) {
  if (!writable_) return;
  {
    const std::lock_guard lock(mutex_);
    pending_ = std::move(state);
  }
  wake_.notify_one();
}

void StateFile::WriteLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) return;
    const WindowState state = std::move(*std::exchange(pending_, std::nullopt));
    lock.unlock();
    const std::string text = EncodeState(state);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(text.data(), static_cast<qint64>(text.size()));
      file.commit();
    }
    lock.lock();
  }
}

}  // namespace noralim::ui
