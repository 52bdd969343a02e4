// What a successful read leaves behind: the decoded configuration, or the radio information.
#pragma once

#include <cstdint>

namespace kt740 {

struct ProgramState;
class LinkObserver;

// The configuration's model code from the code character of the identify reply ('7' is 7).
int16_t ModelCodeFromReport(int16_t reportedCode);

// Decode-all, the reported model code, the band limits, the untitled "new.dat", the snapshot,
// the redraw.
void CompleteRead(ProgramState& state, LinkObserver& observer);

// Decodes the radio-information area and shows it; the block records stay as they are.
void CompleteInfoRead(ProgramState& state, LinkObserver& observer);

}  // namespace kt740
