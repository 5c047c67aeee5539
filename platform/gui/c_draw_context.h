#pragma once

#include "c_color.h"
#include "c_point.h"
#include "c_rect.h"
#include "vstgui_types.h"

#include <string>
#include <vector>

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI
{

enum CDrawMode
{
    kAliasing = 0,
    kAntiAliasing = 1,
};

enum CDrawStyle
{
    kDrawStroked = 0,
    kDrawFilled,
    kDrawFilledAndStroked,
};

enum CHoriTxtAlign
{
    kLeftText = 0,
    kCenterText,
    kRightText,
};

using PointList = std::vector<CPoint>;

// Drawing surface of the toolkit, on Cairo. Coordinates are view coordinates
// shifted by the current offset; a stroke of odd integer width is centred on
// pixel centres so that one-pixel lines and frames stay crisp.
class CDrawContext
{
public:
    // Draws through `cr`, which stays the caller's.
    explicit CDrawContext(cairo_t* cr);
    // Draws into `surface` through a Cairo context of its own.
    explicit CDrawContext(cairo_surface_t* surface);
    ~CDrawContext();
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;

    cairo_t* getCairo() const { return cr; }

    void setLineWidth(CCoord width) { lineWidth = width; }
    CCoord getLineWidth() const { return lineWidth; }
    void setDrawMode(CDrawMode mode) { drawMode = mode; }
    CDrawMode getDrawMode() const { return drawMode; }
    void setFillColor(const CColor& c) { fillColor = c; }
    const CColor& getFillColor() const { return fillColor; }
    void setFrameColor(const CColor& c) { frameColor = c; }
    const CColor& getFrameColor() const { return frameColor; }
    void setFontColor(const CColor& c) { fontColor = c; }
    const CColor& getFontColor() const { return fontColor; }
    // Copies the font's name, size and face; null restores the default font.
    void setFont(const CFontDesc* f);
    void setGlobalAlpha(float a) { globalAlpha = a; }
    float getGlobalAlpha() const { return globalAlpha; }

    // The origin that view coordinates are drawn relative to.
    void setOffset(const CPoint& o) { offset = o; }
    const CPoint& getOffset() const { return offset; }
    // Clip rectangle in view coordinates (relative to the current offset).
    void setClipRect(const CRect& clip);
    CRect& getClipRect(CRect& clip) const;
    void resetClipRect();

    void drawLine(const CPoint& start, const CPoint& end);
    void moveTo(const CPoint& p) { penPosition = p; }
    void lineTo(const CPoint& p);
    void drawPolygon(const PointList& points, CDrawStyle style = kDrawStroked);
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked);
    void drawRoundRect(const CRect& rect, CCoord radius, CDrawStyle style = kDrawStroked);
    void drawEllipse(const CRect& rect, CDrawStyle style = kDrawStroked);
    void drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& sourceOffset = CPoint(0, 0),
                    float alpha = 1.f);
    void drawString(UTF8StringPtr text, const CRect& rect, CHoriTxtAlign align = kCenterText,
                    bool antialias = true);
    CCoord getStringWidth(UTF8StringPtr text);

    void saveGlobalState();
    void restoreGlobalState();

private:
    struct SavedState;
    void applyColor(const CColor& c);
    void applyAntialias();
    void strokeOrFill(CDrawStyle style);
    void selectFont();
    CCoord strokeShift() const;

    cairo_t* cr{nullptr};
    bool ownsCairo{false};
    CCoord lineWidth{1};
    CDrawMode drawMode{kAliasing};
    CColor fillColor{kWhiteCColor};
    CColor frameColor{kBlackCColor};
    CColor fontColor{kBlackCColor};
    std::string fontName{"Sans"};
    CCoord fontSize{12};
    int32_t fontStyle{0};
    float globalAlpha{1.f};
    CPoint offset;
    CRect clipRect;
    bool hasClip{false};
    CPoint penPosition;
    std::vector<SavedState> savedStates;
};

} // namespace VSTGUI
