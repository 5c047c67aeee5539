#pragma once

#include "c_bitmap.h"
#include "c_color.h"
#include "c_draw_context.h"
#include "c_view.h"

#include <cairo.h>

#include <memory>
#include <vector>

namespace gui_test
{

using namespace VSTGUI;

struct SurfaceDeleter
{
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// An opaque black image surface.
inline Surface makeSurface(int width, int height)
{
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_t* cr = cairo_create(s.get());
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    return s;
}

inline CColor pixelAt(cairo_surface_t* s, int x, int y)
{
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    auto px = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
    return CColor((px >> 16) & 0xff, (px >> 8) & 0xff, px & 0xff, (px >> 24) & 0xff);
}

// A vertical strip of frames, each filled with its own colour.
inline CBitmap* makeStrip(int width, int frameHeight, const std::vector<CColor>& colors)
{
    Surface s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width,
                                         frameHeight * static_cast<int>(colors.size())));
    cairo_t* cr = cairo_create(s.get());
    for (size_t i = 0; i < colors.size(); ++i)
    {
        const CColor& c = colors[i];
        cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
        cairo_rectangle(cr, 0, static_cast<double>(i) * frameHeight, width, frameHeight);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    return new CBitmap(s.get());
}

// Colour i of a set of easily told-apart opaque colours.
inline CColor frameColor(int i)
{
    return CColor(static_cast<uint8_t>(10 + 20 * i), static_cast<uint8_t>(200 - 15 * i), 100, 255);
}

inline std::vector<CColor> frameColors(int n)
{
    std::vector<CColor> colors;
    for (int i = 0; i < n; ++i)
        colors.push_back(frameColor(i));
    return colors;
}

// Index of the frame colour `c`, or -1.
inline int frameIndexOf(const CColor& c, int n)
{
    for (int i = 0; i < n; ++i)
    {
        if (frameColor(i) == c)
            return i;
    }
    return -1;
}

inline Surface render(CView& view, int width, int height)
{
    Surface s = makeSurface(width, height);
    {
        CDrawContext context(s.get());
        view.draw(&context);
    }
    return s;
}

} // namespace gui_test
