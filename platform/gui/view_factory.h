#pragma once

#include "c_view.h"
#include "ui_attributes.h"

namespace VSTGUI
{

// Builds the toolkit's standard views by class name and applies their standard
// attributes from a description node.
namespace ViewFactory
{

// A new view of the named class with the node's origin and size, or null for an
// unknown class.
CView* createView(const std::string& className, const UIAttributes& attributes,
                  const IUIDescription* description);

// Applies every standard attribute that the view's classes understand. Texts that
// don't read are skipped. The origin and size are applied only when `withGeometry`.
void applyAttributes(CView* view, const UIAttributes& attributes, const IUIDescription* description,
                     bool withGeometry);

// `rect` moved to the node's origin and resized to its size, where it gives them.
CRect placedRect(CRect rect, const UIAttributes& attributes);

} // namespace ViewFactory
} // namespace VSTGUI
