#include "fixed_text.h"

#include <cstring>

namespace vst2
{

void copyFixedText(char* dest, std::size_t size, std::string_view text)
{
    if (!dest || size == 0)
        return;
    std::size_t length = text.size() < size ? text.size() : size - 1;
    if (length < text.size())
    {
        // Back off over continuation bytes (10xxxxxx) to the start of the cut character.
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(dest, text.data(), length);
    dest[length] = '\0';
}

std::string_view readFixedText(const char* text, std::size_t size)
{
    if (!text)
        return {};
    const void* end = std::memchr(text, '\0', size);
    return {text, end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : size};
}

} // namespace vst2
