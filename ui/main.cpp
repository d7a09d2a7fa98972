// noralim: the window.
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "form1.h"

namespace {

// The application icon: a 3 x 3 grid of boxes with one bold digit cell.
QPixmap GridIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 1));
  const int step = size / 3;
  for (int k = 0; k <= 3; ++k) {
    const int at = std::min(k * step, size - 1);
    painter.drawLine(at, 0, at, size - 1);
    painter.drawLine(0, at, size - 1, at);
  }
  painter.fillRect(step + 1, step + 1, step - 1, step - 1, QColor(0, 0, 160));
  return pixmap;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Noralim"));
  QApplication::setApplicationVersion(QStringLiteral("1.01"));
  QIcon icon;
  icon.addPixmap(GridIcon(16));
  icon.addPixmap(GridIcon(32));
  QApplication::setWindowIcon(icon);
  noralim::ui::Form1 form;
  form.show();
  return QApplication::exec();
}
