// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/translation.h"

#include <QCoreApplication>
#include <QLocale>

namespace noralim::ui {

QTranslator& ProgramTranslator() {
  static QTranslator translator;
  static const bool loaded =
      translator.load(QLocale(), QStringLiteral("noralim"), QStringLiteral("_"), QStringLiteral(":/i18n"));
  static_cast<void>(loaded);  // no catalogue for the locale: the texts stay as written
  return translator;
}

QString Tr(const char* text) {
  // With an application object, through the translators installed in it.
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::translate("noralim", text);
  const QString translated = ProgramTranslator().translate("noralim", text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

}  // namespace noralim::ui
