// The splash screen: the start-up picture for 2000 ms or until it is clicked, then the main
// window.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

class QTimer;

namespace kt740 {

class FrmSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 2000;

  // picturePath: StartE.jpg or StartC.jpg of the program folder; a missing picture gives a
  // plain panel with the product name. done runs once, when the splash closes.
  FrmSplash(const QString& picturePath, std::function<void()> done, QWidget* parent = nullptr);

  bool HasPicture() const { return hasPicture_; }
  // Stops the timer, closes the splash and opens the main window (at most once).
  void Finish();

  static QString PictureName(int languageId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool hasPicture_ = false;
  std::function<void()> done_;
  QTimer* timer_;
};

}  // namespace kt740
