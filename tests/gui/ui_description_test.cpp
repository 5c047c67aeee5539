#include "ui_description.h"

#include "c_anim_knob.h"
#include "c_font_desc.h"
#include "c_text_label.h"
#include "c_view_container.h"
#include "i_controller.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace
{

const char* kDescription = R"(<?xml version="1.0" encoding="UTF-8"?>
<vstgui-ui-description version="1">
  <bitmaps><bitmap name="strip" path="strip.png"/></bitmaps>
  <fonts><font name="Label" font-name="Serif" size="15" bold="true"/></fonts>
  <colors>
    <color name="Panel" rgba="#102030ff"/>
    <color name="Opaque" rgb="#a0b0c0"/>
    <color name="Broken" rgba="#12"/>
  </colors>
  <control-tags><control-tag name="Gain" tag="12"/><control-tag name="Bad" tag="x"/></control-tags>
  <custom><attributes name="FocusDrawing" enabled="true"/></custom>
  <template name="Editor" class="CViewContainer" origin="0, 0" size="200, 100" minSize="200, 100"
            maxSize="400, 200" background-color="Panel">
    <view class="CTextLabel" origin="5, 6" size="50, 10" title="Mix" font="Label" font-color="~ RedCColor"
          back-color="#00ff0080" style-round-rect="true" style-no-frame="true" text-alignment="left"/>
    <view class="CMysteryView" origin="0, 0" size="5, 5"/>
    <view class="CAnimKnob" origin="nonsense" size="20, 20" control-tag="Gain" height-of-one-image="tall"
          sub-pixmaps="8" inverse-bitmap="yes" unknown-attribute="1"/>
    <view class="CViewContainer" origin="100, 0" size="50, 50" sub-controller="Sub">
      <view class="CAnimKnob" origin="1, 2" size="10, 10" control-tag="13"/>
    </view>
    <view custom-view-name="Special" class="CTextLabel" origin="3, 3" size="9, 9" title="custom"/>
    <view template="Small" origin="20, 70"/>
    <view template="Loop" origin="0, 0"/>
  </template>
  <template name="Small" class="CViewContainer" origin="0, 0" size="30, 20">
    <view class="CTextLabel" origin="1, 1" size="10, 10" title="inner"/>
  </template>
  <template name="Loop" class="CViewContainer" size="10, 10">
    <view template="Loop" origin="0, 0"/>
  </template>
</vstgui-ui-description>
)";

// Records the views offered to it and answers for "Special" and "Sub".
struct Controller : IController
{
    std::string name;
    Controller* sub = nullptr;
    std::vector<std::string> verified;
    IControlListener* listenerSeen = nullptr;

    explicit Controller(std::string n) : name(std::move(n)) {}
    ~Controller() override = default;

    void valueChanged(CControl*) override {}
    CView* createView(const UIAttributes& a, const IUIDescription*) override
    {
        const std::string* n = a.getAttributeValue("custom-view-name");
        if (n && *n == "Special")
            return new CTextLabel(CRect(40, 40, 60, 50), "made");
        return nullptr;
    }
    CView* verifyView(CView* view, const UIAttributes&, const IUIDescription* d) override
    {
        verified.emplace_back(view->getClassName());
        if (auto* c = dynamic_cast<CControl*>(view))
            listenerSeen = c->getListener();
        (void)d;
        return view;
    }
    IController* createSubController(UTF8StringPtr n, const IUIDescription*) override
    {
        if (std::string(n) != "Sub")
            return nullptr;
        sub = new Controller("sub");
        return sub;
    }
};

struct DescriptionFixture : testing::Test
{
    UIDescription* description = new UIDescription("unused.uidesc");
    void SetUp() override { ASSERT_TRUE(description->parseText(kDescription)); }
    void TearDown() override { description->forget(); }
};

TEST_F(DescriptionFixture, ColoursByNameStandardNameAndLiteral)
{
    struct Case
    {
        const char* name;
        bool known;
        CColor expected;
    } cases[] = {
        {"Panel", true, CColor(0x10, 0x20, 0x30, 0xff)},
        {"Opaque", true, CColor(0xa0, 0xb0, 0xc0, 0xff)},
        {"~ BlueCColor", true, kBlueCColor},
        {"~ TransparentCColor", true, kTransparentCColor},
        {"#01020304", true, CColor(1, 2, 3, 4)},
        {"Broken", false, kWhiteCColor},
        {"#zz0000ff", false, kWhiteCColor},
        {"~ PurpleCColor", false, kWhiteCColor},
        {"panel", false, kWhiteCColor},
    };
    for (const Case& c : cases)
    {
        CColor color = kWhiteCColor;
        EXPECT_EQ(description->getColor(c.name, color), c.known) << c.name;
        EXPECT_EQ(color, c.expected) << c.name;
    }
}

TEST_F(DescriptionFixture, TagsFontsAndBitmapsByName)
{
    EXPECT_EQ(description->getTagForName("Gain"), 12);
    EXPECT_EQ(description->getTagForName("33"), 33);
    EXPECT_EQ(description->getTagForName("Bad"), -1);
    EXPECT_EQ(description->getTagForName("Cutoff"), -1);
    CFontDesc* font = description->getFont("Label");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->getName(), "Serif");
    EXPECT_EQ(font->getSize(), 15);
    EXPECT_EQ(font->getStyle(), kBoldFace);
    EXPECT_NE(description->getFont("~ NormalFontSmall"), nullptr);
    EXPECT_NE(description->getBitmap("strip"), nullptr);
    EXPECT_EQ(description->getBitmap("strip"), description->getBitmap("strip"));
    EXPECT_EQ(description->getBitmap("knob"), nullptr);
}

