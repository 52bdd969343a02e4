// The desktop application's Notifier: every message and question as a QMessageBox.
#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>

#include "core/notifier.h"

class QMessageBox;
class QWidget;

namespace kt740 {

class QtNotifier : public Notifier {
 public:
  explicit QtNotifier(QString title = QStringLiteral("KT_740")) : title_(std::move(title)) {}

  // The window the boxes are modal over; none is fine (application-modal).
  void SetParent(QWidget* parent) { parent_ = parent; }
  // The language of the button captions: 1 English, 2 Chinese, read at each box.
  void SetLanguage(const int16_t* languageId) { languageId_ = languageId; }

  void Message(const std::string& text, Icon icon) override;
  Answer Ask(const std::string& text, Buttons buttons, Icon icon) override;

  // The box a question or message shows, not yet shown.
  std::unique_ptr<QMessageBox> MakeBox(const std::string& text, Buttons buttons, Icon icon) const;

 private:
  QString title_;
  QPointer<QWidget> parent_;
  const int16_t* languageId_ = nullptr;
};

}  // namespace kt740
