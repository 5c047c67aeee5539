#include "vst3_editor.h"

#include "c_anim_knob.h"
#include "c_slider.h"
#include "c_text_edit.h"
#include "c_vstgui_timer.h"
#include "delegation_controller.h"
#include "recording_controller.h"
#include "timer_driver.h"
#include "ui_attributes.h"
#include "ui_description.h"

#include <gtest/gtest.h>

using namespace gui_test;
using namespace VSTGUI;
using Calls = std::vector<std::string>;

namespace
{

void* const kParentWindow = reinterpret_cast<void*>(0x1);

// Keeps the views of its container to itself, so they are bound only by retagging.
struct KeepController : DelegationController
{
    using DelegationController::DelegationController;
    CTextEdit* edit = nullptr;
    CView* verifyView(CView* view, const UIAttributes&, const IUIDescription*) override
    {
        if (auto* e = dynamic_cast<CTextEdit*>(view))
            edit = e;
        return view;
    }
};

class DelegateController : public RecordingController, public VST3EditorDelegate
{
public:
    int opened = 0;
    int closed = 0;
    KeepController* keep = nullptr;

    DelegateController()
    {
        addContinuous(1, "Gain", 0.5);
        addList(2, "Mode", 4); // steps 3, plain range 0 to 3
    }

    CView* createCustomView(UTF8StringPtr name, const UIAttributes& attributes,
                            const IUIDescription* description, VST3Editor*) override
    {
        if (std::string(name) != "Custom")
            return nullptr;
        const std::string* tag = attributes.getAttributeValue("control-tag");
        return new CAnimKnob(CRect(70, 0, 80, 10), description->getControlListener(tag->c_str()), 2,
                             4, 10, nullptr);
    }
    IController* createSubController(UTF8StringPtr name, const IUIDescription*,
                                     VST3Editor* editor) override
    {
        if (std::string(name) != "Keep")
            return nullptr;
        keep = new KeepController(editor);
        return keep;
    }
    void didOpen(VST3Editor*) override { ++opened; }
    void willClose(VST3Editor*) override { ++closed; }
};

struct EditorFixture : testing::Test
{
    ManualTimerDriver clock;
    ScopedTimerDriver scope{&clock};
    IPtr<DelegateController> controller = owned(new DelegateController);
    VST3Editor* editor = nullptr;

    void SetUp() override
    {
        setResourceDirectory(GUI_TEST_DATA_DIR);
        editor = new VST3Editor(controller, "Editor", "editor.uidesc");
        ASSERT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    }
    void TearDown() override
    {
        if (editor->isAttached())
            editor->removed();
        editor->release();
        setResourceDirectory("");
    }
    CViewContainer* root() const
    {
        return dynamic_cast<CViewContainer*>(editor->getFrame()->getView(0));
    }
    template <class T> T* view(int index) const { return dynamic_cast<T*>(root()->getView(index)); }
};

TEST_F(EditorFixture, SizeAndLimitsComeFromTheTemplate)
{
    ViewRect size;
    ASSERT_EQ(editor->getSize(&size), kResultTrue);
    EXPECT_EQ(size.getWidth(), 120);
    EXPECT_EQ(size.getHeight(), 80);
    EXPECT_EQ(editor->canResize(), kResultTrue);
    ViewRect tooBig(0, 0, 1000, 10);
    editor->checkSizeConstraint(&tooBig);
    EXPECT_EQ(tooBig.getWidth(), 240);
    EXPECT_EQ(tooBig.getHeight(), 60);
    EXPECT_EQ(editor->getFrame()->getViewSize(), CRect(0, 0, 120, 80));
}

TEST_F(EditorFixture, BuildsTheViewsAndSkipsUnknownClasses)
{
    ASSERT_NE(root(), nullptr);
    // knob, slider, text edit, sub-controller container, custom knob, knob with bad attributes.
    EXPECT_EQ(root()->getNbViews(), 6);
    EXPECT_NE(view<CHorizontalSlider>(1), nullptr);
    EXPECT_NE(view<CAnimKnob>(4), nullptr);
    EXPECT_EQ(controller->opened, 1);
}

TEST_F(EditorFixture, BoundControlFollowsItsParameter)
{
    auto* knob = view<CAnimKnob>(0);
    auto* edit = view<CTextEdit>(2);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    controller->hostSets(1, 0.25);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.25f);
    EXPECT_FLOAT_EQ(edit->getValue(), 0.25f);
    EXPECT_TRUE(knob->isDirty());
    EXPECT_TRUE(controller->takeCalls().empty());
}

TEST_F(EditorFixture, ControlEditReachesTheControllerInOrder)
{
    auto* knob = view<CAnimKnob>(0);
    CPoint p(2, 2);
    knob->onMouseDown(p, kLButton);
    CPoint up(2, 2 - knob->getZoomFactor() / 4);
    knob->onMouseMoved(up, kLButton);
    knob->onMouseUp(up, kLButton);
    EXPECT_EQ(controller->takeCalls(), (Calls{"begin 1", "perform 1 0.75", "set 1 0.75", "end 1"}));
    EXPECT_FLOAT_EQ(view<CTextEdit>(2)->getValue(), 0.75f);
}

TEST_F(EditorFixture, EditWithoutBeginIsFramedByTheEditor)
{
    auto* edit = view<CTextEdit>(2);
    ASSERT_TRUE(edit->enterText("0.4"));
    EXPECT_EQ(controller->takeCalls(), (Calls{"begin 1", "perform 1 0.4", "set 1 0.4", "end 1"}));
}

