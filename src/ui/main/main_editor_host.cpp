#include "ui/main/main_editor_host.h"

#include <QDialog>
#include <QUndoStack>

#include "program/program_state.h"
#include "ui/common/texts.h"
#include "ui/main/configuration_command.h"

namespace kt740 {

MainEditorHost::MainEditorHost(ProgramState& state, Notifier& notifier, QUndoStack& undo, QWidget* parent,
                               std::function<void()> show)
    : state_(state), notifier_(notifier), undo_(undo), parent_(parent), show_(std::move(show)) {}

Texts MainEditorHost::CurrentTexts() const {
  return TextsFor(state_);
}

int MainEditorHost::Run(QDialog& dialog) {
  return runner_ ? runner_(dialog) : dialog.exec();
}

bool MainEditorHost::Change(const QString& name, const std::function<void(ProgramState&)>& change) {
  Configuration before = state_.current;
  change(state_);
  if (SameConfiguration(before, state_.current)) return false;
  // Pushing runs redo(), which puts the new configuration back in place and redraws.
  undo_.push(new ConfigurationCommand(name, state_, std::move(before), state_.current, show_));
  return true;
}

}  // namespace kt740
