#include "utf8_text.h"

namespace VSTGUI
{
namespace
{
void appendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80)
    {
        out += static_cast<char>(c);
    }
    else if (c < 0x800)
    {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
    else
    {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

bool isHigh(char32_t c)
{
    return c >= 0xd800 && c < 0xdc00;
}

bool isLow(char32_t c)
{
    return c >= 0xdc00 && c < 0xe000;
}
} // namespace

std::string utf16ToUtf8(const Steinberg::char16* text)
{
    std::string out;
    if (!text)
        return out;
    for (; *text; ++text)
    {
        char32_t c = static_cast<char16_t>(*text);
        if (isHigh(c) && isLow(static_cast<char16_t>(text[1])))
        {
            c = 0x10000 + ((c - 0xd800) << 10) + (static_cast<char16_t>(text[1]) - 0xdc00);
            ++text;
        }
        else if (isHigh(c) || isLow(c))
        {
            c = 0xfffd;
        }
        appendCodePoint(out, c);
    }
    return out;
}
} // namespace VSTGUI
