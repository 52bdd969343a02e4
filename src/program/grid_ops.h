// The channel-list operations, reference repairs and row texts over the program state: the
// list is state.current.channels, the clipboard state.ChannelClipboard.
#pragma once

#include <functional>

#include "channels/channel_list_ops.h"
#include "channels/channel_row_text.h"

namespace kt740 {

struct ProgramState;
class Notifier;

void CopyChannel(ProgramState& state, bool skip, int number);
void CutChannel(ProgramState& state, bool skip, int number);
void PasteChannel(ProgramState& state, bool skip, int number);

void RepairChannelReferences(ProgramState& state);
// Then calls `redraw` (the main window's lists).
void RepairSignallingReferences(ProgramState& state, const std::function<void()>& redraw);
void RepairAlarmIdReference(ProgramState& state);

// Row texts in the program's language, with the working band limits.
ChannelRowLanguage LookUpChannelRowLanguage(const ProgramState& state);
ChannelRowTexts ChannelGridHeaders(const ProgramState& state);
ChannelRowTexts RenderChannelRow(const ProgramState& state, const ChannelRecord& r,
                                 const ChannelRowLanguage& texts, Notifier* notifier);

}  // namespace kt740
