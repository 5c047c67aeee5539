#include "c_bitmap.h"

#include "c_draw_context.h"

#include <cairo.h>

namespace VSTGUI
{

CBitmap::CBitmap(const CResourceDescription& desc) : resourceDesc(desc)
{
    auto path = resolveResourcePath(desc.getName());
    if (path.empty())
        return;
    cairo_surface_t* loaded = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(loaded) == CAIRO_STATUS_SUCCESS)
        surface = loaded;
    else
        cairo_surface_destroy(loaded);
}

CBitmap::CBitmap(cairo_surface_t* s) : resourceDesc("")
{
    if (s && cairo_surface_status(s) == CAIRO_STATUS_SUCCESS)
        surface = cairo_surface_reference(s);
}

CBitmap::~CBitmap()
{
    if (surface)
        cairo_surface_destroy(surface);
}

CCoord CBitmap::getWidth() const
{
    return surface ? cairo_image_surface_get_width(surface) : 0;
}

CCoord CBitmap::getHeight() const
{
    return surface ? cairo_image_surface_get_height(surface) : 0;
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset, float alpha)
{
    if (context)
        context->drawBitmap(this, dest, offset, alpha);
}

} // namespace VSTGUI
