// FrmProgress: the modal progress of a full read or write. Cancel (or Escape) asks the session to
// stop; the session closes the dialog when it has ended.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
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

  // Escape and the close button of the title bar ask to stop, as Cancel does.
  void reject() override;

  // Called once when the user asks to stop.
  std::function<void()> onCancel;
  bool CancelAsked() const { return cancelAsked_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QProgressBar* bar_;
  QLabel* percent_;
  QPushButton* cancel_;
  bool finishing_ = false;
  bool cancelAsked_ = false;
  void AskCancel();
};

}  // namespace kt740
