#include "vst3_editor_wp.h"

#include "c_resource_description.h"
#include "c_vstgui_timer.h"
#include "timer_driver.h"

#include "public.sdk/source/vst/vsteditcontroller.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using Steinberg::Vst::Wrenlock::VST3EditorWP;

namespace
{

void* const kParentWindow = reinterpret_cast<void*>(0x1);

// Notes the driven time of every ping it receives.
class PingCounter : public EditController
{
public:
    VSTGUI::ManualTimerDriver* clock = nullptr;
    std::vector<uint64_t> pings;
    int otherTexts = 0;

    tresult receiveText(const char8* text) override
    {
        if (std::strcmp(text, "VSTGUITimerPing") == 0)
            pings.push_back(clock->now());
        else
            ++otherTexts;
        return kResultOk;
    }
};

struct EditorWPFixture : testing::Test
{
    VSTGUI::ManualTimerDriver clock;
    VSTGUI::ScopedTimerDriver scope{&clock};
    IPtr<PingCounter> controller = owned(new PingCounter);

    void SetUp() override
    {
        controller->clock = &clock;
        VSTGUI::setResourceDirectory(EDITOR_TEST_DATA_DIR);
    }
    void TearDown() override { VSTGUI::setResourceDirectory(""); }
};

TEST_F(EditorWPFixture, PingsEveryFiftyMillisecondsWhileAttachedOnly)
{
    auto* editor = new VST3EditorWP(controller, "Editor", "Kestrix.uidesc");
    EXPECT_EQ(editor->getIdleRate(), 50);
    clock.advance(500);
    EXPECT_TRUE(controller->pings.empty());
    ASSERT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    clock.advance(1000);
    ASSERT_EQ(controller->pings.size(), 20u);
    EXPECT_EQ(controller->pings.front(), 550u);
    EXPECT_EQ(controller->pings.back(), 1500u);
    editor->removed();
    clock.advance(1000);
    EXPECT_EQ(controller->pings.size(), 20u);
    editor->release();
    clock.advance(1000);
    EXPECT_EQ(controller->pings.size(), 20u);
    EXPECT_EQ(controller->otherTexts, 0);
}

TEST_F(EditorWPFixture, OnlyTheTimerMessageConstantPings)
{
    auto* editor = new VST3EditorWP(controller, "Editor", "Kestrix.uidesc");
    char sameText[] = "timer fired";
    EXPECT_EQ(editor->notify(nullptr, sameText), VSTGUI::kMessageUnknown);
    EXPECT_EQ(editor->notify(nullptr, "something else"), VSTGUI::kMessageUnknown);
    EXPECT_TRUE(controller->pings.empty());
    EXPECT_EQ(editor->notify(nullptr, VSTGUI::CVSTGUITimer::kMsgTimer), VSTGUI::kMessageNotified);
    EXPECT_EQ(controller->pings.size(), 1u);
    editor->release();
}

TEST_F(EditorWPFixture, WithoutControllerTicksStillReachTheBase)
{
    auto* editor = new VST3EditorWP(nullptr, "Editor", "Kestrix.uidesc");
    ASSERT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    auto* root = dynamic_cast<VSTGUI::CViewContainer*>(editor->getFrame()->getView(0));
    ASSERT_NE(root, nullptr);
    root->removeAll();
    ASSERT_TRUE(editor->exchangeView("Editor"));
    clock.advance(50);
    // The base rebuilt the view on that tick.
    root = dynamic_cast<VSTGUI::CViewContainer*>(editor->getFrame()->getView(0));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->getNbViews(), 3);
    editor->removed();
    editor->release();
}

TEST_F(EditorWPFixture, SizeComesFromTheTemplate)
{
    auto* editor = new VST3EditorWP(controller, "Editor", "Kestrix.uidesc");
    ViewRect size;
    editor->getSize(&size);
    EXPECT_EQ(size.getWidth(), 160);
    EXPECT_EQ(size.getHeight(), 60);
    EXPECT_EQ(editor->canResize(), kResultFalse);
    editor->release();
}

} // namespace
