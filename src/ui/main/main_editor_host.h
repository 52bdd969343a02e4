// The main window's side of EditorHost: changes become steps on its undo stack.
#pragma once

#include <functional>

#include "ui/dialogs/editor_host.h"

class QUndoStack;

namespace kt740 {

class MainEditorHost : public EditorHost {
 public:
  using DialogRunner = std::function<int(QDialog&)>;

  // show: redraws the main window after the configuration changed.
  MainEditorHost(ProgramState& state, Notifier& notifier, QUndoStack& undo, QWidget* parent,
                 std::function<void()> show);

  const ProgramState& State() const override { return state_; }
  Texts CurrentTexts() const override;
  QWidget* Parent() const override { return parent_; }
  Notifier& Notify() override { return notifier_; }
  int Run(QDialog& dialog) override;
  bool Change(const QString& name, const std::function<void(ProgramState&)>& change) override;

  // Tests drive the dialogs instead of exec(); an empty runner restores exec().
  void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

 private:
  ProgramState& state_;
  Notifier& notifier_;
  QUndoStack& undo_;
  QWidget* parent_;
  std::function<void()> show_;
  DialogRunner runner_;
};

}  // namespace kt740
