#include "c_view.h"

#include "c_bitmap.h"
#include "c_draw_context.h"
#include "c_frame.h"

namespace VSTGUI
{

CView::CView(const CRect& size) : size(size) {}

CView::CView(const CView& v)
    : CBaseObject(v), size(v.size), dirty(v.dirty), mouseEnabled(v.mouseEnabled),
      transparent(v.transparent), visible(v.visible), tooltip(v.tooltip)
{
    setBackground(v.pBackground);
    setDisabledBackground(v.pDisabledBackground);
}

CView::~CView()
{
    if (pBackground)
        pBackground->forget();
    if (pDisabledBackground)
        pDisabledBackground->forget();
}

void CView::draw(CDrawContext* context)
{
    if (CBitmap* image = getDrawBackground())
        image->draw(context, size);
    setDirty(false);
}

void CView::drawRect(CDrawContext* context, const CRect& updateRect)
{
    (void)updateRect;
    draw(context);
}

CMouseEventResult CView::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    return kMouseEventNotImplemented;
}

CMouseEventResult CView::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    return kMouseEventNotImplemented;
}

bool CView::hitTest(const CPoint& where, const CButtonState& buttons) const
{
    (void)buttons;
    return size.pointInside(where);
}

void CView::setDirty(bool val)
{
    dirty = val;
}

void CView::setViewSize(const CRect& rect, bool invalidate)
{
    size = rect;
    if (invalidate)
        invalid();
}

void CView::setBackground(CBitmap* background)
{
    if (exchangeReference(pBackground, background))
        setDirty(true);
}

void CView::setDisabledBackground(CBitmap* background)
{
    if (exchangeReference(pDisabledBackground, background))
        setDirty(true);
}

CBitmap* CView::getDrawBackground() const
{
    if (pDisabledBackground && !mouseEnabled)
        return pDisabledBackground;
    return pBackground;
}

bool CView::attached(CView* parent)
{
    pParentView = parent;
    attachedFlag = true;
    return true;
}

bool CView::removed(CView* parent)
{
    (void)parent;
    pParentView = nullptr;
    attachedFlag = false;
    return true;
}

CFrame* CView::getFrame() const
{
    const CView* v = this;
    while (v->pParentView)
        v = v->pParentView;
    return dynamic_cast<CFrame*>(const_cast<CView*>(v));
}

CPoint& CView::localToFrame(CPoint& point) const
{
    for (const CView* p = pParentView; p; p = p->pParentView)
        point.offset(p->size.left, p->size.top);
    return point;
}

CPoint& CView::frameToLocal(CPoint& point) const
{
    for (const CView* p = pParentView; p; p = p->pParentView)
        point.offset(-p->size.left, -p->size.top);
    return point;
}

} // namespace VSTGUI
