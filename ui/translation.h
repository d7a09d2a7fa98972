// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window program's own texts in the user's language, from the catalogues
// built into the program (ui/i18n/noralim_*.ts). The system's own texts,
// "Noralim", "Calc" and "Clear", are never translated.
#pragma once

#include <QString>
#include <QTranslator>

namespace noralim::ui {

// The catalogue for the system locale, loaded on first use; empty where
// there is none. Works before the toolkit's application object exists, so
// --help and the usage messages come translated; installed in the
// application once there is one, for the window's tr().
QTranslator& ProgramTranslator();

// The translation of a text marked QT_TRANSLATE_NOOP("noralim", ...): by the
// application's translators once there is an application object, by
// ProgramTranslator before.
QString Tr(const char* text);

}  // namespace noralim::ui
