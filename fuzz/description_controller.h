#pragma once

#include "i_controller.h"

namespace Steinberg::Vst::Wrenlock
{
class Processor;
}

namespace VSTGUI
{
class CKnobWP;

// The controller in charge while views are built from an editor description,
// doing what the plug-in's editor delegate does: custom view names go to the
// custom view factory, sub-controller names to the sub-controller factory, both
// against a live, initialized processor.
class DescriptionController : public IController
{
public:
    DescriptionController();
    ~DescriptionController() override;
    DescriptionController(const DescriptionController&) = delete;
    DescriptionController& operator=(const DescriptionController&) = delete;

    void valueChanged(CControl*) override {}
    CView* createView(const UIAttributes& attributes, const IUIDescription* description) override;
    IController* createSubController(UTF8StringPtr name,
                                     const IUIDescription* description) override;

private:
    Steinberg::Vst::Wrenlock::Processor* processor_;
    CKnobWP* alphaWheelKnob_ = nullptr;
};
} // namespace VSTGUI
