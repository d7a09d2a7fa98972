// noralim: the window.
#include <QApplication>
#include <QIcon>

#include "form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Noralim"));
  QApplication::setApplicationVersion(QStringLiteral("1.01"));
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/noralim-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/noralim-32.png"), QSize(32, 32));
  QApplication::setWindowIcon(icon);
  noralim::ui::Form1 form;
  form.show();
  return QApplication::exec();
}
