#pragma once

#include "c_bitmap.h"
#include "c_draw_context.h"

#include <cairo.h>

#include <cstdint>

// Images whose pixels say where they came from, and a surface to draw them into.
namespace draw_probe
{
// A strip of `frames` frames, each `width` × `frameHeight`; every pixel of frame
// k has red k, green 200 and blue 100.
inline VSTGUI::CBitmap* filmstrip(int width, int frameHeight, int frames)
{
    cairo_surface_t* s =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, frameHeight * frames);
    cairo_t* cr = cairo_create(s);
    for (int k = 0; k < frames; ++k)
    {
        cairo_set_source_rgb(cr, k / 255.0, 200 / 255.0, 100 / 255.0);
        cairo_rectangle(cr, 0, k * frameHeight, width, frameHeight);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    auto* bitmap = new VSTGUI::CBitmap(s);
    cairo_surface_destroy(s);
    return bitmap;
}

// An image whose row r has red r and the given green and blue.
inline VSTGUI::CBitmap* rows(int width, int height, int green, int blue)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(s);
    for (int r = 0; r < height; ++r)
    {
        cairo_set_source_rgb(cr, r / 255.0, green / 255.0, blue / 255.0);
        cairo_rectangle(cr, 0, r, width, 1);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    auto* bitmap = new VSTGUI::CBitmap(s);
    cairo_surface_destroy(s);
    return bitmap;
}

struct Pixel
{
    int red;
    int green;
    int blue;
    int alpha;
};

// A transparent target surface with a draw context on it.
class Canvas
{
public:
    Canvas(int width, int height)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), context(surface)
    {
    }
    ~Canvas() { cairo_surface_destroy(surface); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    VSTGUI::CDrawContext* operator->() { return &context; }
    VSTGUI::CDrawContext* get() { return &context; }

    Pixel at(int x, int y)
    {
        cairo_surface_flush(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const auto p = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
        return {int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff), int(p >> 24)};
    }
    // Frame index of a `filmstrip` pixel, or -1 where nothing of a strip was drawn.
    int frameAt(int x, int y)
    {
        const Pixel p = at(x, y);
        return (p.alpha == 255 && p.green == 200 && p.blue == 100) ? p.red : -1;
    }

private:
    cairo_surface_t* surface;
    VSTGUI::CDrawContext context;
};
} // namespace draw_probe
