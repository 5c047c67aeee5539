#pragma once

#include "c_base_object.h"
#include "c_frame.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

namespace VSTGUI
{
class CVSTGUITimer;
} // namespace VSTGUI

namespace Steinberg::Vst
{

// An edit controller's plug-in view that shows a toolkit frame. While attached it
// runs an idle timer (300 ms unless set otherwise) whose ticks reach `notify`; the
// default answer to a tick is the frame's idle processing.
class VSTGUIEditor : public EditorView,
                     public VSTGUI::VSTGUIEditorInterface,
                     public VSTGUI::CBaseObject
{
public:
    VSTGUIEditor(EditController* controller, ViewRect* size = nullptr);
    ~VSTGUIEditor() override;

    // Sets the fire time of the idle timer.
    void setIdleRate(int32 millisec);
    int32 getIdleRate() const;

    virtual bool open(void* parent, FIDString platformType);
    virtual void close();

    VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender,
                                  VSTGUI::IdStringPtr message) override;

    // IPlugView
    tresult PLUGIN_API isPlatformTypeSupported(FIDString type) override;
    tresult PLUGIN_API attached(void* parent, FIDString type) override;
    tresult PLUGIN_API removed() override;

    OBJ_METHODS(VSTGUIEditor, EditorView)

protected:
    VSTGUI::CVSTGUITimer* timer{nullptr};
};

} // namespace Steinberg::Vst
