#pragma once

#include "c_color.h"
#include "c_view.h"

#include <vector>

namespace VSTGUI
{

// A view holding child views, whose rectangles are relative to the container's
// top-left corner. The container owns one reference to each child and, if set,
// the controller that the description attached to it.
class CViewContainer : public CView
{
public:
    explicit CViewContainer(const CRect& size);
    CViewContainer(const CViewContainer& v);
    ~CViewContainer() override;

    // Takes over the caller's reference to `view`.
    virtual bool addView(CView* view);
    // Drops the container's reference when `withForget` is set.
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    int32_t getNbViews() const { return static_cast<int32_t>(children.size()); }
    CView* getView(int32_t index) const;
    bool isChild(const CView* view) const;
    // The deepest visible, mouse-enabled view under `where` (given in this container's parent
    // coordinates).
    CView* getViewAt(const CPoint& where, bool deep = false) const;

    virtual void setBackgroundColor(const CColor& color);
    const CColor& getBackgroundColor() const { return backgroundColor; }
    void setBackgroundOffset(const CPoint& p) { backgroundOffset = p; }
    const CPoint& getBackgroundOffset() const { return backgroundOffset; }

    // Takes ownership of `controller` (released with the container: reference-counted
    // controllers lose one reference, others are deleted).
    void setController(IController* controller);
    IController* getController() const { return controller; }

    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    virtual void drawBackgroundRect(CDrawContext* context, const CRect& updateRect);

    // A mouse down goes to the topmost child under the pointer; that child then gets
    // the moves and the up of the same drag.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    bool isDirty() const override;
    bool attached(CView* parent) override;
    bool removed(CView* parent) override;

    CLASS_METHODS_NOCOPY(CViewContainer, CView)

protected:
    std::vector<CView*> children;
    CColor backgroundColor{kTransparentCColor};
    CPoint backgroundOffset;
    CView* mouseDownView{nullptr};
    IController* controller{nullptr};
};

} // namespace VSTGUI
