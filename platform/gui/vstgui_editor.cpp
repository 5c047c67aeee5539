#include "vstgui_editor.h"

#include "c_vstgui_timer.h"

#include <cstring>

namespace Steinberg::Vst
{

namespace
{
constexpr uint32_t kDefaultIdleRate = 300;
}

VSTGUIEditor::VSTGUIEditor(EditController* controller, ViewRect* size)
    : EditorView(controller, size), timer(new VSTGUI::CVSTGUITimer(this, kDefaultIdleRate))
{
}

VSTGUIEditor::~VSTGUIEditor()
{
    timer->stop();
    timer->forget();
}

void VSTGUIEditor::setIdleRate(int32 millisec)
{
    timer->setFireTime(millisec > 0 ? static_cast<uint32_t>(millisec) : 1u);
}

int32 VSTGUIEditor::getIdleRate() const
{
    return static_cast<int32>(timer->getFireTime());
}

bool VSTGUIEditor::open(void* parent, FIDString platformType)
{
    (void)parent;
    (void)platformType;
    return false;
}

void VSTGUIEditor::close() {}

VSTGUI::CMessageResult VSTGUIEditor::notify(VSTGUI::CBaseObject* sender,
                                            VSTGUI::IdStringPtr message)
{
    (void)sender;
    if (message == VSTGUI::CVSTGUITimer::kMsgTimer)
    {
        if (frame)
            frame->idle();
        return VSTGUI::kMessageNotified;
    }
    return VSTGUI::kMessageUnknown;
}

tresult PLUGIN_API VSTGUIEditor::isPlatformTypeSupported(FIDString type)
{
    if (type && std::strcmp(type, kPlatformTypeX11EmbedWindowID) == 0)
        return kResultTrue;
    return kResultFalse;
}

tresult PLUGIN_API VSTGUIEditor::attached(void* parent, FIDString type)
{
    if (!parent)
        return kInvalidArgument;
    if (isAttached() || isPlatformTypeSupported(type) != kResultTrue)
        return kResultFalse;
    if (!open(parent, type))
        return kResultFalse;
    timer->start();
    return EditorView::attached(parent, type);
}

tresult PLUGIN_API VSTGUIEditor::removed()
{
    if (!isAttached())
        return kResultFalse;
    timer->stop();
    close();
    return EditorView::removed();
}

} // namespace Steinberg::Vst
