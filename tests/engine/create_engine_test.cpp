#include "create_engine.h"

#include "plug_in.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CreateEngine, ReturnsTheEffectWithItsControlsBuilt)
{
    const std::unique_ptr<CPlugIn> engine(createEngine());
    ASSERT_NE(engine, nullptr);
    EXPECT_STREQ(engine->name, "nettlesheave2");
    EXPECT_EQ(engine->controls.count(), 16);
    EXPECT_TRUE(engine->wantsEditor);
}
