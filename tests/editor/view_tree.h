#pragma once

#include "c_frame.h"
#include "c_view_container.h"

#include <functional>
#include <vector>

// Walking an open editor's views and driving it with the mouse, in frame
// coordinates.
namespace view_tree
{

// Every view below `container`, depth first, each before its children.
inline void forEachView(VSTGUI::CViewContainer* container,
                        const std::function<void(VSTGUI::CView*)>& visit)
{
    for (int32_t i = 0; i < container->getNbViews(); ++i)
    {
        VSTGUI::CView* view = container->getView(i);
        visit(view);
        if (auto* inner = dynamic_cast<VSTGUI::CViewContainer*>(view))
            forEachView(inner, visit);
    }
}

// The views of class T below `container`, in the order `forEachView` meets them.
template <typename T> std::vector<T*> viewsOf(VSTGUI::CViewContainer* container)
{
    std::vector<T*> found;
    forEachView(container,
                [&](VSTGUI::CView* v)
                {
                    if (auto* t = dynamic_cast<T*>(v))
                        found.push_back(t);
                });
    return found;
}

// A point given in the view's own coordinates, in frame coordinates.
inline VSTGUI::CPoint inFrame(VSTGUI::CView* view, VSTGUI::CPoint local)
{
    return view->localToFrame(local);
}

// The centre of a view in frame coordinates.
inline VSTGUI::CPoint centreOf(VSTGUI::CView* view)
{
    return inFrame(view, view->getViewSize().getCenter());
}

// Presses the left button at `from`, moves to `to` and releases there.
inline void drag(VSTGUI::CFrame* frame, VSTGUI::CPoint from, VSTGUI::CPoint to)
{
    frame->onMouseDown(from, VSTGUI::kLButton);
    frame->onMouseMoved(to, VSTGUI::kLButton);
    frame->onMouseUp(to, VSTGUI::kLButton);
}

} // namespace view_tree