TEST_F(EditorFixture, ParameterWithStepsUsesThePlainRange)
{
    auto* slider = view<CHorizontalSlider>(1);
    EXPECT_EQ(slider->getMin(), 0.f);
    EXPECT_EQ(slider->getMax(), 3.f);
    controller->hostSets(2, 2.0 / 3.0);
    EXPECT_FLOAT_EQ(slider->getValue(), 2.f);
    // The custom knob bound to the same parameter got the same treatment.
    EXPECT_FLOAT_EQ(view<CAnimKnob>(4)->getValue(), 2.f);
    slider->beginEdit();
    slider->setValue(3.f);
    slider->valueChanged();
    slider->endEdit();
    EXPECT_EQ(controller->takeCalls(), (Calls{"begin 2", "perform 2 1", "set 2 1", "end 2"}));
}

TEST_F(EditorFixture, RetaggedControlIsRebound)
{
    ASSERT_NE(controller->keep, nullptr);
    CTextEdit* edit = controller->keep->edit;
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->getListener(), editor);
    controller->hostSets(1, 0.1);
    EXPECT_EQ(edit->getText(), "retag me"); // not bound yet
    edit->setTag(1);
    EXPECT_FLOAT_EQ(edit->getValue(), 0.1f);
    edit->setTag(2);
    EXPECT_EQ(edit->getMax(), 3.f);
    controller->hostSets(1, 0.9);
    controller->hostSets(2, 1.0 / 3.0);
    EXPECT_FLOAT_EQ(edit->getValue(), 1.f);
    EXPECT_EQ(edit->getText(), "entry 1");
    ASSERT_TRUE(edit->enterText("entry 2"));
    EXPECT_EQ(controller->takeCalls().at(1), "perform 2 0.666667");
}

TEST_F(EditorFixture, TimerRunsOnlyWhileAttached)
{
    EXPECT_EQ(clock.getNbRunningTimers(), 1u);
    EXPECT_EQ(editor->getIdleRate(), 300);
    editor->setIdleRate(50);
    EXPECT_EQ(editor->getIdleRate(), 50);
    editor->removed();
    EXPECT_EQ(clock.getNbRunningTimers(), 0u);
    EXPECT_EQ(controller->closed, 1);
    EXPECT_EQ(editor->getFrame(), nullptr);
    // Parameter changes after closing reach no control.
    controller->hostSets(1, 0.3);
    EXPECT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    EXPECT_EQ(controller->opened, 2);
    EXPECT_FLOAT_EQ(view<CAnimKnob>(0)->getValue(), 0.3f);
}

TEST_F(EditorFixture, RefusesUnknownWindowTypesAndSecondAttach)
{
    EXPECT_EQ(editor->isPlatformTypeSupported("HWND"), kResultFalse);
    EXPECT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultFalse);
}

TEST_F(EditorFixture, ExchangedViewIsBuiltAtTheNextTick)
{
    EXPECT_FALSE(editor->exchangeView("NoSuchTemplate"));
    ASSERT_TRUE(editor->exchangeView("Editor"));
    clock.advance(300);
    ASSERT_NE(editor->getFrame(), nullptr);
    EXPECT_EQ(controller->opened, 2);
    EXPECT_EQ(controller->closed, 1);
    EXPECT_EQ(root()->getNbViews(), 6);
}

struct DescriptionCase
{
    const char* file;
};

class DamagedDescription : public testing::TestWithParam<DescriptionCase>
{
};

TEST_P(DamagedDescription, StillOpensWithNoTemplateSizeOrViews)
{
    setResourceDirectory(GUI_TEST_DATA_DIR);
    IPtr<DelegateController> controller = owned(new DelegateController);
    auto* editor = new VST3Editor(controller, "Editor", GetParam().file);
    ViewRect size(1, 1, 1, 1);
    editor->getSize(&size);
    EXPECT_EQ(size.getWidth(), 0);
    EXPECT_EQ(size.getHeight(), 0);
    EXPECT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    EXPECT_EQ(editor->getFrame()->getNbViews(), 0);
    EXPECT_EQ(editor->removed(), kResultTrue);
    editor->release();
    setResourceDirectory("");
}

std::string caseName(const testing::TestParamInfo<DescriptionCase>& info)
{
    std::string file = info.param.file;
    return file.empty() ? "unnamed" : file.substr(0, file.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedDescription,
                         testing::Values(DescriptionCase{"broken.uidesc"},
                                         DescriptionCase{"missing.uidesc"}, DescriptionCase{""}),
                         caseName);

TEST(VST3Editor, WithoutControllerOrDelegateStillOpens)
{
    setResourceDirectory(GUI_TEST_DATA_DIR);
    auto* editor = new VST3Editor(nullptr, "Editor", "editor.uidesc");
    EXPECT_EQ(editor->attached(kParentWindow, kPlatformTypeX11EmbedWindowID), kResultTrue);
    auto* root = dynamic_cast<CViewContainer*>(editor->getFrame()->getView(0));
    ASSERT_NE(root, nullptr);
    // Without a delegate the custom view's node is built from its class.
    EXPECT_EQ(root->getNbViews(), 6);
    auto* knob = dynamic_cast<CAnimKnob*>(root->getView(0));
    knob->beginEdit();
    knob->valueChanged();
    knob->endEdit();
    editor->removed();
    editor->release();
    setResourceDirectory("");
}

} // namespace
