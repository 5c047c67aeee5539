#include "c_frame.h"

#include "c_draw_context.h"

#include <cairo.h>

namespace VSTGUI
{

CFrame::CFrame(const CRect& size, VSTGUIEditorInterface* editor)
    : CViewContainer(size), editor(editor)
{
    attachedFlag = true;
}

CFrame::~CFrame()
{
    removeAll(true);
}

bool CFrame::open(void* window, UTF8StringPtr platformType)
{
    (void)platformType;
    if (opened)
        return false;
    systemWindow = window;
    opened = true;
    invalid();
    return true;
}

void CFrame::close()
{
    opened = false;
    systemWindow = nullptr;
    platformFrame = nullptr;
    removeAll(true);
    setController(nullptr);
    forget();
}

void CFrame::idle()
{
    if (platformFrame && isDirty())
        platformFrame->invalidRect(CRect(0, 0, size.getWidth(), size.getHeight()));
}

void CFrame::render(cairo_surface_t* surface)
{
    if (!surface)
        return;
    CDrawContext context(surface);
    context.setClipRect(CRect(0, 0, size.getWidth(), size.getHeight()));
    // The frame is the coordinate root: its own origin is not an offset.
    CRect saved = size;
    size.moveTo(CPoint(0, 0));
    drawRect(&context, size);
    size = saved;
}

} // namespace VSTGUI
