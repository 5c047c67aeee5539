// The Processor's part as the delegate of its editors: the custom views and
// sub-controllers that the editor description names.
#include "processor.h"

#include "custom_view_factory.h"
#include "sub_controller_factory.h"
#include "vst3_editor.h"

#include "plug_in.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

VSTGUI::CView* Processor::createCustomView(VSTGUI::UTF8StringPtr name,
                                           const VSTGUI::UIAttributes& attributes,
                                           const VSTGUI::IUIDescription* description,
                                           VSTGUI::VST3Editor* editor)
{
    (void)editor;
    return VSTGUI::CustomViewFactory::create(name, attributes, description, alphaWheelKnob);
}

VSTGUI::IController* Processor::createSubController(VSTGUI::UTF8StringPtr name,
                                                    const VSTGUI::IUIDescription* description,
                                                    VSTGUI::VST3Editor* editor)
{
    (void)description;
    return VSTGUI::SubControllerFactory::create(name, editor, this, lcdParameters, alphaWheelKnob);
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
