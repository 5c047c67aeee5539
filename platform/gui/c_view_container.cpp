#include "c_view_container.h"

#include "c_bitmap.h"
#include "c_draw_context.h"
#include "i_controller.h"

#include "pluginterfaces/base/funknown.h"

#include <algorithm>

namespace VSTGUI
{

CViewContainer::CViewContainer(const CRect& size) : CView(size) {}

CViewContainer::CViewContainer(const CViewContainer& v)
    : CView(v), backgroundColor(v.backgroundColor), backgroundOffset(v.backgroundOffset)
{
}

CViewContainer::~CViewContainer()
{
    removeAll(true);
    setController(nullptr);
}

void CViewContainer::setController(IController* c)
{
    if (controller == c)
        return;
    IController* old = controller;
    controller = c;
    if (!old)
        return;
    // Controllers are reference counted by either object system, or plain objects.
    if (auto* unknown = dynamic_cast<Steinberg::FUnknown*>(old))
        unknown->release();
    else if (auto* object = dynamic_cast<CBaseObject*>(old))
        object->forget();
    else
        delete old;
}

bool CViewContainer::addView(CView* view)
{
    if (!view || isChild(view))
        return false;
    children.push_back(view);
    view->attached(this);
    view->invalid();
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto it = std::find(children.begin(), children.end(), view);
    if (it == children.end())
        return false;
    children.erase(it);
    if (mouseDownView == view)
        mouseDownView = nullptr;
    view->removed(this);
    if (withForget)
        view->forget();
    setDirty(true);
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    mouseDownView = nullptr;
    // Children go last-added first, each detached before it is released.
    while (!children.empty())
    {
        CView* view = children.back();
        children.pop_back();
        view->removed(this);
        if (withForget)
            view->forget();
    }
    return true;
}

CView* CViewContainer::getView(int32_t index) const
{
    if (index < 0 || index >= getNbViews())
        return nullptr;
    return children[static_cast<size_t>(index)];
}

bool CViewContainer::isChild(const CView* view) const
{
    return std::find(children.begin(), children.end(), view) != children.end();
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const
{
    CPoint local(where.x - size.left, where.y - size.top);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        CView* v = *it;
        if (!v->isVisible() || !v->getMouseEnabled() || !v->hitTest(local))
            continue;
        if (deep)
        {
            if (auto* container = dynamic_cast<CViewContainer*>(v))
            {
                if (CView* inner = container->getViewAt(local, true))
                    return inner;
            }
        }
        return v;
    }
    return nullptr;
}

void CViewContainer::setBackgroundColor(const CColor& color)
{
    backgroundColor = color;
    setDirty(true);
}

void CViewContainer::draw(CDrawContext* context)
{
    drawRect(context, size);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const CRect& updateRect)
{
    (void)updateRect;
    CRect local(0, 0, size.getWidth(), size.getHeight());
    if (backgroundColor.alpha > 0 && !transparent)
    {
        context->setFillColor(backgroundColor);
        context->drawRect(local, kDrawFilled);
    }
    if (CBitmap* image = getDrawBackground())
        image->draw(context, local, backgroundOffset);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    (void)updateRect;
    CPoint savedOffset = context->getOffset();
    CRect savedClip;
    context->getClipRect(savedClip);
    // Children draw in this container's coordinates, clipped to it.
    CPoint origin(savedOffset.x + size.left, savedOffset.y + size.top);
    CRect clip(savedClip);
    clip.offset(-size.left, -size.top);
    clip.bound(CRect(0, 0, size.getWidth(), size.getHeight()));
    context->setOffset(origin);
    context->setClipRect(clip);
    drawBackgroundRect(context, clip);
    for (CView* child : children)
    {
        if (!child->isVisible())
            continue;
        CRect childClip(clip);
        childClip.bound(child->getViewSize());
        if (childClip.isEmpty())
        {
            child->setDirty(false);
            continue;
        }
        context->saveGlobalState();
        context->setClipRect(childClip);
        child->drawRect(context, childClip);
        context->restoreGlobalState();
    }
    context->setOffset(savedOffset);
    context->setClipRect(savedClip);
    setDirty(false);
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    CPoint local(where.x - size.left, where.y - size.top);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
    {
        CView* v = *it;
        if (!v->isVisible() || !v->getMouseEnabled() || !v->hitTest(local, buttons))
            continue;
        CPoint p(local);
        CMouseEventResult result = v->onMouseDown(p, buttons);
        if (result == kMouseEventHandled)
            mouseDownView = v;
        if (result != kMouseEventNotImplemented && result != kMouseEventNotHandled)
            return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    CView* target = mouseDownView;
    mouseDownView = nullptr;
    CPoint p(where.x - size.left, where.y - size.top);
    return target->onMouseUp(p, buttons);
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    CPoint p(where.x - size.left, where.y - size.top);
    CMouseEventResult result = mouseDownView->onMouseMoved(p, buttons);
    if (result == kMouseMoveEventHandledButDontNeedMoreEvents)
        mouseDownView = nullptr;
    return result;
}

bool CViewContainer::isDirty() const
{
    if (CView::isDirty())
        return true;
    return std::any_of(children.begin(), children.end(),
                       [](const CView* v) { return v->isVisible() && v->isDirty(); });
}

bool CViewContainer::attached(CView* parent)
{
    return CView::attached(parent);
}

bool CViewContainer::removed(CView* parent)
{
    return CView::removed(parent);
}

} // namespace VSTGUI
