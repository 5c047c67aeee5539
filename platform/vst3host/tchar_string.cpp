#include "tchar_string.h"

#include <cstdint>

namespace vst3host
{

std::string toUtf8(const Steinberg::Vst::TChar* text)
{
    std::string out;
    if (!text)
        return out;
    for (size_t i = 0; text[i] != 0; ++i)
    {
        std::uint32_t c = static_cast<std::uint16_t>(text[i]);
        const auto next = static_cast<std::uint16_t>(text[i + 1]);
        if (c >= 0xD800 && c < 0xDC00 && next >= 0xDC00 && next < 0xE000)
        {
            c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        }
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0x800)
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000)
        {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void toString128(const std::string& text, Steinberg::Vst::String128 out)
{
    constexpr size_t capacity = 127;
    size_t n = 0;
    for (size_t i = 0; i < text.size() && n < capacity;)
    {
        const auto b = static_cast<unsigned char>(text[i]);
        std::uint32_t c = b;
        size_t length = 1;
        if (b >= 0xF0)
        {
            c = b & 0x07;
            length = 4;
        }
        else if (b >= 0xE0)
        {
            c = b & 0x0F;
            length = 3;
        }
        else if (b >= 0xC0)
        {
            c = b & 0x1F;
            length = 2;
        }
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (c >= 0x10000)
        {
            if (n + 2 > capacity)
                break;
            c -= 0x10000;
            out[n++] = static_cast<Steinberg::Vst::TChar>(0xD800 + (c >> 10));
            out[n++] = static_cast<Steinberg::Vst::TChar>(0xDC00 + (c & 0x3FF));
        }
        else
            out[n++] = static_cast<Steinberg::Vst::TChar>(c);
    }
    out[n] = 0;
}

} // namespace vst3host
