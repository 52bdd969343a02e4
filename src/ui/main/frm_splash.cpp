#include "ui/main/frm_splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace kt740 {

QString FrmSplash::PictureName(int languageId) {
  return languageId == 2 ? QStringLiteral("StartC.jpg") : QStringLiteral("StartE.jpg");
}

FrmSplash::FrmSplash(const QString& picturePath, std::function<void()> done, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      done_(std::move(done)),
      timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  hasPicture_ = picture_.load(picturePath);
  const QSize size = hasPicture_ ? picture_.size() : QSize(480, 300);
  setFixedSize(size);
  if (const QScreen* s = QGuiApplication::primaryScreen())
    move(s->availableGeometry().center() - rect().center());
  setCursor(Qt::PointingHandCursor);
  timer_->setSingleShot(true);
  timer_->setInterval(kShowMilliseconds);
  connect(timer_, &QTimer::timeout, this, &FrmSplash::Finish);
  timer_->start();
}

void FrmSplash::Finish() {
  timer_->stop();
  if (!done_) return;
  auto done = std::move(done_);
  done_ = nullptr;
  // The main window shows before the splash closes, so the application never runs out of windows.
  done();
  close();
}

void FrmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (hasPicture_) {
    p.drawPixmap(0, 0, picture_);
    return;
  }
  p.fillRect(rect(), QColor(16, 40, 72));
  p.setPen(Qt::white);
  QFont f = font();
  f.setPointSize(32);
  f.setBold(true);
  p.setFont(f);
  p.drawText(rect(), Qt::AlignCenter, QStringLiteral("KT-740"));
}

void FrmSplash::mousePressEvent(QMouseEvent*) {
  Finish();
}

}  // namespace kt740
