#pragma once

#include "c_base_object.h"
#include "c_button_state.h"
#include "c_rect.h"

#include <string>

namespace VSTGUI
{

// A rectangle of the editor that draws itself and may take mouse events. Its
// rectangle and the points of its mouse events are in its parent's coordinates.
class CView : public CBaseObject
{
public:
    explicit CView(const CRect& size);
    CView(const CView& v);
    ~CView() override;

    // Drawing. `draw` paints the whole view; every view clears its dirty state when done.
    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);

    // Mouse. The default answers are "not implemented".
    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = CButtonState()) const;

    // Dirty state: a dirty view wants to be redrawn.
    virtual void setDirty(bool val = true);
    virtual bool isDirty() const { return dirty; }
    // Marks the view for redrawing.
    virtual void invalid() { setDirty(true); }

    virtual void setViewSize(const CRect& rect, bool invalidate = true);
    const CRect& getViewSize() const { return size; }
    CCoord getWidth() const { return size.getWidth(); }
    CCoord getHeight() const { return size.getHeight(); }

    virtual void setMouseEnabled(bool enable = true) { mouseEnabled = enable; }
    bool getMouseEnabled() const { return mouseEnabled; }
    virtual void setTransparency(bool val) { transparent = val; }
    bool getTransparency() const { return transparent; }
    virtual void setVisible(bool val) { visible = val; }
    bool isVisible() const { return visible; }

    // Images; the view keeps a reference to each.
    virtual void setBackground(CBitmap* background);
    CBitmap* getBackground() const { return pBackground; }
    virtual void setDisabledBackground(CBitmap* background);
    CBitmap* getDisabledBackground() const { return pDisabledBackground; }
    // The image to draw now: the disabled image when there is one and the mouse is
    // disabled, otherwise the background.
    CBitmap* getDrawBackground() const;

    void setTooltipText(UTF8StringPtr text) { tooltip = text ? text : ""; }
    const std::string& getTooltipText() const { return tooltip; }

    // Place in the view tree.
    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);
    bool isAttached() const { return attachedFlag; }
    CView* getParentView() const { return pParentView; }
    CFrame* getFrame() const;
    // Converts a point between this view's parent coordinates and the frame's.
    CPoint& localToFrame(CPoint& point) const;
    CPoint& frameToLocal(CPoint& point) const;

    CLASS_METHODS(CView, CBaseObject)

protected:
    CRect size;
    CView* pParentView{nullptr};
    CBitmap* pBackground{nullptr};
    CBitmap* pDisabledBackground{nullptr};
    bool dirty{false};
    bool mouseEnabled{true};
    bool transparent{false};
    bool visible{true};
    bool attachedFlag{false};
    std::string tooltip;
};

} // namespace VSTGUI
