#include "painters.h"

#include "palette.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
constexpr double kPi = 3.14159265358979323846;

void setColour(cairo_t* cr, const Rgb& c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void addStop(cairo_pattern_t* p, double offset, const Rgb& c, double alpha = 1.0)
{
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2.0, h / 2.0});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2.0, 0.0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0.0, kPi / 2.0);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2.0, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void fillVertical(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0.0, y0, 0.0, y1);
    addStop(p, 0.0, top);
    addStop(p, 1.0, bottom);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

// Knob angles are measured clockwise from twelve o'clock, in degrees.
double toCairo(double knobDegrees)
{
    return (knobDegrees - 90.0) * kPi / 180.0;
}

void pointAt(double cx, double cy, double radius, double knobDegrees, double& x, double& y)
{
    const double a = toCairo(knobDegrees);
    x = cx + radius * std::cos(a);
    y = cy + radius * std::sin(a);
}

// The knob cap shared by continuous knobs and selectors: shadow, metal body,
// rim and pointer.
void paintKnobCap(cairo_t* cr, double cx, double cy, double r, double pointerDegrees,
                  const Rgb& pointer)
{
    cairo_arc(cr, cx, cy + 1.5, r + 1.0, 0.0, 2.0 * kPi);
    setColour(cr, palette::shadow, 0.7);
    cairo_fill(cr);

    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * kPi);
    cairo_pattern_t* body =
        cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.45, r * 0.1, cx, cy, r * 1.05);
    addStop(body, 0.0, palette::metalLight);
    addStop(body, 1.0, palette::metalDark);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    setColour(cr, palette::groove);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    cairo_arc(cr, cx, cy, r - 1.5, toCairo(-70.0), toCairo(70.0));
    setColour(cr, palette::text, 0.12);
    cairo_stroke(cr);

    double x0, y0, x1, y1;
    pointAt(cx, cy, r * 0.3, pointerDegrees, x0, y0);
    pointAt(cx, cy, r * 0.82, pointerDegrees, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, std::max(2.0, r * 0.14));
    setColour(cr, pointer);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

// Selector detents: spread 60 degrees apart, never wider than the usual
// 270-degree sweep, centred on twelve o'clock.
double detentAngle(int index, int count)
{
    if (count < 2)
        return 0.0;
    const double span = std::min(270.0, 60.0 * (count - 1));
    return -span / 2.0 + span * index / (count - 1);
}

// A fixed pseudo-random sequence, so every build writes identical images.
std::uint32_t nextNoise(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

void paintScrew(cairo_t* cr, double cx, double cy)
{
    cairo_arc(cr, cx, cy, 4.0, 0.0, 2.0 * kPi);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - 1.5, cy - 1.5, 0.5, cx, cy, 4.5);
    addStop(p, 0.0, palette::metalLight);
    addStop(p, 1.0, palette::metalDark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, palette::groove);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 2.5, cy + 1.0);
    cairo_line_to(cr, cx + 2.5, cy - 1.0);
    setColour(cr, palette::groove, 0.9);
    cairo_stroke(cr);
}
} // namespace

void paintContinuousKnob(cairo_t* cr, const FrameArea& area)
{
    const double value = area.frames > 1 ? double(area.frame) / (area.frames - 1) : 0.0;
    const double cx = area.w / 2.0;
    const double cy = area.h / 2.0;
    const double ring = area.w / 2.0 - 3.5;
    const double start = -135.0;
    const double angle = start + 270.0 * value;

    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3.0);
    setColour(cr, palette::groove);
    cairo_arc(cr, cx, cy, ring, toCairo(start), toCairo(135.0));
    cairo_stroke(cr);
    if (value > 0.0)
    {
        setColour(cr, palette::accent);
        cairo_arc(cr, cx, cy, ring, toCairo(start), toCairo(angle));
        cairo_stroke(cr);
    }
    paintKnobCap(cr, cx, cy, area.w / 2.0 - 8.5, angle, palette::text);
}

void paintSwitchKnob(cairo_t* cr, const FrameArea& area)
{
    const double cx = area.w / 2.0;
    const double cy = area.h / 2.0;
    const double ring = area.w / 2.0 - 3.5;
    for (int i = 0; i < area.frames; ++i)
    {
        double x, y;
        pointAt(cx, cy, ring, detentAngle(i, area.frames), x, y);
        cairo_arc(cr, x, y, i == area.frame ? 2.4 : 1.8, 0.0, 2.0 * kPi);
        setColour(cr, i == area.frame ? palette::accent : palette::tickDim);
        cairo_fill(cr);
    }
    paintKnobCap(cr, cx, cy, area.w / 2.0 - 8.5, detentAngle(area.frame, area.frames),
                 palette::accent);
}

