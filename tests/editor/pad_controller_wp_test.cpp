#include "pad_controller_wp.h"

#include "recording_edit_controller.h"
#include "xy_pad_wp.h"

#include "ui_attributes.h"

#include <gtest/gtest.h>

namespace
{
using namespace VSTGUI;
using namespace Steinberg::Vst;

TEST(CPadControllerWP, APadDragIsFourEditsPerMoveFramedByOneGroupEdit)
{
    auto* controller = new RecordingEditController;
    Parameter* x = controller->add(new RangeParameter(STR16("X"), 3, nullptr, 0, 1, 0));
    Parameter* y = controller->add(new RangeParameter(STR16("Y"), 4, nullptr, 0, 1, 0));
    RecordingParentController parent;
    auto* padController = new CPadControllerWP(&parent, controller, x, y);
    // A pad of 110 pixels with a 10-pixel handle: 100 pixels of travel.
    auto* pad = new CXYPadWP(CRect(0, 0, 110, 110));
    pad->setRoundRectRadius(10);
    EXPECT_EQ(padController->verifyView(pad, UIAttributes(), nullptr), pad);
    EXPECT_EQ(pad->getListener(), padController);

    controller->log.clear();
    CPoint where(30, 80); // view fractions (0.25, 0.75): parameter side (0.25, 0.25)
    pad->onMouseDown(where, kLButton);
    where = CPoint(55, 5); // (0.5, 0): parameter side (0.5, 1)
    pad->onMouseMoved(where, kLButton);
    pad->onMouseUp(where, kLButton);
    EXPECT_EQ(controller->log, (std::vector<std::string>{
                                   "perform 3 0.25", "set 3 0.25", "perform 4 0.25", "set 4 0.25",
                                   "startGroup", "begin 3", "begin 4", "perform 3 0.5", "set 3 0.5",
                                   "perform 4 1", "set 4 1", "end 3", "end 4", "finishGroup"}));
    EXPECT_TRUE(parent.log.empty());

    // Parameter changes come back packed, with y turned to the view side.
    controller->setParamNormalized(3, 0.25);
    controller->setParamNormalized(4, 0.75);
    float vx = 0.f;
    float vy = 0.f;
    CXYPad::calculateXY(pad->getValue(), vx, vy);
    EXPECT_NEAR(vx, 0.25f, 1e-6);
    EXPECT_NEAR(vy, 0.25f, 1e-3);

    pad->forget();
    padController->release();
    controller->release();
}
} // namespace
