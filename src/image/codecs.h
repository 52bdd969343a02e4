// Every block codec, on the records it moves and the memory image; none touches the disk or the
// program state. Encoders write into an image that ClearImage has prepared. Those that can fail
// trap their own failure, report "<name>Error" through the notifier and return false; the driver
// that runs them owns CommDataOK. Decoders never fail: bad stored values fall back to defaults.
#pragma once

#include <cstdint>

#include "image/embed_info.h"
#include "image/memory_image.h"
#include "image/settings_record.h"

namespace kt740 {

class Notifier;

void SetCommDataByKey(const KeyAssignments& keys, MemoryImage& image);
void SetCommDataByScan(const ScanSettings& scan, MemoryImage& image);
void SetCommDataByAlert(const AlertSettings& alert, MemoryImage& image);
// Recomputes Tone1DcsHigh and Tone2DcsHigh of the records, as the radio's layout derives them.
bool SetCommDataByFrequency(ChannelList& channels, const BandLimits& bands, MemoryImage& image,
                            Notifier& notifier);
bool SetCommDataByOption(const OptionSettings& option, const DtmfSettings& dtmf, MemoryImage& image,
                         Notifier& notifier);
bool SetCommDataBy5Tone(const FiveToneSettings& fiveTone, uint8_t decodeTime, MemoryImage& image,
                        Notifier& notifier);
bool SetCommDataBy2Tone(const TwoToneSettings& twoTone, MemoryImage& image, Notifier& notifier);
// Writes the own ID back into `dtmf` in the three-digit form the radio holds.
bool SetCommDataByDTMF(DtmfSettings& dtmf, MemoryImage& image, Notifier& notifier);
bool SetCommDataByDTMFCommuBook(const CommuBook& book, MemoryImage& image, Notifier& notifier);

// The channel block into the list (in Number order) and the band limits. The reset before it
// (ResetAllData) is the driver's.
void GetCommDataByFrequency(MemoryImage& image, BandLimits& bands, ChannelList& channels);
void GetCommDataByKey(const MemoryImage& image, KeyAssignments& keys);
void GetCommDataByScan(const MemoryImage& image, ScanSettings& scan);
void GetCommDataByAlert(const MemoryImage& image, AlertSettings& alert);
void GetCommDataByEmbedInfo(const MemoryImage& image, EmbedInfo& info);
void GetCommDataByOption(const MemoryImage& image, OptionSettings& option, DtmfSettings& dtmf);
void GetCommDataBy5Tone(const MemoryImage& image, FiveToneSettings& fiveTone, uint8_t& decodeTime);
void GetCommDataBy2Tone(const MemoryImage& image, TwoToneSettings& twoTone);
// Two repairs are made in the image itself.
void GetCommDataByDTMF(MemoryImage& image, DtmfSettings& dtmf);
void GetCommDataByDTMFCommuBook(const MemoryImage& image, CommuBook& book);

}  // namespace kt740
