#include "processor.h"
#include "vst3_editor_wp.h"

#include "c_anim_knob.h"
#include "c_resource_description.h"
#include "timer_driver.h"
#include "vst3host/component_handler.h"

#include "plug_in.h"

#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;
using Steinberg::Vst::Wrenlock::Processor;
using Steinberg::Vst::Wrenlock::VST3EditorWP;

namespace
{

void* const kParentWindow = reinterpret_cast<void*>(0x1);
constexpr ParamID kMix = 4;

struct ProcessorFixture : testing::Test
{
    VSTGUI::ManualTimerDriver clock;
    VSTGUI::ScopedTimerDriver scope{&clock};
    // The host's application object is not reference counted: it lives here.
    HostApplication host;
    vst3host::ComponentHandler handler;
    IPtr<Processor> processor = owned(new Processor);

    void SetUp() override
    {
        VSTGUI::setResourceDirectory(EDITOR_TEST_DATA_DIR);
        ASSERT_EQ(processor->initialize(&host), kResultOk);
        processor->setComponentHandler(&handler);
    }
    void TearDown() override
    {
        processor->terminate();
        VSTGUI::setResourceDirectory("");
    }
};

TEST_F(ProcessorFixture, OnlyTheEditorViewTypeGivesAnEditor)
{
    for (const char* name : {"Editor", "EDITOR", "editor ", "", "view"})
        EXPECT_EQ(processor->createView(name), nullptr) << name;
    EXPECT_EQ(processor->createView(nullptr), nullptr);
    IPlugView* view = processor->createView("editor");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(processor->currentEditor, dynamic_cast<VST3EditorWP*>(view));
    view->release();
}

TEST_F(ProcessorFixture, ReopeningMakesANewEditorEachTime)
{
    IPlugView* first = processor->createView("editor");
    ASSERT_EQ(first->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    first->removed();
    first->release();
    IPlugView* second = processor->createView("editor");
    EXPECT_EQ(processor->currentEditor, dynamic_cast<VST3EditorWP*>(second));
    second->release();
}

TEST(Processor, NoEditorWhenTheEngineWantsNone)
{
    IPtr<Processor> processor = owned(new Processor(std::make_unique<CPlugIn>()));
    EXPECT_EQ(processor->createView("editor"), nullptr);
    EXPECT_EQ(processor->currentEditor, nullptr);
}

TEST_F(ProcessorFixture, ControlsFollowAndEditTheirParametersThroughTheHost)
{
    IPlugView* view = processor->createView("editor");
    ASSERT_EQ(view->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    auto* editor = dynamic_cast<VST3EditorWP*>(view);
    auto* root = dynamic_cast<VSTGUI::CViewContainer*>(editor->getFrame()->getView(0));
    ASSERT_NE(root, nullptr);
    auto* knob = dynamic_cast<VSTGUI::CAnimKnob*>(root->getView(1));
    ASSERT_NE(knob, nullptr);
    EXPECT_FLOAT_EQ(knob->getValue(), static_cast<float>(processor->getParamNormalized(kMix)));
    processor->setParamNormalized(kMix, 0.2);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.2f);

    knob->beginEdit();
    knob->setValue(0.75f);
    knob->valueChanged();
    knob->endEdit();
    ASSERT_EQ(handler.edits.size(), 3u);
    EXPECT_EQ(handler.edits[0].kind, vst3host::ComponentHandler::EditKind::begin);
    EXPECT_EQ(handler.edits[1].kind, vst3host::ComponentHandler::EditKind::perform);
    EXPECT_DOUBLE_EQ(handler.edits[1].value, 0.75);
    EXPECT_EQ(handler.edits[2].kind, vst3host::ComponentHandler::EditKind::end);
    for (const auto& e : handler.edits)
        EXPECT_EQ(e.id, kMix);
    EXPECT_DOUBLE_EQ(processor->getParamNormalized(kMix), 0.75);

    view->removed();
    view->release();
}

TEST_F(ProcessorFixture, PingAnswersTheEnginesRefreshRequest)
{
    IPlugView* view = processor->createView("editor");
    ASSERT_EQ(view->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    processor->getEngine().guiUpdateRequested = 1;
    clock.advance(49);
    EXPECT_EQ(processor->getEngine().guiUpdateRequested.load(), 1);
    clock.advance(1);
    EXPECT_EQ(processor->getEngine().guiUpdateRequested.load(), 0);
    view->removed();
    processor->getEngine().guiUpdateRequested = 1;
    clock.advance(500);
    EXPECT_EQ(processor->getEngine().guiUpdateRequested.load(), 1);
    view->release();
}

} // namespace
