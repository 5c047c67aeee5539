// The editor side of a Processor whose engine publishes everything the
// effect itself does not: LCD members, a meter, the vector joystick. The
// editor is built from a description that uses every custom view name.
#include "panel_description.h"
#include "view_tree.h"

#include "custom_view_factory.h"
#include "kick_button_wp.h"
#include "knob_wp.h"
#include "lcd_controller.h"
#include "processor.h"
#include "slider_wp.h"
#include "vu_meter_wp.h"
#include "xy_pad_wp.h"

#include "c_frame.h"
#include "c_resource_description.h"
#include "c_text_edit.h"
#include "c_text_label.h"
#include "timer_driver.h"
#include "vst3_editor.h"

#include "platform/vst3host/component_handler.h"
#include "plug_in.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace
{
using namespace VSTGUI;
using namespace Steinberg;
using namespace Steinberg::Vst;
using Steinberg::Vst::Wrenlock::Processor;
using namespace view_tree;

void* const kParentWindow = reinterpret_cast<void*>(0x1);

// Controls: 0 "Drive", 1 "Tone", 2 "Mode" (A, B, C) on the LCD, 3 a meter,
// 4 "Bright".
class PanelEngine : public CPlugIn
{
public:
    PanelEngine()
    {
        wantsEditor = true;
        lcdEnabled = 1;
        vectorJoystickEnabled = 1;
        addFloat("Drive", &drive, true);
        addFloat("Tone", &tone, true);
        CControlDescriptor mode;
        mode.controlType = kControlOrdinary;
        mode.controlId = 2;
        mode.dataType = kDataUInt;
        mode.uintVariable = &modeIndex;
        mode.maxValue = 2;
        mode.setName("Mode");
        mode.setEnumeration("A,B,C");
        mode.lcdMember = 1;
        controls.append(mode);
        CControlDescriptor meter;
        meter.controlType = kControlMeter;
        meter.controlId = 3;
        meter.meterVariable = &level;
        meter.setName("Level");
        controls.append(meter);
        addFloat("Bright", &bright, false);
    }

    float drive = 0.f;
    float tone = 0.f;
    std::uint32_t modeIndex = 0;
    float level = 0.f;
    float bright = 0.f;

private:
    void addFloat(const char* name, float* variable, bool onLcd)
    {
        CControlDescriptor d;
        d.controlType = kControlOrdinary;
        d.controlId = static_cast<std::uint32_t>(controls.count());
        d.dataType = kDataFloat;
        d.floatVariable = variable;
        d.setName(name);
        d.lcdMember = onLcd ? 1 : 0;
        controls.append(d);
    }
};

// Writes the panel description and its images into a folder of this process's
// own (tests run in parallel processes) and makes it the resource folder.
class PanelResources
{
public:
    PanelResources()
    {
        folder = std::filesystem::path(testing::TempDir()) /
                 ("tovane_panel_resources_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "Kestrix.uidesc") << panel_description::kText;
        for (const auto& image : panel_description::kImages)
        {
            cairo_surface_t* s =
                cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
            cairo_t* cr = cairo_create(s);
            cairo_set_source_rgb(cr, 0.2, 0.6, 0.9);
            cairo_paint(cr);
            cairo_destroy(cr);
            const auto path = folder / (std::string(image.name) + ".png");
            cairo_surface_write_to_png(s, path.c_str());
            cairo_surface_destroy(s);
        }
        setResourceDirectory(folder.string());
    }
    ~PanelResources()
    {
        setResourceDirectory("");
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

private:
    std::filesystem::path folder;
};

struct PanelEditor : testing::Test
{
    ManualTimerDriver clock;
    ScopedTimerDriver scope{&clock};
    PanelResources resources;
    HostApplication host;
    PanelEngine* engine = new PanelEngine;
    IPtr<Processor> processor = owned(new Processor(std::unique_ptr<CPlugIn>(engine)));
    vst3host::ComponentHandler handler;
    IPlugView* view = nullptr;

    void SetUp() override
    {
        ASSERT_EQ(processor->initialize(&host), kResultOk);
        processor->setComponentHandler(&handler);
        open();
    }
    void TearDown() override
    {
        close();
        processor->terminate();
    }
    void open()
    {
        view = processor->createView(ViewType::kEditor);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->attached(kParentWindow, Steinberg::kPlatformTypeX11EmbedWindowID),
                  kResultTrue);
    }
    void close()
    {
        if (!view)
            return;
        view->removed();
        view->release();
        view = nullptr;
    }
    CFrame* frame() const { return dynamic_cast<VST3Editor*>(view)->getFrame(); }
    void render()
    {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400, 300);
        frame()->render(s);
        cairo_surface_destroy(s);
    }
    CTextLabel* labelReading(const std::string& prefix)
    {
        for (CTextLabel* label : viewsOf<CTextLabel>(frame()))
        {
            if (!dynamic_cast<CTextEdit*>(label) && label->getText().rfind(prefix, 0) == 0)
                return label;
        }
        return nullptr;
    }
    std::vector<ParamID> editedIds()
    {
        std::vector<ParamID> ids;
        for (const auto& e : handler.edits)
        {
            if (e.kind == vst3host::ComponentHandler::EditKind::perform)
                ids.push_back(e.id);
        }
        return ids;
    }
};

TEST_F(PanelEditor, EveryCustomViewNameBuildsItsControl)
{
    const auto knobs = viewsOf<CKnobWP>(frame());
    ASSERT_EQ(knobs.size(), 2u);
    EXPECT_TRUE(knobs[0]->isAlphaWheelMode());
    EXPECT_TRUE(knobs[1]->isSwitchMode());
    EXPECT_EQ(processor->alphaWheelKnob, knobs[0]);

    const auto pads = viewsOf<CXYPadWP>(frame());
    ASSERT_EQ(pads.size(), 2u);
    EXPECT_TRUE(pads[0]->isJoystickMode());
    EXPECT_FALSE(pads[1]->isJoystickMode());

    const auto meters = viewsOf<CVuMeterWP>(frame());
    ASSERT_EQ(meters.size(), 4u);
    EXPECT_FALSE(meters[0]->isAnalog());
    EXPECT_TRUE(meters[1]->isInverted());
    EXPECT_TRUE(meters[2]->isAnalog());
    EXPECT_DOUBLE_EQ(meters[2]->getAnalogFrameHeight(), 20);
    EXPECT_TRUE(meters[3]->isAnalog() && meters[3]->isInverted());

    EXPECT_EQ(viewsOf<CHorizontalSliderWP>(frame()).size(), 1u);
    EXPECT_EQ(viewsOf<CVerticalSliderWP>(frame()).size(), 1u);
    EXPECT_EQ(viewsOf<CKickButtonWP>(frame()).size(), 1u);
}

TEST_F(PanelEditor, TheLcdGroupFollowsTheAlphaWheel)
{
    render();
    ASSERT_NE(labelReading("Drive"), nullptr);
    ASSERT_NE(labelReading("1/3"), nullptr);

    processor->setParamNormalized(32771, 1.0); // the wheel's top: the third entry
    render();
    EXPECT_NE(labelReading("Mode"), nullptr);
    EXPECT_NE(labelReading("3/3"), nullptr);
    const auto edits = viewsOf<CTextEdit>(frame());
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0]->getTag(), 2);

    // The group's knob now edits "Mode".
    CAnimKnob* valueKnob = nullptr;
    for (CAnimKnob* knob : viewsOf<CAnimKnob>(frame()))
    {
        if (!dynamic_cast<CKnobWP*>(knob))
            valueKnob = knob;
    }
    ASSERT_NE(valueKnob, nullptr);
    const CPoint at = centreOf(valueKnob);
    drag(frame(), at, CPoint(at.x, at.y - 40));
    EXPECT_EQ(editedIds(), std::vector<ParamID>{2});
    EXPECT_GT(processor->getParamNormalized(2), 0.0);
}

