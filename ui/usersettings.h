// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the window keeps between runs: an INI file in the user's
// configuration folder, also on Windows, rather than the registry.
#pragma once

#include <QSettings>

namespace noralim::ui {

inline QSettings UserSettings() {
  return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Noralim"), QStringLiteral("noralim")};
}

}  // namespace noralim::ui
