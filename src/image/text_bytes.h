// Fixed single-byte texts in the image: the codes the encoders write and the texts the decoders
// read back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/memory_image.h"

namespace kt740 {

// The Windows-1252 code of a record character; the five undefined bytes are a CodecFailure.
uint8_t TextByte(char c);

// size bytes at address: the codes of text's characters, then fill; text is cut at size.
void WriteTextBytes(MemoryImage& image, std::size_t address, std::string_view text, std::size_t size,
                    uint8_t fill);

// The characters of at most size bytes at address, stopping before the first 0x00 or 0xFF.
std::string ReadTextBytes(const MemoryImage& image, std::size_t address, std::size_t size);

}  // namespace kt740