void paintToggle(cairo_t* cr, const FrameArea& area)
{
    const bool on = area.frame > 0;
    const double r = (area.h - 4.0) / 2.0;
    roundedRect(cr, 2.0, 2.0, area.w - 4.0, area.h - 4.0, r);
    if (on)
        fillVertical(cr, 2.0, area.h - 2.0, palette::accent, palette::accentDeep);
    else
        fillVertical(cr, 2.0, area.h - 2.0, palette::groove, palette::panelBottom);
    setColour(cr, on ? palette::accentDeep : palette::panelBorder);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    const double thumbX = on ? area.w - 2.0 - r : 2.0 + r;
    const double cy = area.h / 2.0;
    cairo_arc(cr, thumbX, cy + 1.0, r - 1.5, 0.0, 2.0 * kPi);
    setColour(cr, palette::shadow, 0.6);
    cairo_fill(cr);
    cairo_arc(cr, thumbX, cy, r - 2.0, 0.0, 2.0 * kPi);
    cairo_pattern_t* p = cairo_pattern_create_radial(thumbX - 2.0, cy - 3.0, 0.5, thumbX, cy, r);
    addStop(p, 0.0, on ? palette::text : palette::metalLight);
    addStop(p, 1.0, on ? palette::textDim : palette::metalDark);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void paintKickButton(cairo_t* cr, const FrameArea& area)
{
    const bool pressed = area.frame > 0;
    roundedRect(cr, 1.5, 1.5, area.w - 3.0, area.h - 3.0, 4.0);
    if (pressed)
        fillVertical(cr, 1.5, area.h - 1.5, palette::groove, palette::panelBottom);
    else
        fillVertical(cr, 1.5, area.h - 1.5, palette::capLight, palette::capDark);
    setColour(cr, pressed ? palette::accentDeep : palette::groove);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    if (!pressed)
    {
        cairo_move_to(cr, 5.0, 2.5);
        cairo_line_to(cr, area.w - 5.0, 2.5);
        setColour(cr, palette::text, 0.15);
        cairo_stroke(cr);
    }

    const double cx = area.w / 2.0;
    const double cy = area.h / 2.0 + (pressed ? 0.5 : 0.0);
    if (pressed)
    {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 1.0, cx, cy, 11.0);
        addStop(glow, 0.0, palette::accent, 0.55);
        addStop(glow, 1.0, palette::accent, 0.0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, cx, cy, 11.0, 0.0, 2.0 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    cairo_arc(cr, cx, cy, 4.0, 0.0, 2.0 * kPi);
    setColour(cr, pressed ? palette::accent : palette::groove);
    cairo_fill_preserve(cr);
    setColour(cr, pressed ? palette::text : palette::tickDim, pressed ? 0.6 : 1.0);
    cairo_stroke(cr);
}

void paintSliderTrack(cairo_t* cr, const FrameArea& area)
{
    const double cx = area.w / 2.0;
    const double margin = 8.0;
    const int ticks = 9;
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < ticks; ++i)
    {
        const double y = std::round(margin + (area.h - 2.0 * margin) * i / (ticks - 1)) + 0.5;
        const double len = (i % 4 == 0) ? 6.0 : 3.5;
        setColour(cr, i % 4 == 0 ? palette::textDim : palette::tickDim);
        cairo_move_to(cr, 1.0, y);
        cairo_line_to(cr, 1.0 + len, y);
        cairo_move_to(cr, area.w - 1.0 - len, y);
        cairo_line_to(cr, area.w - 1.0, y);
        cairo_stroke(cr);
    }
    roundedRect(cr, cx - 3.0, margin - 3.0, 6.0, area.h - 2.0 * margin + 6.0, 3.0);
    setColour(cr, palette::groove);
    cairo_fill_preserve(cr);
    setColour(cr, palette::text, 0.08);
    cairo_stroke(cr);
}

void paintSliderHandle(cairo_t* cr, const FrameArea& area)
{
    roundedRect(cr, 2.0, 1.5, area.w - 4.0, area.h - 3.0, 3.0);
    setColour(cr, palette::shadow, 0.6);
    cairo_fill(cr);
    roundedRect(cr, 2.0, 0.5, area.w - 4.0, area.h - 3.0, 3.0);
    fillVertical(cr, 0.5, area.h - 2.5, palette::metalLight, palette::metalDark);
    setColour(cr, palette::groove);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    const double y = std::round((area.h - 2.0) / 2.0) + 0.5;
    cairo_move_to(cr, 5.0, y);
    cairo_line_to(cr, area.w - 5.0, y);
    setColour(cr, palette::accent);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

void paintPadGrid(cairo_t* cr, const FrameArea& area, double inset)
{
    roundedRect(cr, 0.5, 0.5, area.w - 1.0, area.h - 1.0, 8.0);
    fillVertical(cr, 0.0, area.h, palette::groove, palette::padBottom);
    setColour(cr, palette::panelBorder);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    const int divisions = 8;
    const double w = area.w - 2.0 * inset;
    const double h = area.h - 2.0 * inset;
    for (int i = 0; i <= divisions; ++i)
    {
        const bool centre = i == divisions / 2;
        setColour(cr, centre ? palette::tickDim : palette::panelTitle, centre ? 1.0 : 0.8);
        const double x = std::round(inset + w * i / divisions) + 0.5;
        const double y = std::round(inset + h * i / divisions) + 0.5;
        cairo_move_to(cr, x, inset);
        cairo_line_to(cr, x, inset + h);
        cairo_move_to(cr, inset, y);
        cairo_line_to(cr, inset + w, y);
        cairo_stroke(cr);
    }
}

void paintPanel(cairo_t* cr, const FrameArea& area, double titleHeight)
{
    roundedRect(cr, 0.5, 0.5, area.w - 1.0, area.h - 1.0, 6.0);
    fillVertical(cr, 0.0, area.h, palette::panelTop, palette::panelBottom);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    if (titleHeight > 0.0)
    {
        cairo_rectangle(cr, 0.0, 0.0, area.w, titleHeight);
        setColour(cr, palette::panelTitle);
        cairo_fill(cr);
        cairo_move_to(cr, 0.0, titleHeight - 0.5);
        cairo_line_to(cr, area.w, titleHeight - 0.5);
        setColour(cr, palette::groove);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_move_to(cr, 10.0, titleHeight - 0.5);
        cairo_line_to(cr, 34.0, titleHeight - 0.5);
        setColour(cr, palette::accent);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    setColour(cr, palette::panelBorder);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, 6.0, 1.5);
    cairo_line_to(cr, area.w - 6.0, 1.5);
    setColour(cr, palette::text, 0.06);
    cairo_stroke(cr);
}

void paintBackground(cairo_t* cr, const FrameArea& area, double headerHeight)
{
    cairo_rectangle(cr, 0.0, 0.0, area.w, area.h);
    fillVertical(cr, 0.0, area.h, palette::backgroundTop, palette::backgroundBottom);
    cairo_new_path(cr);

    // A faint fixed grain keeps large flat areas from banding.
    std::uint32_t state = 0x6b657374u;
    for (int i = 0; i < int(area.w * area.h / 6.0); ++i)
    {
        const double x = nextNoise(state) % int(area.w);
        const double y = nextNoise(state) % int(area.h);
        const bool light = (nextNoise(state) & 1u) != 0u;
        cairo_rectangle(cr, x, y, 1.0, 1.0);
        cairo_set_source_rgba(cr, light ? 1.0 : 0.0, light ? 1.0 : 0.0, light ? 1.0 : 0.0, 0.018);
        cairo_fill(cr);
    }

    cairo_rectangle(cr, 0.0, 0.0, area.w, headerHeight);
    fillVertical(cr, 0.0, headerHeight, palette::headerTop, palette::headerBottom);
    cairo_new_path(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 0.0, headerHeight - 0.5);
    cairo_line_to(cr, area.w, headerHeight - 0.5);
    setColour(cr, palette::groove);
    cairo_stroke(cr);
    cairo_move_to(cr, 0.0, 0.5);
    cairo_line_to(cr, area.w, 0.5);
    setColour(cr, palette::text, 0.08);
    cairo_stroke(cr);

    paintScrew(cr, 10.0, headerHeight / 2.0);
    paintScrew(cr, area.w - 10.0, headerHeight / 2.0);
    paintScrew(cr, 10.0, area.h - 10.0);
    paintScrew(cr, area.w - 10.0, area.h - 10.0);
}
