#include "c_draw_context.h"
#include "c_frame.h"
#include "c_text_label.h"

#include "test_images.h"

#include <gtest/gtest.h>

using namespace gui_test;

namespace
{

TEST(DrawContext, OnePixelLinesAndFramesAreCrisp)
{
    Surface s = makeSurface(20, 20);
    {
        CDrawContext context(s.get());
        context.setFrameColor(kRedCColor);
        context.setLineWidth(1);
        context.drawLine(CPoint(5, 2), CPoint(5, 10));
        context.setFrameColor(kGreenCColor);
        context.drawRect(CRect(10, 10, 15, 15), kDrawStroked);
    }
    EXPECT_EQ(pixelAt(s.get(), 5, 2), kRedCColor);
    EXPECT_EQ(pixelAt(s.get(), 5, 10), kRedCColor);
    EXPECT_EQ(pixelAt(s.get(), 4, 6), kBlackCColor);
    EXPECT_EQ(pixelAt(s.get(), 6, 6), kBlackCColor);
    // The frame lies inside the rectangle.
    EXPECT_EQ(pixelAt(s.get(), 10, 12), kGreenCColor);
    EXPECT_EQ(pixelAt(s.get(), 14, 12), kGreenCColor);
    EXPECT_EQ(pixelAt(s.get(), 15, 12), kBlackCColor);
    EXPECT_EQ(pixelAt(s.get(), 12, 12), kBlackCColor);
}

TEST(DrawContext, PolygonFilledAndStrokedUsesBothColours)
{
    Surface s = makeSurface(40, 40);
    {
        CDrawContext context(s.get());
        context.setFillColor(kBlueCColor);
        context.setFrameColor(kYellowCColor);
        context.setLineWidth(2);
        context.drawPolygon(
            {CPoint(0, 20), CPoint(20, 0), CPoint(40, 20), CPoint(20, 40), CPoint(0, 20)},
            kDrawFilledAndStroked);
    }
    EXPECT_EQ(pixelAt(s.get(), 20, 20), kBlueCColor);
    EXPECT_EQ(pixelAt(s.get(), 10, 10), kYellowCColor);
    EXPECT_EQ(pixelAt(s.get(), 2, 2), kBlackCColor);
}

TEST(DrawContext, BitmapIsDrawnFromTheSourceOffsetWithOpacity)
{
    CBitmap* strip = makeStrip(4, 4, {kRedCColor, kGreenCColor});
    Surface s = makeSurface(10, 10);
    {
        CDrawContext context(s.get());
        strip->draw(&context, CRect(0, 0, 4, 4), CPoint(0, 4));
        strip->draw(&context, CRect(5, 5, 9, 9), CPoint(0, 0), 0.5f);
    }
    EXPECT_EQ(pixelAt(s.get(), 1, 1), kGreenCColor);
    CColor half = pixelAt(s.get(), 6, 6);
    EXPECT_NEAR(half.red, 128, 1);
    EXPECT_EQ(half.green, 0);
    // Nothing outside the destination.
    EXPECT_EQ(pixelAt(s.get(), 4, 4), kBlackCColor);
    strip->forget();
}

TEST(DrawContext, EllipseFillsItsRectangleOnly)
{
    Surface s = makeSurface(20, 20);
    {
        CDrawContext context(s.get());
        context.setDrawMode(kAntiAliasing);
        context.setFillColor(kWhiteCColor);
        context.drawEllipse(CRect(0, 0, 20, 20), kDrawFilled);
    }
    EXPECT_EQ(pixelAt(s.get(), 10, 10), kWhiteCColor);
    EXPECT_EQ(pixelAt(s.get(), 0, 0), kBlackCColor);
}

TEST(Bitmap, MissingFileGivesAnEmptyBitmap)
{
    CBitmap bitmap("no-such-image.png");
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 0);
    Surface s = makeSurface(4, 4);
    {
        CDrawContext context(s.get());
        bitmap.draw(&context, CRect(0, 0, 4, 4));
    }
    EXPECT_EQ(pixelAt(s.get(), 1, 1), kBlackCColor);
}

TEST(Bitmap, LoadsPngByNameFromTheResourceFolder)
{
    setResourceDirectory(GUI_TEST_DATA_DIR);
    CBitmap bitmap("strip.png");
    setResourceDirectory("");
    ASSERT_TRUE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 4);
    EXPECT_EQ(bitmap.getHeight(), 8);
}

TEST(Frame, ChildrenDrawInTheirContainersCoordinatesClippedToThem)
{
    CFrame* frame = new CFrame(CRect(0, 0, 40, 40), nullptr);
    auto* container = new CViewContainer(CRect(10, 10, 30, 30));
    container->setBackgroundColor(kBlueCColor);
    auto* label = new CTextLabel(CRect(5, 5, 40, 40)); // overhangs its container
    label->setBackColor(kRedCColor);
    label->setStyle(kNoFrame);
    container->addView(label);
    frame->addView(container);
    Surface s = makeSurface(40, 40);
    frame->render(s.get());
    EXPECT_EQ(pixelAt(s.get(), 12, 12), kBlueCColor);
    EXPECT_EQ(pixelAt(s.get(), 16, 16), kRedCColor);
    EXPECT_EQ(pixelAt(s.get(), 29, 29), kRedCColor);
    EXPECT_EQ(pixelAt(s.get(), 31, 31), kBlackCColor);
    EXPECT_FALSE(frame->isDirty());
    frame->close();
}

} // namespace
