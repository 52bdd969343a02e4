// The desktop application's Notifier: every message and question as a QMessageBox.
#pragma once

#include <QPointer>
#include <QString>

#include "core/notifier.h"

class QWidget;

namespace kt740 {

class QtNotifier : public Notifier {
 public:
  explicit QtNotifier(QString title = QStringLiteral("KT_740")) : title_(std::move(title)) {}

  // The window the boxes are modal over; none is fine (application-modal).
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(const std::string& text, Icon icon) override;
  Answer Ask(const std::string& text, Buttons buttons, Icon icon) override;

 private:
  QString title_;
  QPointer<QWidget> parent_;
};

}  // namespace kt740
