// Saved state as hosts use it: a project saved with the effect bypassed opens
// bypassed in a new instance, and an unbypassed one opens processing.
#include "conformance_host.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace conformance;

namespace
{

TEST(State, BypassPersistsThroughSavedState)
{
    const Signal input = testSignal(2, 4096);
    for (const bool bypassed : {true, false})
    {
        SCOPED_TRACE(bypassed);
        Session first = startSession(44100.0, 2, 512);
        ASSERT_TRUE(first.renderer);
        const ParamID bypass = bypassId(*first.plugin->controller());
        vst3host::ParameterChanges changes(64, 1);
        addSoundSetting(*first.plugin->controller(), changes);
        changes.addPoint(bypass, 0, bypassed ? 1.0 : 0.0);
        first.renderer->flush(changes, false);
        std::vector<char> saved;
        ASSERT_TRUE(first.plugin->getState(saved));

        // Opened in an instance whose own bypass is the opposite.
        Session second = startSession(44100.0, 2, 512);
        ASSERT_TRUE(second.renderer);
        vst3host::ParameterChanges opposite(1, 1);
        opposite.addPoint(bypass, 0, bypassed ? 0.0 : 1.0);
        second.renderer->flush(opposite, false);
        ASSERT_TRUE(second.plugin->setState(saved));

        EXPECT_EQ(second.plugin->controller()->getParamNormalized(bypass), bypassed ? 1.0 : 0.0);
        const Signal output = second.renderer->render(input, {512});
        if (bypassed)
            EXPECT_EQ(output, input);
        else
            EXPECT_EQ(output, first.renderer->render(input, {512}));
        std::vector<char> resaved;
        ASSERT_TRUE(second.plugin->getState(resaved));
        EXPECT_EQ(resaved, saved);
    }
}

} // namespace
