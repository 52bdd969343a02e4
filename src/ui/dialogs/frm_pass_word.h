// FrmPassWord: the programming password of the radio, typed in advance or when a session asks.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace kt740 {

class Texts;

class FrmPassWord : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxLength = 4;

  // current: the password entered so far, shown in Text1.
  FrmPassWord(const Texts& texts, const std::string& current, QWidget* parent = nullptr);

  bool PasswordEntered() const { return entered_; }
  // Text1 with TrimText applied, as the radio's bytes are compared with it.
  const std::string& Password() const { return password_; }
  void accept() override;

 private:
  QLineEdit* text_;
  bool entered_ = false;
  std::string password_;
};

}  // namespace kt740
