#include "plot_painter.h"

#include "tool_error.h"

#include <algorithm>
#include <array>
#include <cairo.h>
#include <cmath>
#include <cstdio>
#include <fontconfig/fontconfig.h>

namespace render
{
namespace
{

constexpr int leftMargin = 86;
constexpr int rightMargin = 94; // room for the level scale
constexpr int imageWidth = leftMargin + PlotPainter::plotWidth + rightMargin;
constexpr int titleHeight = 70;
constexpr int waveHeight = 190;
constexpr int spectrumHeight = 260;
constexpr int gap = 34;
constexpr int axisHeight = 44;
constexpr int imageHeight =
    titleHeight + 2 * waveHeight + 2 * spectrumHeight + 4 * gap + axisHeight;
constexpr float floorDb = -110.0f;

struct Colour
{
    double r, g, b;
};

constexpr Colour background{0.075, 0.082, 0.102};
constexpr Colour panel{0.105, 0.114, 0.141};
constexpr Colour grid{0.22, 0.24, 0.29};
constexpr Colour text{0.86, 0.88, 0.92};
constexpr Colour dimText{0.58, 0.61, 0.68};
constexpr Colour inputColour{0.31, 0.76, 0.97};
constexpr Colour outputColour{1.0, 0.70, 0.30};

void setColour(cairo_t* cr, Colour c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

// A perceptually even dark-to-bright map (black, violet, red, orange, pale yellow).
Colour heat(double t)
{
    static constexpr std::array<Colour, 6> stops = {{{0.0, 0.0, 0.016},
                                                     {0.16, 0.04, 0.36},
                                                     {0.47, 0.11, 0.43},
                                                     {0.80, 0.26, 0.30},
                                                     {0.98, 0.56, 0.04},
                                                     {0.99, 0.99, 0.75}}};
    t = std::clamp(t, 0.0, 1.0) * (stops.size() - 1);
    const auto i = std::min(static_cast<size_t>(t), stops.size() - 2);
    const double f = t - static_cast<double>(i);
    const Colour& a = stops[i];
    const Colour& b = stops[i + 1];
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

void label(cairo_t* cr, double x, double y, const std::string& s, double size, Colour c,
           double alignX = 0.0)
{
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, s.c_str(), &extents);
    setColour(cr, c);
    cairo_move_to(cr, x - alignX * extents.x_advance, y);
    cairo_show_text(cr, s.c_str());
}

void panelBox(cairo_t* cr, double y, double height, const std::string& title)
{
    setColour(cr, panel);
    cairo_rectangle(cr, leftMargin, y, PlotPainter::plotWidth, height);
    cairo_fill(cr);
    label(cr, leftMargin, y - 8, title, 13, text);
}

// The tick spacing that gives at most a dozen ticks across `seconds`.
double timeStep(double seconds)
{
    const std::array<double, 14> steps = {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1,
                                          2,    5,    10,   30,  60,  300, 600};
    for (double s : steps)
        if (seconds / s <= 12)
            return s;
    return 3600;
}

void timeGrid(cairo_t* cr, const SignalOverview& o, double top, double height)
{
    const double seconds = static_cast<double>(o.totalFrames()) / o.sampleRate();
    if (seconds <= 0)
        return;
    const double step = timeStep(seconds);
    setColour(cr, grid, 0.8);
    cairo_set_line_width(cr, 1.0);
    for (double t = step; t < seconds; t += step)
    {
        const double x = std::round(leftMargin + t / seconds * PlotPainter::plotWidth) + 0.5;
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x, top + height);
    }
    cairo_stroke(cr);
}

void timeAxis(cairo_t* cr, const SignalOverview& o, double y)
{
    const double seconds = static_cast<double>(o.totalFrames()) / o.sampleRate();
    if (seconds <= 0)
        return;
    const double step = timeStep(seconds);
    for (double t = 0; t <= seconds + 1e-9; t += step)
    {
        char s[32];
        if (step >= 60)
            std::snprintf(s, sizeof s, "%d:%02d", static_cast<int>(t) / 60,
                          static_cast<int>(t) % 60);
        else
            std::snprintf(s, sizeof s, step < 1 ? "%.2f s" : "%.0f s", t);
        label(cr, leftMargin + t / seconds * PlotPainter::plotWidth, y, s, 11, dimText, 0.5);
    }
}

void waveform(cairo_t* cr, const SignalOverview& o, double top, Colour colour, const char* title)
{
    panelBox(cr, top, waveHeight, title);
    timeGrid(cr, o, top, waveHeight);
    const int lanes = o.channels();
    const double laneHeight = static_cast<double>(waveHeight) / lanes;
    for (int c = 0; c < lanes; ++c)
    {
        const double mid = top + laneHeight * (c + 0.5);
        const double scale = laneHeight * 0.46;
        setColour(cr, grid);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, leftMargin, std::round(mid) + 0.5);
        cairo_line_to(cr, leftMargin + PlotPainter::plotWidth, std::round(mid) + 0.5);
        cairo_stroke(cr);
        if (lanes == 2)
            label(cr, leftMargin - 10, mid + 4, c == 0 ? "L" : "R", 12, dimText, 1.0);

        // The min-max band of each column, clipped at full scale.
        const double xScale = static_cast<double>(PlotPainter::plotWidth) / o.columns();
        for (int x = 0; x < o.columns(); ++x)
        {
            const float lo = o.lowest(c, x);
            const float hi = o.highest(c, x);
            if (!(lo <= hi))
                continue;
            const double y0 = mid - std::clamp<double>(hi, -1.0, 1.0) * scale;
            const double y1 = mid - std::clamp<double>(lo, -1.0, 1.0) * scale;
            cairo_rectangle(cr, leftMargin + x * xScale, y0, std::max(xScale, 1.0),
                            std::max(y1 - y0, 1.0));
        }
        setColour(cr, colour, 0.9);
        cairo_fill(cr);
    }
}

void spectrogram(cairo_t* cr, const SignalOverview& o, double top, const char* title)
{
    panelBox(cr, top, spectrumHeight, title);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, o.columns(), o.rows());
    auto* pixels = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    cairo_surface_flush(image);
    for (int row = 0; row < o.rows(); ++row)
    {
        auto* line = reinterpret_cast<std::uint32_t*>(pixels + (o.rows() - 1 - row) * stride);
        for (int x = 0; x < o.columns(); ++x)
        {
            const Colour c = heat((o.level(x, row) - floorDb) / -floorDb);
            line[x] = (static_cast<std::uint32_t>(c.r * 255) << 16) |
                      (static_cast<std::uint32_t>(c.g * 255) << 8) |
                      static_cast<std::uint32_t>(c.b * 255);
        }
    }
    cairo_surface_mark_dirty(image);

