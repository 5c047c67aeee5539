#include "pad_controller.h"

#include "c_xy_pad.h"
#include "recording_controller.h"
#include "ui_attributes.h"

#include <gtest/gtest.h>

using namespace gui_test;
using VSTGUI::CXYPad;
using Calls = std::vector<std::string>;

namespace
{

struct PadControllerFixture : testing::Test
{
    IPtr<RecordingController> controller = owned(new RecordingController);
    VSTGUI::PadController* pad = nullptr;
    CXYPad* view = nullptr;

    void SetUp() override
    {
        Parameter* x = controller->addContinuous(12, "X", 0.25);
        Parameter* y = controller->addContinuous(13, "Y", 0.75);
        pad = new VSTGUI::PadController(nullptr, controller, x, y);
        view = new CXYPad(VSTGUI::CRect(0, 0, 100, 100));
        EXPECT_EQ(pad->verifyView(view, VSTGUI::UIAttributes(), nullptr), view);
    }
    void TearDown() override
    {
        view->forget();
        pad->release();
    }
};

TEST_F(PadControllerFixture, PadShowsBothParametersPacked)
{
    EXPECT_EQ(view->getListener(), pad);
    EXPECT_FLOAT_EQ(view->getValue(), CXYPad::calculateValue(0.25f, 0.75f));
    controller->hostSets(13, 0.5);
    EXPECT_FLOAT_EQ(view->getValue(), CXYPad::calculateValue(0.25f, 0.5f));
}

TEST_F(PadControllerFixture, PadMoveEditsXThenYInsideOneGroupEdit)
{
    view->beginEdit();
    view->setValue(CXYPad::calculateValue(0.5f, 0.f));
    view->valueChanged();
    view->endEdit();
    EXPECT_EQ(controller->takeCalls(),
              (Calls{"group", "begin 12", "begin 13", "perform 12 0.5", "set 12 0.5",
                     "perform 13 0", "set 13 0", "end 12", "end 13", "endgroup"}));
}

TEST_F(PadControllerFixture, OtherViewsAndControlsArePassedOn)
{
    CXYPad other(VSTGUI::CRect(0, 0, 10, 10));
    other.setListener(pad);
    other.valueChanged(); // no parent controller: ignored, not an edit of x or y
    EXPECT_TRUE(controller->takeCalls().empty());
    EXPECT_EQ(pad->getPadControl(), view);
    EXPECT_TRUE(pad->isTypeOf("PadController"));
}

TEST(PadController, WithoutParametersDoesNothing)
{
    auto* pad = new VSTGUI::PadController(nullptr, nullptr, nullptr, nullptr);
    CXYPad view(VSTGUI::CRect(0, 0, 10, 10));
    pad->verifyView(&view, VSTGUI::UIAttributes(), nullptr);
    view.beginEdit();
    view.valueChanged();
    view.endEdit();
    pad->release();
}

} // namespace
