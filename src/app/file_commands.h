// The file commands of the main window: New, Initial setup, Open, Save, Save As, with their
// questions, and the question about unsaved changes when the window closes.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kt740 {

struct ProgramState;
class Notifier;
class FileDialogs;

class FileCommands {
 public:
  struct View {
    QWidget* parent = nullptr;
    std::function<QString()> filter;             // the file dialog's filter
    std::function<void()> showList;              // ShowListByData
    std::function<void()> updateCaption;         // after the file name changed
    std::function<void()> replaced;              // a new configuration replaced the old one (New, Open)
    std::function<void(const QString&)> status;  // a short note in the status bar
  };

  FileCommands(ProgramState& state, Notifier& notifier, FileDialogs& dialogs, View view);

  void New();
  void InitialSetup();
  void Open();
  // True when the configuration was written.
  bool Save();
  bool SaveAs();
  // Unsaved changes: Yes saves (and keeps the window open when that fails or is cancelled),
  // No discards, Cancel keeps the window open.
  bool MayClose();
  // [MSG] 9001 when there are unsaved changes; Yes saves. Used by New, Initial setup and Read.
  // False when the command must stop: Cancel, or Yes with a save that failed or was cancelled
  // (going on would throw the changes away).
  bool OfferToSave();

 private:
  ProgramState& state_;
  Notifier& notifier_;
  void Saved();
  void Status(const QString& english, const QString& chinese) const;

  FileDialogs& dialogs_;
  View view_;
};

}  // namespace kt740
