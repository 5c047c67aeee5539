// Builds custom views and sub-controllers from fuzzed names and attribute
// texts: every name the factories know (and near misses), analog meter names
// with any "_H"/"_Z" parts, pad names with any "_X"/"_Y" ids, and every
// attribute the factory reads present or absent with any text.
#include "description_controller.h"
#include "fuzzed_input.h"

#include "c_view.h"
#include "c_view_container.h"
#include "ui_attributes.h"
#include "ui_description.h"

#include <string>

using namespace VSTGUI;

namespace
{

const char* const kViewNames[] = {
    "ZolmKickButton",
    "TrackPad",
    "Joystick",
    "KnobSwitchView",
    "AlphaWheelKnobView",
    "SliderSwitchView",
    "AnalogMeterView",
    "InvertedAnalogMeterView",
    "InvertedMeterView",
    "MeterView",
    "LCDValueKnobView",
    "trackpad",
    "AnalogMeterView_H",
    "AnalogMeterView_Z",
    "MyAnalogMeterView_H10_Z3",
};

const char* const kSubControllerNames[] = {
    "LCDController",
    "LCDControllerControlName",
    "LCDControllerIndexCount",
    "VectorJoystick",
    "TrackPad_X",
    "Joystick_X",
    "_Y",
    "_X_Y",
};

const char* const kAttributes[] = {
    "size",
    "origin",
    "bitmap",
    "off-bitmap",
    "handle-bitmap",
    "control-tag",
    "background-offset",
    "handle-offset",
    "height-of-one-image",
    "sub-pixmaps",
    "num-led",
    "orientation",
    "back-color",
    "frame-color",
    "font-color",
    "frame-width",
    "round-rect-radius",
    "style-round-rect",
    "style-no-frame",
};

const char* const kTexts[] = {
    "",
    "0",
    "12, 30",
    " 20, 30",
    "100",
    "-5,abc",
    "1e400",
    "-1e400",
    "nan",
    "true",
    "TRUE",
    "vertical",
    "Vertical",
    "knob",
    "knob.png",
    "2147483648",
    "-2147483649, 99999999999",
    "9223372036854775807, 99999999999999999999",
    ",",
    "0x10",
    "  +7,  -8",
    "Gain",
    "~ BlackCColor",
    "#ff000080",
};

std::string text(FuzzedInput& in)
{
    switch (in.byte() % 4)
    {
    case 0:
    {
        std::string s;
        const uint32_t length = in.below(24);
        for (uint32_t i = 0; i < length; ++i)
            s.push_back(static_cast<char>(in.byte()));
        return s;
    }
    case 1:
        return std::string(kTexts[in.below(std::size(kTexts))]) +
               kTexts[in.below(std::size(kTexts))];
    default:
        return kTexts[in.below(std::size(kTexts))];
    }
}

// A name from the list with fuzzed text around or inside it.
std::string name(FuzzedInput& in, const char* const* names, size_t count)
{
    std::string result = names[in.below(static_cast<uint32_t>(count))];
    switch (in.byte() % 4)
    {
    case 0:
        return result;
    case 1:
        return result + "_H" + text(in) + "_Z" + text(in);
    case 2:
        return result + text(in) + "_Y" + text(in);
    default:
        return text(in) + result + text(in);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedInput in(data, size);
    UIDescription description(CResourceDescription("fuzzed.uidesc"));
    description.parseText("<vstgui-ui-description version=\"1\"><colors>"
                          "<color name=\"Blue\" rgba=\"#0000ffff\"/></colors>"
                          "<control-tags><control-tag name=\"Gain\" tag=\"4\"/></control-tags>"
                          "</vstgui-ui-description>");
    DescriptionController controller;
    for (int round = 0; round < 8 && !in.empty(); ++round)
    {
        UIAttributes attributes;
        attributes.setAttribute("custom-view-name",
                                name(in, kViewNames, std::size(kViewNames)).c_str());
        for (const char* attribute : kAttributes)
            if (in.byte() % 4 != 0)
                attributes.setAttribute(attribute, text(in).c_str());
        if (CView* view = controller.createView(attributes, &description))
            view->forget();

        const std::string subName = name(in, kSubControllerNames, std::size(kSubControllerNames));
        if (IController* sub = controller.createSubController(subName.c_str(), &description))
        {
            // A sub-controller belongs to the container it is set on.
            auto* container = new CViewContainer(CRect(0, 0, 100, 100));
            container->setController(sub);
            container->forget();
        }
    }
    return 0;
}
