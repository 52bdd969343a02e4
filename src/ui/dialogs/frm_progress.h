// FrmProgress: the modal progress of a full read or write. It has no Cancel: the session ends it.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kt740 {

class Texts;

class FrmProgress : public QDialog {
  Q_OBJECT

 public:
  // write: the caption of a write, otherwise of a read.
  FrmProgress(const Texts& texts, bool write, QWidget* parent = nullptr);

  // 0..100: the bar and "<value>%".
  void SetProgressValue(int value);
  int Value() const;
  // Closes the dialog; the only way it closes.
  void Finish();

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QProgressBar* bar_;
  QLabel* percent_;
  bool finishing_ = false;
};

}  // namespace kt740
