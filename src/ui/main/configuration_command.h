// One change of the configuration on the undo stack: the configuration before and after, so
// undo and redo give back exactly what was there.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "image/settings_record.h"

namespace kt740 {

struct ProgramState;

// Channel slots past ChannelCount hold nothing and are not compared.
bool SameConfiguration(const Configuration& a, const Configuration& b);

class ConfigurationCommand : public QUndoCommand {
 public:
  // show: the main window's redraw after the configuration was put back.
  ConfigurationCommand(const QString& name, ProgramState& state, Configuration before, Configuration after,
                       std::function<void()> show);

  void undo() override;
  void redo() override;

 private:
  void Put(const Configuration& configuration);

  ProgramState& state_;
  Configuration before_;
  Configuration after_;
  std::function<void()> show_;
};

}  // namespace kt740
