#pragma once

#include "delegation_controller.h"
#include "lcd_selection_follower.h"

#include "base/source/fobject.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "public.sdk/source/vst/vstparameters.h"

#include <string>

namespace VSTGUI
{
class CAnimKnob;
class CTextEdit;
class CTextLabel;

// An LCD group: one knob and one text field edit whichever of the LCD
// parameters the alpha wheel selects, a label shows that parameter's title and
// another its position ("3/5"). The controller depends on the selected
// parameter, so the views follow its changes.
class LCDController : public Steinberg::FObject,
                      public DelegationController,
                      public LCDSelectionFollower
{
public:
    // `lcdParameters` must hold at least one parameter.
    LCDController(IController* parent, Steinberg::Vst::ParameterContainer* lcdParameters,
                  Steinberg::Vst::Parameter* alphaWheelParameter,
                  Steinberg::Vst::Parameter* lcdValueParameter,
                  Steinberg::Vst::EditController* editController);
    ~LCDController() override;

    // Takes the group's views: any animation knob becomes the value knob, a text
    // edit the value field, and the labels reading "LCD Control Name" and "1/N"
    // the name and index labels. Views are not passed on to the parent.
    CView* verifyView(CView* view, const UIAttributes& attributes,
                      const IUIDescription* description) override;
    void valueChanged(CControl* pControl) override;
    void controlBeginEdit(CControl* pControl) override;
    void controlEndEdit(CControl* pControl) override;

    void PLUGIN_API update(Steinberg::FUnknown* changedUnknown, Steinberg::int32 message) override;
    void updateSelectedControl() override;

    Steinberg::Vst::Parameter* getCurrentParameter() const { return currentParameter; }
    const std::string& getIndexText() const { return indexText; }

    OBJ_METHODS(LCDController, FObject)

private:
    Steinberg::int32 selectedIndex() const;
    void retagValueEdit();
    void refresh();

    Steinberg::Vst::Parameter* alphaWheelParameter;
    Steinberg::Vst::EditController* editController;
    Steinberg::Vst::ParameterContainer* lcdParameters;
    Steinberg::Vst::Parameter* currentParameter = nullptr;
    std::string indexText;
    std::string countText;
    CAnimKnob* valueKnob = nullptr;
    CTextLabel* nameLabel = nullptr;
    CTextLabel* indexLabel = nullptr;
    CTextEdit* valueEdit = nullptr;
};
} // namespace VSTGUI
