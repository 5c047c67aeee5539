#include "c_control.h"
#include "c_text_edit.h"

#include "recording_listener.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using gui_test::RecordingListener;

namespace
{

using Events = std::vector<std::string>;

TEST(Control, NestedEditsReachTheListenerOnce)
{
    RecordingListener listener;
    CControl control(CRect(0, 0, 10, 10), &listener, 3);
    control.beginEdit();
    control.beginEdit();
    EXPECT_EQ(control.getEditing(), 2);
    control.endEdit();
    EXPECT_TRUE(control.isEditing());
    control.endEdit();
    control.endEdit(); // one too many: ignored
    EXPECT_FALSE(control.isEditing());
    EXPECT_EQ(listener.events, (Events{"begin", "end"}));
}

TEST(Control, TagChangeIsAnnouncedBeforeAndAfter)
{
    RecordingListener listener;
    CControl control(CRect(0, 0, 10, 10), &listener, 3);
    control.setTag(3);
    control.setTag(9);
    EXPECT_EQ(listener.events, (Events{"tag 3->9"}));
}

TEST(Control, NormalizedValueMapsIntoTheRange)
{
    CControl control(CRect(0, 0, 10, 10));
    control.setMin(2.f);
    control.setMax(6.f);
    control.setValueNormalized(0.25f);
    EXPECT_FLOAT_EQ(control.getValue(), 3.f);
    EXPECT_FLOAT_EQ(control.getValueNormalized(), 0.25f);
    control.setValueNormalized(7.f);
    EXPECT_FLOAT_EQ(control.getValue(), 6.f);
    control.setMax(2.f);
    EXPECT_FLOAT_EQ(control.getValueNormalized(), 0.f); // empty range: no division by zero
}

TEST(Control, IsDirtyUntilTheValueIsDrawn)
{
    CControl control(CRect(0, 0, 10, 10));
    control.setDirty(false);
    EXPECT_FALSE(control.isDirty());
    control.setValue(0.4f);
    EXPECT_TRUE(control.isDirty());
    control.setDirty(false);
    EXPECT_FALSE(control.isDirty());
    EXPECT_FLOAT_EQ(control.getOldValue(), 0.4f);
    control.invalid();
    EXPECT_TRUE(control.isDirty());
}

TEST(TextEdit, EnteredTextBecomesAValueInsideOneEdit)
{
    RecordingListener listener;
    CTextEdit edit(CRect(0, 0, 40, 10), &listener, 1);
    edit.setMax(10.f);
    EXPECT_TRUE(edit.enterText("7.5"));
    EXPECT_FLOAT_EQ(edit.getValue(), 7.5f);
    EXPECT_EQ(edit.getText(), "7.50");
    EXPECT_FALSE(edit.enterText("loud"));
    EXPECT_TRUE(edit.enterText("99"));
    EXPECT_FLOAT_EQ(edit.getValue(), 10.f); // clamped into the range
    EXPECT_EQ(listener.events, (Events{"begin", "value 7.5", "end", "begin", "value 10", "end"}));
}

TEST(TextEdit, UsesTheConversionFunctionsWhenSet)
{
    CTextEdit edit(CRect(0, 0, 40, 10), nullptr, 1);
    edit.setValueToStringFunction(
        [](float v, std::string& out, CParamDisplay*)
        {
            out = v > 0.5f ? "on" : "off";
            return true;
        });
    edit.setStringToValueFunction(
        [](const std::string& text, float& v, CTextEdit*)
        {
            if (text != "on" && text != "off")
                return false;
            v = text == "on" ? 1.f : 0.f;
            return true;
        });
    edit.setValue(1.f);
    EXPECT_EQ(edit.getText(), "on");
    EXPECT_TRUE(edit.enterText("off"));
    EXPECT_FLOAT_EQ(edit.getValue(), 0.f);
    EXPECT_EQ(edit.getText(), "off");
    EXPECT_FALSE(edit.enterText("0.3"));
}

TEST(ClassIdentity, AnswersForTheClassAndItsBases)
{
    CTextEdit edit(CRect(0, 0, 40, 10), nullptr, 1);
    for (const char* name :
         {"CTextEdit", "CTextLabel", "CParamDisplay", "CControl", "CView", "CBaseObject"})
        EXPECT_TRUE(edit.isTypeOf(name)) << name;
    EXPECT_FALSE(edit.isTypeOf("CSlider"));
    EXPECT_STREQ(edit.getClassName(), "CTextEdit");
}

} // namespace
