#pragma once

// The editor's colours. Kestrix.uidesc names the same values in its colour
// table, so images and vector-drawn views stay in one palette.
struct Rgb
{
    double r;
    double g;
    double b;
};

constexpr Rgb rgb(unsigned hex)
{
    return {((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0, (hex & 0xff) / 255.0};
}

namespace palette
{
constexpr Rgb backgroundTop = rgb(0x1a1d22);
constexpr Rgb backgroundBottom = rgb(0x101215);
constexpr Rgb headerTop = rgb(0x2a2f36);
constexpr Rgb headerBottom = rgb(0x1c2025);
constexpr Rgb panelTop = rgb(0x272c33);
constexpr Rgb panelBottom = rgb(0x1f2329);
constexpr Rgb panelTitle = rgb(0x2e343c);
constexpr Rgb panelBorder = rgb(0x3a414b);
constexpr Rgb shadow = rgb(0x07080a);
constexpr Rgb groove = rgb(0x0c0e11);
constexpr Rgb padBottom = rgb(0x161a1f);
constexpr Rgb tickDim = rgb(0x454d58);
constexpr Rgb accent = rgb(0xf2a33a);
constexpr Rgb accentDeep = rgb(0xa8661a);
constexpr Rgb text = rgb(0xdfe3e8);
constexpr Rgb textDim = rgb(0x8b95a1);
constexpr Rgb metalLight = rgb(0x5a626d);
constexpr Rgb metalDark = rgb(0x22272d);
constexpr Rgb capLight = rgb(0x3c434c);
constexpr Rgb capDark = rgb(0x272c33);
} // namespace palette
