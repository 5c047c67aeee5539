#include "description_controller.h"

#include "custom_view_factory.h"
#include "processor.h"
#include "sub_controller_factory.h"
#include "ui_attributes.h"

namespace VSTGUI
{

DescriptionController::DescriptionController()
    : processor_(new Steinberg::Vst::Wrenlock::Processor())
{
    processor_->initialize(nullptr);
}

DescriptionController::~DescriptionController()
{
    processor_->terminate();
    processor_->release();
}

CView* DescriptionController::createView(const UIAttributes& attributes,
                                         const IUIDescription* description)
{
    const std::string* name = attributes.getAttributeValue("custom-view-name");
    if (!name)
        return nullptr;
    return CustomViewFactory::create(name->c_str(), attributes, description, alphaWheelKnob_);
}

IController* DescriptionController::createSubController(UTF8StringPtr name, const IUIDescription*)
{
    return SubControllerFactory::create(name, this, processor_, processor_->lcdParameters,
                                        alphaWheelKnob_);
}

} // namespace VSTGUI
