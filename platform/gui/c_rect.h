#pragma once

#include "c_point.h"

#include <algorithm>

namespace VSTGUI
{

// An axis-aligned rectangle; right and bottom lie just outside it.
struct CRect
{
    CCoord left{0};
    CCoord top{0};
    CCoord right{0};
    CCoord bottom{0};

    constexpr CRect() = default;
    constexpr CRect(CCoord left, CCoord top, CCoord right, CCoord bottom)
        : left(left), top(top), right(right), bottom(bottom)
    {
    }
    constexpr CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {
    }

    CCoord getWidth() const { return right - left; }
    CCoord getHeight() const { return bottom - top; }
    CRect& setWidth(CCoord w)
    {
        right = left + w;
        return *this;
    }
    CRect& setHeight(CCoord h)
    {
        bottom = top + h;
        return *this;
    }
    CPoint getTopLeft() const { return {left, top}; }
    CPoint getSize() const { return {getWidth(), getHeight()}; }
    CPoint getCenter() const { return {left + getWidth() / 2, top + getHeight() / 2}; }

    CRect& offset(CCoord dx, CCoord dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& offset(const CPoint& d) { return offset(d.x, d.y); }
    CRect& moveTo(const CPoint& p) { return offset(p.x - left, p.y - top); }
    CRect& inset(CCoord dx, CCoord dy)
    {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
        return *this;
    }

    bool isEmpty() const { return right <= left || bottom <= top; }
    // Half-open test: the left and top edges belong to the rectangle, right and bottom don't.
    bool pointInside(const CPoint& p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool rectOverlap(const CRect& r) const
    {
        return r.left < right && r.right > left && r.top < bottom && r.bottom > top;
    }
    CRect& bound(const CRect& r)
    {
        left = std::max(left, r.left);
        top = std::max(top, r.top);
        right = std::max(left, std::min(right, r.right));
        bottom = std::max(top, std::min(bottom, r.bottom));
        return *this;
    }

    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

} // namespace VSTGUI
