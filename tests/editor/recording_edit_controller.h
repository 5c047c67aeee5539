#pragma once

#include "c_control.h"
#include "i_controller.h"

#include "public.sdk/source/vst/vsteditcontroller.h"
#include "public.sdk/source/vst/vstparameters.h"

#include <sstream>
#include <string>
#include <vector>

// An edit controller that writes down the edits the editor side makes, in
// order, and lets a test publish parameters. Values are written with three
// significant digits: packed pad values carry single-precision noise.
class RecordingEditController : public Steinberg::Vst::EditController
{
public:
    RecordingEditController() { parameters.init(); }

    Steinberg::Vst::Parameter* add(Steinberg::Vst::Parameter* p)
    {
        return parameters.addParameter(p);
    }

    Steinberg::tresult beginEdit(Steinberg::Vst::ParamID id) override
    {
        return note("begin " + std::to_string(id));
    }
    Steinberg::tresult performEdit(Steinberg::Vst::ParamID id,
                                   Steinberg::Vst::ParamValue value) override
    {
        std::ostringstream s;
        s.precision(3);
        s << "perform " << id << " " << value;
        return note(s.str());
    }
    Steinberg::tresult endEdit(Steinberg::Vst::ParamID id) override
    {
        return note("end " + std::to_string(id));
    }
    Steinberg::tresult startGroupEdit() override { return note("startGroup"); }
    Steinberg::tresult finishGroupEdit() override { return note("finishGroup"); }
    Steinberg::tresult PLUGIN_API setParamNormalized(Steinberg::Vst::ParamID id,
                                                     Steinberg::Vst::ParamValue value) override
    {
        std::ostringstream s;
        s.precision(3);
        s << "set " << id << " " << value;
        note(s.str());
        return EditController::setParamNormalized(id, value);
    }

    std::vector<std::string> log;

private:
    Steinberg::tresult note(const std::string& entry)
    {
        log.push_back(entry);
        return Steinberg::kResultOk;
    }
};

// The controller above the sub-controllers: writes down what reaches it.
class RecordingParentController : public VSTGUI::IController
{
public:
    void valueChanged(VSTGUI::CControl*) override { log.push_back("parent value"); }
    void controlBeginEdit(VSTGUI::CControl*) override { log.push_back("parent begin"); }
    void controlEndEdit(VSTGUI::CControl*) override { log.push_back("parent end"); }
    VSTGUI::CView* verifyView(VSTGUI::CView* view, const VSTGUI::UIAttributes&,
                              const VSTGUI::IUIDescription*) override
    {
        log.push_back("parent verify");
        return view;
    }
    std::vector<std::string> log;
};

// Releases a controller made by a factory, whichever object system counts it.
inline void releaseController(VSTGUI::IController* controller)
{
    if (auto* unknown = dynamic_cast<Steinberg::FUnknown*>(controller))
        unknown->release();
}
