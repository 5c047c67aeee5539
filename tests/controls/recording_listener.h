#pragma once

#include "c_control.h"
#include "i_control_listener.h"

#include <string>
#include <vector>

// Writes down what a control tells its listener, in order.
class RecordingListener : public VSTGUI::IControlListener
{
public:
    void valueChanged(VSTGUI::CControl* control) override
    {
        events.push_back("value " + std::to_string(control->getValue()));
        values.push_back(control->getValue());
    }
    void controlBeginEdit(VSTGUI::CControl*) override { events.push_back("begin"); }
    void controlEndEdit(VSTGUI::CControl*) override { events.push_back("end"); }

    std::vector<std::string> events;
    std::vector<float> values;
};
