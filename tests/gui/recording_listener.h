#pragma once

#include "c_control.h"
#include "i_control_listener.h"

#include <string>
#include <vector>

namespace gui_test
{

// Records what controls report, as "begin", "value <v>", "end", "tag <old>-><new>".
struct RecordingListener : VSTGUI::IControlListener
{
    std::vector<std::string> events;
    int oldTag = 0;

    void valueChanged(VSTGUI::CControl* c) override
    {
        char text[64];
        std::snprintf(text, sizeof(text), "value %g", static_cast<double>(c->getValue()));
        events.emplace_back(text);
    }
    void controlBeginEdit(VSTGUI::CControl*) override { events.emplace_back("begin"); }
    void controlEndEdit(VSTGUI::CControl*) override { events.emplace_back("end"); }
    void controlTagWillChange(VSTGUI::CControl* c) override { oldTag = c->getTag(); }
    void controlTagDidChange(VSTGUI::CControl* c) override
    {
        events.push_back("tag " + std::to_string(oldTag) + "->" + std::to_string(c->getTag()));
    }
};

} // namespace gui_test