TEST_F(PanelEditor, PadsEditTheirTwoParameters)
{
    const auto pads = viewsOf<CXYPadWP>(frame());
    ASSERT_EQ(pads.size(), 2u);
    const CPoint joystick = centreOf(pads[0]);
    drag(frame(), joystick, CPoint(joystick.x + 10, joystick.y));
    const CPoint trackpad = centreOf(pads[1]);
    drag(frame(), trackpad, CPoint(trackpad.x, trackpad.y - 20));
    EXPECT_EQ(editedIds(), (std::vector<ParamID>{32773, 32774, 32773, 32774, 0, 4, 0, 4}));
    EXPECT_NEAR(processor->getParamNormalized(4), 0.7, 0.01);
}

TEST_F(PanelEditor, MetersShowTheirParameter)
{
    processor->setParamNormalized(3, 0.5);
    for (CVuMeterWP* meter : viewsOf<CVuMeterWP>(frame()))
        EXPECT_FLOAT_EQ(meter->getValue(), 0.5f);
}

TEST_F(PanelEditor, TheKickButtonHoldsItsParameterAtOneWhilePressed)
{
    auto* button = viewsOf<CKickButtonWP>(frame()).at(0);
    CPoint at = centreOf(button);
    frame()->onMouseDown(at, kLButton);
    EXPECT_EQ(processor->getParamNormalized(32768), 1.0);
    CPoint away(399, 299);
    frame()->onMouseMoved(away, kLButton);
    frame()->onMouseUp(away, kLButton);
    EXPECT_EQ(processor->getParamNormalized(32768), 0.0);
    ASSERT_EQ(handler.edits.size(), 4u);
    EXPECT_EQ(handler.edits[1].value, 1.0);
    EXPECT_EQ(handler.edits[2].value, 0.0);
}

TEST_F(PanelEditor, AReopenedEditorLinksItsLcdGroupsToItsOwnAlphaWheel)
{
    close();
    EXPECT_EQ(processor->alphaWheelKnob, nullptr);
    open();
    processor->setParamNormalized(32771, 0.5); // the second entry
    render();
    EXPECT_NE(labelReading("Tone"), nullptr);
    EXPECT_NE(labelReading("2/3"), nullptr);
}
} // namespace
