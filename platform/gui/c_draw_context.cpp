#include "c_draw_context.h"

#include "c_bitmap.h"
#include "c_font_desc.h"

#include <cairo.h>

#include <cmath>

namespace VSTGUI
{

struct CDrawContext::SavedState
{
    CCoord lineWidth;
    CDrawMode drawMode;
    CColor fillColor;
    CColor frameColor;
    CColor fontColor;
    std::string fontName;
    CCoord fontSize;
    int32_t fontStyle;
    float globalAlpha;
    CPoint offset;
    CRect clipRect;
    bool hasClip;
};

CDrawContext::CDrawContext(cairo_t* cr) : cr(cr)
{
    cairo_save(cr);
}

CDrawContext::CDrawContext(cairo_surface_t* surface) : cr(cairo_create(surface)), ownsCairo(true)
{
    cairo_save(cr);
}

CDrawContext::~CDrawContext()
{
    cairo_restore(cr);
    if (ownsCairo)
        cairo_destroy(cr);
}

void CDrawContext::setFont(const CFontDesc* f)
{
    fontName = f ? f->getName() : "Sans";
    fontSize = f ? f->getSize() : 12;
    fontStyle = f ? f->getStyle() : 0;
}

void CDrawContext::setClipRect(const CRect& clip)
{
    clipRect = clip;
    hasClip = true;
}

CRect& CDrawContext::getClipRect(CRect& clip) const
{
    clip = hasClip ? clipRect : CRect(-1e9, -1e9, 1e9, 1e9);
    return clip;
}

void CDrawContext::resetClipRect()
{
    hasClip = false;
}

void CDrawContext::applyColor(const CColor& c)
{
    cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0,
                          c.alpha / 255.0 * globalAlpha);
}

