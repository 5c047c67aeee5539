// The effect's own editor, built from the bundle's Kestrix.uidesc on a real
// Processor: a slider and a knob dragged with the mouse move their
// parameters, and the engine follows once the host passes the edits to
// `process`.
#include "knob_wp.h"
#include "processor.h"
#include "slider_wp.h"
#include "view_tree.h"

#include "c_anim_knob.h"
#include "c_frame.h"
#include "c_resource_description.h"
#include "timer_driver.h"
#include "vst3_editor.h"

#include "platform/vst3host/component_handler.h"
#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/process_buffers.h"
#include "plug_in.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

namespace
{
using namespace VSTGUI;
using namespace Steinberg;
using namespace Steinberg::Vst;
using Steinberg::Vst::Wrenlock::Processor;
using namespace view_tree;

void* const kParentWindow = reinterpret_cast<void*>(0x1);

// The first control of class T with `tag`, or null.
template <typename T> T* controlWithTag(CFrame* frame, int32_t tag)
{
    for (T* control : viewsOf<T>(frame))
    {
        if (control->getTag() == tag)
            return control;
    }
    return nullptr;
}

struct EffectEditor : testing::Test
{
    ManualTimerDriver clock;
    ScopedTimerDriver scope{&clock};
    HostApplication host;
    IPtr<Processor> processor = owned(new Processor);
    vst3host::ComponentHandler handler;
    vst3host::ProcessBuffers buffers{2, 2, 64, 44100.0};
    vst3host::ParameterChanges changes{32, 4};
    IPlugView* view = nullptr;

    void SetUp() override
    {
        setResourceDirectory(TOVANE_RESOURCES_DIR);
        ASSERT_EQ(processor->initialize(&host), kResultOk);
        ProcessSetup setup = buffers.setup();
        ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
        ASSERT_EQ(processor->setActive(true), kResultOk);
        processor->setComponentHandler(&handler);
        view = processor->createView(ViewType::kEditor);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->attached(kParentWindow, Steinberg::kPlatformTypeX11EmbedWindowID),
                  kResultTrue);
    }
    void TearDown() override
    {
        if (view)
        {
            view->removed();
            view->release();
        }
        processor->setActive(false);
        processor->terminate();
        setResourceDirectory("");
    }
    CFrame* frame() const { return dynamic_cast<VST3Editor*>(view)->getFrame(); }

    // The last value the editor performed for `id`, as a host would have queued it.
    ParamValue lastPerformed(ParamID id) const
    {
        ParamValue value = -1.0;
        for (const auto& e : handler.edits)
        {
            if (e.kind == vst3host::ComponentHandler::EditKind::perform && e.id == id)
                value = e.value;
        }
        return value;
    }
    // Hands every performed edit to one block of `process`, as the host does.
    void processEdits()
    {
        changes.clear();
        for (const auto& e : handler.edits)
        {
            if (e.kind == vst3host::ComponentHandler::EditKind::perform)
                changes.addPoint(e.id, 0, e.value);
        }
        ProcessData& data = buffers.begin(64);
        data.inputParameterChanges = &changes;
        ASSERT_EQ(processor->process(data), kResultOk);
    }
    const CControlDescriptor& control(int32_t position)
    {
        return *processor->getEngine().controls.at(position);
    }
};

TEST_F(EffectEditor, DraggingTheBufferSliderAndTheMixKnobReachesTheEngine)
{
    ASSERT_NE(frame(), nullptr);
    CControl* slider = controlWithTag<CVerticalSliderWP>(frame(), 0);
    CControl* knob = controlWithTag<CAnimKnob>(frame(), 4);
    ASSERT_NE(slider, nullptr);
    ASSERT_NE(knob, nullptr);

    // Grab the slider's handle at the bottom (the minimum) and pull it up.
    const CRect s = slider->getViewSize();
    CPoint from = inFrame(slider, CPoint(s.getCenter().x, s.bottom - 4));
    CPoint to = inFrame(slider, CPoint(s.getCenter().x, s.top + s.getHeight() * 0.25));
    drag(frame(), from, to);

    // Drag the mix knob down from its centre of 50 %.
    const CPoint centre = centreOf(knob);
    drag(frame(), centre, CPoint(centre.x, centre.y + 50));

    const ParamValue buffer = lastPerformed(0);
    const ParamValue mix = lastPerformed(4);
    EXPECT_GT(buffer, 0.5);
    EXPECT_LT(mix, 0.5);
    EXPECT_GT(mix, 0.0);
    EXPECT_DOUBLE_EQ(processor->getParamNormalized(0), buffer);
    EXPECT_DOUBLE_EQ(processor->getParamNormalized(4), mix);

    processEdits();
    EXPECT_EQ(*control(0).intVariable,
              static_cast<int32_t>(63.0f * static_cast<float>(buffer) + 1.0f));
    EXPECT_FLOAT_EQ(*control(4).floatVariable, 100.0f * static_cast<float>(mix));
}
} // namespace
