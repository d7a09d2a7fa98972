// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The file the window keeps its state in, written after every step of the
// history so that a window killed at any moment opens again as it was.
#pragma once

#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "ui/statecodec.h"

namespace noralim::ui {

class StateFile {
 public:
  // The file in the user's application data folder.
  static QString DefaultPath();

  explicit StateFile(QString path);
  // Writes the state still waiting, then stops the writer.
  ~StateFile();
  StateFile(const StateFile&) = delete;
  StateFile& operator=(const StateFile&) = delete;

  // The state the file holds, if any, and a notice for the user when the
  // file is there but cannot be read: it is then moved aside under a name of
  // its own, never deleted or written over. Until it could be moved, no
  // state is written.
  struct Read {
    std::optional<WindowState> state;
    QString notice;
  };
  Read Load();

  // Writes the state off the window's thread: the file holds either the old
  // state or this one whole (a new file put in its place). Of states given
  // faster than they are written, only the newest is written.
  void Save(WindowState state);

 private:
  void WriteLoop();
  // Moves an unreadable file aside: "state.json.unreadable", or with a
  // number when that name is taken. The new name, or empty when it failed.
  [[nodiscard]] QString MoveAside() const;

  QString path_;
  bool writable_ = true;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<WindowState> pending_;
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace noralim::ui