void CDrawContext::applyAntialias()
{
    cairo_set_antialias(cr,
                        drawMode == kAntiAliasing ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

// A stroke of odd integer width centred on a pixel edge would smear over two pixel
// rows; moving it by half a pixel puts it on pixel centres.
CCoord CDrawContext::strokeShift() const
{
    double w = std::round(lineWidth);
    if (w == lineWidth && static_cast<long long>(w) % 2 == 1)
        return 0.5;
    return 0;
}

// Every drawing operation runs inside a Cairo save/restore with the offset and clip applied.
namespace
{
struct Scope
{
    Scope(cairo_t* cr, const CPoint& offset, bool hasClip, const CRect& clip) : cr(cr)
    {
        cairo_save(cr);
        cairo_translate(cr, offset.x, offset.y);
        if (hasClip)
        {
            cairo_rectangle(cr, clip.left, clip.top, clip.getWidth(), clip.getHeight());
            cairo_clip(cr);
        }
        cairo_new_path(cr);
    }
    ~Scope() { cairo_restore(cr); }
    cairo_t* cr;
};
} // namespace

void CDrawContext::strokeOrFill(CDrawStyle style)
{
    applyAntialias();
    if (style == kDrawFilled || style == kDrawFilledAndStroked)
    {
        applyColor(fillColor);
        if (style == kDrawFilledAndStroked)
            cairo_fill_preserve(cr);
        else
            cairo_fill(cr);
    }
    if (style == kDrawStroked || style == kDrawFilledAndStroked)
    {
        applyColor(frameColor);
        cairo_set_line_width(cr, lineWidth);
        cairo_stroke(cr);
    }
}

void CDrawContext::drawLine(const CPoint& start, const CPoint& end)
{
    Scope scope(cr, offset, hasClip, clipRect);
    CCoord s = strokeShift();
    cairo_move_to(cr, start.x + s, start.y + s);
    cairo_line_to(cr, end.x + s, end.y + s);
    applyAntialias();
    applyColor(frameColor);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_stroke(cr);
    penPosition = end;
}

void CDrawContext::lineTo(const CPoint& p)
{
    drawLine(penPosition, p);
}

void CDrawContext::drawPolygon(const PointList& points, CDrawStyle style)
{
    if (points.empty())
        return;
    Scope scope(cr, offset, hasClip, clipRect);
    CCoord s = style == kDrawFilled ? 0 : strokeShift();
    cairo_move_to(cr, points[0].x + s, points[0].y + s);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr, points[i].x + s, points[i].y + s);
    if (points.size() > 2 && points.front() == points.back())
        cairo_close_path(cr);
    strokeOrFill(style);
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    Scope scope(cr, offset, hasClip, clipRect);
    if (style == kDrawFilled)
    {
        cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    }
    else
    {
        // The frame lies inside the rectangle.
        CCoord half = lineWidth / 2;
        cairo_rectangle(cr, rect.left + half, rect.top + half, rect.getWidth() - lineWidth,
                        rect.getHeight() - lineWidth);
    }
    strokeOrFill(style);
}

void CDrawContext::drawRoundRect(const CRect& rect, CCoord radius, CDrawStyle style)
{
    Scope scope(cr, offset, hasClip, clipRect);
    CRect r = rect;
    if (style != kDrawFilled)
        r.inset(lineWidth / 2, lineWidth / 2);
    CCoord rad = std::max<CCoord>(0, std::min({radius, r.getWidth() / 2, r.getHeight() / 2}));
    cairo_new_sub_path(cr);
    cairo_arc(cr, r.right - rad, r.top + rad, rad, -M_PI / 2, 0);
    cairo_arc(cr, r.right - rad, r.bottom - rad, rad, 0, M_PI / 2);
    cairo_arc(cr, r.left + rad, r.bottom - rad, rad, M_PI / 2, M_PI);
    cairo_arc(cr, r.left + rad, r.top + rad, rad, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    strokeOrFill(style);
}

void CDrawContext::drawEllipse(const CRect& rect, CDrawStyle style)
{
    if (rect.getWidth() <= 0 || rect.getHeight() <= 0)
        return;
    Scope scope(cr, offset, hasClip, clipRect);
    CRect r = rect;
    if (style != kDrawFilled)
        r.inset(lineWidth / 2, lineWidth / 2);
    cairo_save(cr);
    cairo_translate(cr, r.left + r.getWidth() / 2, r.top + r.getHeight() / 2);
    cairo_scale(cr, r.getWidth() / 2, r.getHeight() / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    strokeOrFill(style);
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& sourceOffset,
                              float alpha)
{
    if (!bitmap || !bitmap->getSurface() || dest.isEmpty())
        return;
    Scope scope(cr, offset, hasClip, clipRect);
    cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
    cairo_clip(cr);
    cairo_set_source_surface(cr, bitmap->getSurface(), dest.left - sourceOffset.x,
                             dest.top - sourceOffset.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint_with_alpha(cr, alpha * globalAlpha);
}

void CDrawContext::selectFont()
{
    cairo_select_font_face(
        cr, fontName.c_str(),
        (fontStyle & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        (fontStyle & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, fontSize);
}

void CDrawContext::drawString(UTF8StringPtr text, const CRect& rect, CHoriTxtAlign align,
                              bool antialias)
{
    if (!text || !*text)
        return;
    Scope scope(cr, offset, hasClip, clipRect);
    cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(cr);
    selectFont();
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options,
                                     antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_text_extents_t te;
    cairo_font_extents_t fe;
    cairo_text_extents(cr, text, &te);
    cairo_font_extents(cr, &fe);
    CCoord x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - te.x_advance) / 2;
    else if (align == kRightText)
        x = rect.right - te.x_advance;
    CCoord y = rect.top + (rect.getHeight() - (fe.ascent + fe.descent)) / 2 + fe.ascent;
    applyColor(fontColor);
    cairo_move_to(cr, std::round(x), std::round(y));
    cairo_show_text(cr, text);
}

CCoord CDrawContext::getStringWidth(UTF8StringPtr text)
{
    if (!text)
        return 0;
    cairo_save(cr);
    selectFont();
    cairo_text_extents_t te;
    cairo_text_extents(cr, text, &te);
    cairo_restore(cr);
    return te.x_advance;
}

void CDrawContext::saveGlobalState()
{
    savedStates.push_back({lineWidth, drawMode, fillColor, frameColor, fontColor, fontName,
                           fontSize, fontStyle, globalAlpha, offset, clipRect, hasClip});
}

void CDrawContext::restoreGlobalState()
{
    if (savedStates.empty())
        return;
    const SavedState& s = savedStates.back();
    lineWidth = s.lineWidth;
    drawMode = s.drawMode;
    fillColor = s.fillColor;
    frameColor = s.frameColor;
    fontColor = s.fontColor;
    fontName = s.fontName;
    fontSize = s.fontSize;
    fontStyle = s.fontStyle;
    globalAlpha = s.globalAlpha;
    offset = s.offset;
    clipRect = s.clipRect;
    hasClip = s.hasClip;
    savedStates.pop_back();
}

} // namespace VSTGUI
