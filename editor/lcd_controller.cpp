#include "lcd_controller.h"

#include "utf8_text.h"

#include "c_anim_knob.h"
#include "c_text_edit.h"
#include "c_text_label.h"
#include "update_handler.h"

#include <cmath>

namespace VSTGUI
{
using namespace Steinberg;
using namespace Steinberg::Vst;

LCDController::LCDController(IController* parent, ParameterContainer* lcdParameters,
                             Parameter* alphaWheelParameter, Parameter* lcdValueParameter,
                             EditController* editController)
    : DelegationController(parent), alphaWheelParameter(alphaWheelParameter),
      editController(editController), lcdParameters(lcdParameters)
{
    // The "LCD Value" parameter only has to exist; the group never shows it.
    (void)lcdValueParameter;
    ensureUpdateHandler();
    countText = std::to_string(lcdParameters->getParameterCount());
    const int32 index = selectedIndex();
    currentParameter = lcdParameters->getParameterByIndex(index);
    indexText = std::to_string(index + 1) + "/" + countText;
    currentParameter->addDependent(this);
}

LCDController::~LCDController()
{
    currentParameter->removeDependent(this);
}

int32 LCDController::selectedIndex() const
{
    // The wheel's plain value truncated toward zero; the wheel spans the list,
    // but a value outside it must still name an entry.
    const double plain = alphaWheelParameter->toPlain(alphaWheelParameter->getNormalized());
    const int32 last = lcdParameters->getParameterCount() - 1;
    if (!(plain >= 0.0))
        return 0;
    if (plain >= static_cast<double>(last))
        return last;
    return static_cast<int32>(plain);
}

CView* LCDController::verifyView(CView* view, const UIAttributes& attributes,
                                 const IUIDescription* description)
{
    (void)attributes;
    (void)description;
    if (auto* knob = dynamic_cast<CAnimKnob*>(view))
    {
        valueKnob = knob;
        knob->setListener(this);
        refresh();
    }
    if (auto* edit = dynamic_cast<CTextEdit*>(view))
    {
        valueEdit = edit;
        retagValueEdit();
        refresh();
    }
    if (auto* label = dynamic_cast<CTextLabel*>(view))
    {
        if (label->getText() == "LCD Control Name")
        {
            nameLabel = label;
            refresh();
        }
        else if (label->getText() == "1/N")
        {
            indexLabel = label;
            refresh();
        }
    }
    return view;
}

void LCDController::retagValueEdit()
{
    // The editor rebinds a control whose tag changes, so the field then edits the
    // selected parameter through the editor's own binding.
    valueEdit->setTag(static_cast<int32_t>(currentParameter->getInfo().id));
    const int32 steps = currentParameter->getInfo().stepCount;
    valueEdit->setMax(steps > 0 ? static_cast<float>(steps) : 1.f);
}

void LCDController::refresh()
{
    update(currentParameter, IDependent::kChanged);
}

void PLUGIN_API LCDController::update(FUnknown* changedUnknown, int32 message)
{
    (void)message;
    auto* parameter = FCast<Parameter>(changedUnknown);
    if (!parameter)
        return;
    const ParamValue v = parameter->getNormalized();
    if (valueKnob)
    {
        valueKnob->setValue(static_cast<float>(v));
        valueKnob->invalid();
    }
    if (valueEdit)
    {
        if (valueEdit->getMax() > 1.f)
            valueEdit->setValue(static_cast<float>(parameter->toPlain(v)));
        else
            valueEdit->setValue(static_cast<float>(v));
        valueEdit->invalid();
    }
    if (nameLabel)
    {
        nameLabel->setText(utf16ToUtf8(currentParameter->getInfo().title));
        nameLabel->invalid();
    }
    if (indexLabel)
    {
        indexLabel->setText(indexText);
        indexLabel->invalid();
    }
}

void LCDController::updateSelectedControl()
{
    const int32 index = selectedIndex();
    Parameter* selected = lcdParameters->getParameterByIndex(index);
    if (selected == currentParameter)
        return;
    currentParameter->removeDependent(this);
    currentParameter = selected;
    currentParameter->addDependent(this);
    indexText = std::to_string(index + 1) + "/" + countText;
    if (valueEdit)
        retagValueEdit();
    refresh();
}

void LCDController::valueChanged(CControl* pControl)
{
    if (pControl != valueKnob || !valueKnob)
    {
        DelegationController::valueChanged(pControl);
        return;
    }
    // The knob works in the normalized range 0 to 1.
    const ParamID id = currentParameter->getInfo().id;
    const ParamValue v = valueKnob->getValue();
    editController->performEdit(id, v);
    editController->setParamNormalized(id, v);
}

void LCDController::controlBeginEdit(CControl* pControl)
{
    if (pControl != valueKnob || !valueKnob)
    {
        DelegationController::controlBeginEdit(pControl);
        return;
    }
    editController->startGroupEdit();
    editController->beginEdit(currentParameter->getInfo().id);
}

void LCDController::controlEndEdit(CControl* pControl)
{
    if (pControl != valueKnob || !valueKnob)
    {
        DelegationController::controlEndEdit(pControl);
        return;
    }
    editController->endEdit(currentParameter->getInfo().id);
    editController->finishGroupEdit();
}
} // namespace VSTGUI
