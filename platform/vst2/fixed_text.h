#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vst2
{

// Copies `text` into a host buffer of `size` bytes, always terminated. A cut
// never splits a UTF-8 sequence, so hosts never see half a character.
void copyFixedText(char* dest, std::size_t size, std::string_view text);

// Reads a host text of at most `size` bytes that may lack its terminator.
std::string_view readFixedText(const char* text, std::size_t size);

template <std::size_t N> std::string readFixedTextOf(const char (&text)[N])
{
    return std::string(readFixedText(text, N));
}

} // namespace vst2
