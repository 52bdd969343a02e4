// FrmLanguage: English or Chinese for the rest of the run (the choice is not stored).
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;

namespace kt740 {

class Texts;

class FrmLanguage : public QDialog {
  Q_OBJECT

 public:
  FrmLanguage(const Texts& texts, QWidget* parent = nullptr);

  // The language chosen: 1 English, 2 Chinese.
  int16_t LanguageId() const { return languageId_; }
  void accept() override;

 private:
  QComboBox* combo_;
  int16_t languageId_;
};

}  // namespace kt740
