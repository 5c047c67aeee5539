#pragma once

#include "vst3_editor.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// The plug-in's editor: the toolkit's VST 3 editor with a 50 ms idle timer that
// also asks the edit controller, on every tick, to refresh the parameters from the
// engine ("VSTGUITimerPing").
class VST3EditorWP : public VSTGUI::VST3Editor
{
public:
    static constexpr int32 kIdleRate = 50;

    VST3EditorWP(EditController* controller, VSTGUI::UTF8StringPtr templateName,
                 VSTGUI::UTF8StringPtr xmlFile);
    ~VST3EditorWP() override;

    // The ping goes out before the base does its own timer work.
    VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender,
                                  VSTGUI::IdStringPtr message) override;
};

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
