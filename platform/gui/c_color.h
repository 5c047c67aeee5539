#pragma once

#include <cstdint>

namespace VSTGUI
{

// An 8-bit-per-channel colour with alpha (255 = opaque).
struct CColor
{
    uint8_t red{0};
    uint8_t green{0};
    uint8_t blue{0};
    uint8_t alpha{255};

    constexpr CColor() = default;
    constexpr CColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255)
        : red(r), green(g), blue(b), alpha(a)
    {
    }
    bool operator==(const CColor& o) const
    {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    bool operator!=(const CColor& o) const { return !(*this == o); }
};

constexpr CColor MakeCColor(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255)
{
    return CColor(r, g, b, a);
}

inline constexpr CColor kTransparentCColor{255, 255, 255, 0};
inline constexpr CColor kBlackCColor{0, 0, 0, 255};
inline constexpr CColor kWhiteCColor{255, 255, 255, 255};
inline constexpr CColor kGreyCColor{127, 127, 127, 255};
inline constexpr CColor kRedCColor{255, 0, 0, 255};
inline constexpr CColor kGreenCColor{0, 255, 0, 255};
inline constexpr CColor kBlueCColor{0, 0, 255, 255};
inline constexpr CColor kYellowCColor{255, 255, 0, 255};
inline constexpr CColor kCyanCColor{0, 255, 255, 255};
inline constexpr CColor kMagentaCColor{255, 0, 255, 255};

} // namespace VSTGUI