TEST_F(DescriptionFixture, TemplateAttributesAreReadable)
{
    const UIAttributes* attributes = description->getViewAttributes("Editor");
    ASSERT_NE(attributes, nullptr);
    CPoint size;
    EXPECT_TRUE(attributes->getPointAttribute("maxSize", size));
    EXPECT_EQ(size, CPoint(400, 200));
    EXPECT_EQ(description->getViewAttributes("editor"), nullptr);
    EXPECT_EQ(description->getTemplateNames(),
              (std::vector<std::string>{"Editor", "Small", "Loop"}));
}

TEST_F(DescriptionFixture, BuildsTheTemplateSkippingWhatItCantRead)
{
    Controller controller("editor");
    CView* root = description->createView("Editor", &controller);
    ASSERT_NE(root, nullptr);
    auto* container = dynamic_cast<CViewContainer*>(root);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->getViewSize(), CRect(0, 0, 200, 100));
    EXPECT_EQ(container->getBackgroundColor(), CColor(0x10, 0x20, 0x30, 0xff));
    // The unknown class is left out; everything else is there, in order.
    ASSERT_EQ(container->getNbViews(), 6);

    auto* label = dynamic_cast<CTextLabel*>(container->getView(0));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getText(), "Mix");
    EXPECT_EQ(label->getViewSize(), CRect(5, 6, 55, 16));
    EXPECT_EQ(label->getFontColor(), kRedCColor);
    EXPECT_EQ(label->getBackColor(), CColor(0, 255, 0, 128));
    EXPECT_EQ(label->getStyle(), kRoundRectStyle | kNoFrame);
    EXPECT_EQ(label->getHoriAlign(), kLeftText);
    EXPECT_EQ(label->getFont(), description->getFont("Label"));

    // Unreadable attribute texts keep the defaults.
    auto* knob = dynamic_cast<CAnimKnob*>(container->getView(1));
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->getViewSize(), CRect(0, 0, 20, 20));
    EXPECT_EQ(knob->getTag(), 12);
    EXPECT_EQ(knob->getListener(), &controller);
    EXPECT_EQ(knob->getNumSubPixmaps(), 8);
    EXPECT_EQ(knob->getHeightOfOneImage(), 20);
    EXPECT_FALSE(knob->getInverseBitmap());

    // The custom view keeps its own rectangle and gets its class's other attributes.
    auto* custom = dynamic_cast<CTextLabel*>(container->getView(3));
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->getViewSize(), CRect(40, 40, 60, 50));
    EXPECT_EQ(custom->getText(), "custom");

    // A template reference inserts a copy of that template at the given origin.
    auto* small = dynamic_cast<CViewContainer*>(container->getView(4));
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->getViewSize(), CRect(20, 70, 50, 90));
    EXPECT_EQ(dynamic_cast<CTextLabel*>(small->getView(0))->getText(), "inner");
    root->forget();
}

TEST_F(DescriptionFixture, SubControllerGetsTheViewsOfItsContainer)
{
    Controller controller("editor");
    CView* root = description->createView("Editor", &controller);
    ASSERT_NE(controller.sub, nullptr);
    EXPECT_EQ(controller.sub->verified, (std::vector<std::string>{"CAnimKnob"}));
    // The sub-controller answered for the listener of the control inside it.
    EXPECT_EQ(controller.sub->listenerSeen, controller.sub);
    auto* container =
        dynamic_cast<CViewContainer*>(dynamic_cast<CViewContainer*>(root)->getView(2));
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->getController(), controller.sub);
    EXPECT_EQ(controller.verified.front(), "CTextLabel");
    EXPECT_EQ(controller.verified.back(), "CViewContainer");
    root->forget(); // also deletes the sub-controller
}

TEST(Description, BrokenOrMissingFileGivesAnEmptyDescription)
{
    const char* texts[] = {
        "<vstgui-ui-description><template name=\"Editor\" size=\"10, 10\"></vstgui-ui-description>",
        "<other-root><template name=\"Editor\" size=\"10, 10\"/></other-root>",
        "",
        "\xff\xfe garbage",
    };
    for (const char* text : texts)
    {
        UIDescription description("x.uidesc");
        EXPECT_FALSE(description.parseText(text)) << text;
        EXPECT_EQ(description.getViewAttributes("Editor"), nullptr);
        EXPECT_EQ(description.createView("Editor", nullptr), nullptr);
        EXPECT_TRUE(description.getTemplateNames().empty());
    }
    UIDescription missing("/no/such/dir/x.uidesc");
    EXPECT_FALSE(missing.parse());
    EXPECT_EQ(missing.getViewAttributes("Editor"), nullptr);
}

TEST(Description, ReadsTheFileFromTheResourceFolder)
{
    setResourceDirectory(GUI_TEST_DATA_DIR);
    UIDescription description("editor.uidesc");
    setResourceDirectory("");
    EXPECT_TRUE(description.parse());
    EXPECT_NE(description.getViewAttributes("Editor"), nullptr);
}

} // namespace
