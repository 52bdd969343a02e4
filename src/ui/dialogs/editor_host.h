// What an editor's opener gets from the main window: the configuration to copy from, the texts,
// the window to be modal over, and one way to change the configuration (one undoable step).
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace kt740 {

struct ProgramState;
class Notifier;
class Texts;

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // Read only: openers hand their dialogs copies of what they edit.
  virtual const ProgramState& State() const = 0;
  virtual Texts CurrentTexts() const = 0;
  virtual QWidget* Parent() const = 0;
  virtual Notifier& Notify() = 0;

  // Runs a dialog modally (exec); tests answer it instead.
  virtual int Run(QDialog& dialog) = 0;

  // Runs `change` on the program state. When the configuration differs afterwards, that is one
  // step on the undo stack named `name`, and the main window shows the new configuration.
  // Returns whether anything changed.
  virtual bool Change(const QString& name, const std::function<void(ProgramState&)>& change) = 0;
};

// The signature of every opener in the table of editors.
using EditorOpener = void (*)(EditorHost& host);

}  // namespace kt740
