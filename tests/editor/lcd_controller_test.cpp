#include "lcd_controller.h"

#include "recording_edit_controller.h"

#include "c_anim_knob.h"
#include "c_text_edit.h"
#include "c_text_label.h"
#include "ui_attributes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using namespace VSTGUI;
using namespace Steinberg;
using namespace Steinberg::Vst;

constexpr ParamID kWheel = 32771;

// Five LCD parameters; the third is a list of four entries, the others are
// continuous. The wheel's plain value 0 to 4 selects one.
struct LcdFixture
{
    LcdFixture()
    {
        lcdParameters.init();
        const TChar* titles[] = {STR16("Alpha"), STR16("Beta"), STR16("Gamma"), STR16("Delta"),
                                 STR16("Epsilon")};
        for (ParamID id = 0; id < 5; ++id)
        {
            Parameter* p = nullptr;
            if (id == 2)
            {
                auto* list = new StringListParameter(titles[id], id);
                for (const TChar* entry : {STR16("a"), STR16("b"), STR16("c"), STR16("d")})
                    list->appendString(entry);
                p = list;
            }
            else
            {
                p = new RangeParameter(titles[id], id, nullptr, 0, 100, 0);
            }
            controller->add(p);
            p->addRef();
            lcdParameters.addParameter(p);
        }
        wheel = controller->add(new RangeParameter(STR16("Alpha Wheel"), kWheel, nullptr, 0, 4, 0));
        lcdValue = controller->add(new RangeParameter(STR16("LCD Value"), 32772, nullptr, 0, 1, 0));
    }
    ~LcdFixture()
    {
        views.clear();
        if (lcd)
            lcd->release();
    }

    void selectPlain(double plain) { wheel->setNormalized(wheel->toNormalized(plain)); }

    // Builds the LCD group and offers it a knob, a text edit, both labels and a
    // stranger label.
    void build()
    {
        lcd = new LCDController(&parent, &lcdParameters, wheel, lcdValue, controller.get());
        knob = offer(new CAnimKnob(CRect(0, 0, 10, 10), &parent, -1, nullptr));
        edit = offer(new CTextEdit(CRect(0, 0, 10, 10), &parent, -1));
        name = offer(new CTextLabel(CRect(0, 0, 10, 10), "LCD Control Name"));
        index = offer(new CTextLabel(CRect(0, 0, 10, 10), "1/N"));
        stranger = offer(new CTextLabel(CRect(0, 0, 10, 10), "Gain"));
    }

    template <typename View> View* offer(View* view)
    {
        views.emplace_back(view);
        EXPECT_EQ(lcd->verifyView(view, UIAttributes(), nullptr), view);
        return view;
    }

    struct Release
    {
        void operator()(CView* v) const { v->forget(); }
    };

    std::unique_ptr<RecordingEditController, void (*)(RecordingEditController*)> controller{
        new RecordingEditController, [](RecordingEditController* c) { c->release(); }};
    ParameterContainer lcdParameters;
    Parameter* wheel = nullptr;
    Parameter* lcdValue = nullptr;
    RecordingParentController parent;
    LCDController* lcd = nullptr;
    std::vector<std::unique_ptr<CView, Release>> views;
    CAnimKnob* knob = nullptr;
    CTextEdit* edit = nullptr;
    CTextLabel* name = nullptr;
    CTextLabel* index = nullptr;
    CTextLabel* stranger = nullptr;
};

TEST(LCDController, ShowsTheSelectedParameterFromTheStart)
{
    for (const auto& [plain, title, position] :
         {std::tuple{0.0, "Alpha", "1/5"}, {2.0, "Gamma", "3/5"}, {4.0, "Epsilon", "5/5"}})
    {
        LcdFixture f;
        f.selectPlain(plain);
        f.build();
        EXPECT_EQ(f.name->getText(), title);
        EXPECT_EQ(f.index->getText(), position);
        EXPECT_EQ(f.stranger->getText(), "Gain");
        EXPECT_EQ(f.knob->getListener(), f.lcd);
        EXPECT_TRUE(f.parent.log.empty()); // views are not passed on
    }
}

TEST(LCDController, FollowsTheWheelOnlyWhenItCrossesToAnotherEntry)
{
    LcdFixture f;
    f.build();
    f.controller->setParamNormalized(1, 0.4);
    f.selectPlain(0.9);
    f.lcd->updateSelectedControl();
    EXPECT_EQ(f.name->getText(), "Alpha");
    EXPECT_EQ(f.edit->getTag(), 0);

    f.selectPlain(1.2);
    f.lcd->updateSelectedControl();
    EXPECT_EQ(f.lcd->getCurrentParameter()->getInfo().id, 1u);
    EXPECT_EQ(f.name->getText(), "Beta");
    EXPECT_EQ(f.index->getText(), "2/5");
    EXPECT_EQ(f.edit->getTag(), 1);
    EXPECT_FLOAT_EQ(f.knob->getValue(), 0.4f);

    // The group now follows the new parameter and no longer the old one.
    f.controller->setParamNormalized(1, 0.7);
    EXPECT_FLOAT_EQ(f.knob->getValue(), 0.7f);
    f.controller->setParamNormalized(0, 0.1);
    EXPECT_FLOAT_EQ(f.knob->getValue(), 0.7f);
}

TEST(LCDController, TheTextEditShowsPlainValuesOfSteppedParameters)
{
    LcdFixture f;
    f.build();
    f.controller->setParamNormalized(0, 0.25);
    EXPECT_FLOAT_EQ(f.edit->getMax(), 1.f);
    EXPECT_FLOAT_EQ(f.edit->getValue(), 0.25f);

    f.selectPlain(2.0);
    f.lcd->updateSelectedControl();
    f.controller->setParamNormalized(2, 1.0);
    EXPECT_EQ(f.edit->getTag(), 2);
    EXPECT_FLOAT_EQ(f.edit->getMax(), 3.f);
    EXPECT_FLOAT_EQ(f.edit->getValue(), 3.f);
}

TEST(LCDController, KnobEditsGoToTheSelectedParameterInsideAGroupEdit)
{
    LcdFixture f;
    f.selectPlain(3.0);
    f.build();
    f.controller->log.clear();
    f.lcd->controlBeginEdit(f.knob);
    f.knob->setValue(0.5f);
    f.lcd->valueChanged(f.knob);
    f.lcd->controlEndEdit(f.knob);
    EXPECT_EQ(f.controller->log, (std::vector<std::string>{"startGroup", "begin 3", "perform 3 0.5",
                                                           "set 3 0.5", "end 3", "finishGroup"}));

    // Other controls belong to the parent.
    f.lcd->controlBeginEdit(f.edit);
    f.lcd->valueChanged(f.edit);
    f.lcd->controlEndEdit(f.edit);
    EXPECT_EQ(f.parent.log,
              (std::vector<std::string>{"parent begin", "parent value", "parent end"}));
}
} // namespace