    cairo_save(cr);
    cairo_rectangle(cr, leftMargin, top, PlotPainter::plotWidth, spectrumHeight);
    cairo_clip(cr);
    cairo_translate(cr, leftMargin, top);
    cairo_scale(cr, static_cast<double>(PlotPainter::plotWidth) / o.columns(),
                static_cast<double>(spectrumHeight) / o.rows());
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);

    // Frequency ticks.
    const std::array<double, 9> marks = {50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};
    for (double f : marks)
    {
        if (f >= o.sampleRate() / 2.0)
            break;
        const double y = top + spectrumHeight * (1.0 - o.frequencyRow(f) / o.rows());
        setColour(cr, text, 0.18);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, leftMargin, std::round(y) + 0.5);
        cairo_line_to(cr, leftMargin + PlotPainter::plotWidth, std::round(y) + 0.5);
        cairo_stroke(cr);
        char s[16];
        std::snprintf(s, sizeof s, f >= 1000 ? "%.0fk" : "%.0f", f >= 1000 ? f / 1000 : f);
        label(cr, leftMargin - 10, y + 4, s, 11, dimText, 1.0);
    }
    label(cr, 16, top + spectrumHeight / 2.0 + 4, "Hz", 11, dimText);
}

void levelScale(cairo_t* cr, double top, double height)
{
    const double x = leftMargin + PlotPainter::plotWidth + 24;
    const double width = 14;
    for (int i = 0; i < static_cast<int>(height); ++i)
    {
        const Colour c = heat(1.0 - i / height);
        setColour(cr, c);
        cairo_rectangle(cr, x, top + i, width, 1);
        cairo_fill(cr);
    }
    for (int db = 0; db >= static_cast<int>(floorDb); db -= 20)
    {
        const double y = top + height * (db / floorDb);
        char s[16];
        std::snprintf(s, sizeof s, "%d", db);
        label(cr, x + width + 6, y + 4, s, 10, dimText);
    }
    label(cr, x - 4, top - 8, "dB", 11, dimText);
}

} // namespace

void PlotPainter::paint(const SignalOverview& input, const SignalOverview& output,
                        const std::string& caption, const std::string& temporaryPath)
{
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, imageWidth, imageHeight);
    cairo_t* cr = cairo_create(surface);

    setColour(cr, background);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    label(cr, leftMargin, 32, "tovane: input and output", 20, text);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    label(cr, leftMargin, 54, caption, 12, dimText);

    double y = titleHeight + gap - 10;
    waveform(cr, input, y, inputColour, "Input");
    y += waveHeight + gap;
    waveform(cr, output, y, outputColour, "Output");
    y += waveHeight + gap;
    spectrogram(cr, input, y, "Input spectrogram");
    const double spectraTop = y;
    y += spectrumHeight + gap;
    spectrogram(cr, output, y, "Output spectrogram");
    levelScale(cr, spectraTop, y + spectrumHeight - spectraTop);
    y += spectrumHeight;
    timeAxis(cr, output, y + 20);

    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, temporaryPath.c_str());
    cairo_surface_destroy(surface);
    // Text drawing leaves font caches behind in Cairo and fontconfig; with
    // nothing of Cairo's alive any more, hand them back so leak checks of
    // the tool stay clean.
    cairo_debug_reset_static_data();
    FcFini();
    if (status != CAIRO_STATUS_SUCCESS)
        renderError(std::string("cannot write the plot: ") + cairo_status_to_string(status));
}

} // namespace render
