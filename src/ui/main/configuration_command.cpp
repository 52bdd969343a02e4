#include "ui/main/configuration_command.h"

#include <algorithm>

#include "program/band_text.h"
#include "program/program_state.h"

namespace kt740 {

bool SameConfiguration(const Configuration& a, const Configuration& b) {
  if (!(a.settings == b.settings) || a.channels.ChannelCount != b.channels.ChannelCount) return false;
  const auto count = static_cast<std::ptrdiff_t>(std::clamp(a.channels.ChannelCount, 0, kChannelSlots));
  return std::equal(a.channels.records.begin(), a.channels.records.begin() + count,
                    b.channels.records.begin());
}

ConfigurationCommand::ConfigurationCommand(const QString& name, ProgramState& state, Configuration before,
                                           Configuration after, std::function<void()> show)
    : QUndoCommand(name),
      state_(state),
      before_(std::move(before)),
      after_(std::move(after)),
      show_(std::move(show)) {}

void ConfigurationCommand::undo() {
  Put(before_);
}

void ConfigurationCommand::redo() {
  Put(after_);
}

void ConfigurationCommand::Put(const Configuration& configuration) {
  state_.current = configuration;
  // The band limits travel with the configuration; every frequency check uses the working copy.
  ApplyBandLimits(state_.app, configuration.settings.Bands);
  if (show_) show_();
}

}  // namespace kt740
