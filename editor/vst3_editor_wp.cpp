#include "vst3_editor_wp.h"

#include "c_vstgui_timer.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

VST3EditorWP::VST3EditorWP(EditController* controller, VSTGUI::UTF8StringPtr templateName,
                           VSTGUI::UTF8StringPtr xmlFile)
    : VST3Editor(controller, templateName, xmlFile)
{
    setIdleRate(kIdleRate);
}

VST3EditorWP::~VST3EditorWP() = default;

VSTGUI::CMessageResult VST3EditorWP::notify(VSTGUI::CBaseObject* sender,
                                            VSTGUI::IdStringPtr message)
{
    // Identity, not text: only the timer's own message constant is a tick.
    if (message == VSTGUI::CVSTGUITimer::kMsgTimer && controller)
        controller->receiveText("VSTGUITimerPing");
    return VST3Editor::notify(sender, message);
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
