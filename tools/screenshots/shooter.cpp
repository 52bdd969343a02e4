#include "shooter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace kt740 {

void Shooter::Save(QWidget& w, const QString& name) {
  w.show();
  w.raise();
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
  const QString path = dir_ + QLatin1Char('/') + name + QStringLiteral(".png");
  const QPixmap shot = w.grab();
  if (!shot.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
  if (!name.startsWith(QStringLiteral("main-"))) sheet_.append(shot);
}

void Shooter::SaveSheet(const QString& name) {
  constexpr int kGap = 12, kPageWidth = 1200;
  int x = kGap, y = kGap, rowHeight = 0, height = kGap;
  QList<QPoint> at;
  for (const QPixmap& p : sheet_) {
    if (x + p.width() > kPageWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    at.append(QPoint(x, y));
    x += p.width() + kGap;
    rowHeight = std::max(rowHeight, p.height());
    height = y + rowHeight + kGap;
  }
  QImage page(kPageWidth, height, QImage::Format_RGB32);
  page.fill(QColor(90, 90, 90));
  QPainter painter(&page);
  for (int i = 0; i < sheet_.size(); ++i) painter.drawPixmap(at[i], sheet_[i]);
  painter.end();
  page.save(dir_ + QLatin1Char('/') + name + QStringLiteral(".png"));
  sheet_.clear();
}

}  // namespace kt740
