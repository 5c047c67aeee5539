#include "nettlesheave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace
{
const std::string kSpaces64(64, ' ');

// A prepared engine at 44100 Hz, as the bridge leaves it before processing.
struct Prepared
{
    Prepared()
    {
        engine.sampleRate = 44100;
        engine.prepare();
    }
    CNettlesheave engine;
};

float incrementFor(float frequency, std::int32_t sampleRate = 44100)
{
    CWavetableOscillator reference;
    reference.sampleRate = sampleRate;
    reference.frequency = frequency;
    reference.updateIncrement();
    return reference.increment;
}

std::vector<float> testSignal(std::size_t frames, unsigned seed = 3)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    std::vector<float> signal(frames);
    for (float& s : signal)
        s = sample(random);
    return signal;
}
} // namespace

TEST(Nettlesheave, DescriptorsFollowTheControlTable)
{
    CNettlesheave e;
    enum Units
    {
        kBlank,
        kWord,
        kEmpty
    };
    struct Row
    {
        std::uint32_t id;
        const void* variable;
        const char* variableName;
        const char* name;
        std::uint32_t controlType;
        std::uint32_t dataType;
        float minValue, maxValue, defaultValue;
        const char* enumeration;
        Units units;
    };
    const char* sel = "SEL1,SEL2,SEL3";
    const char* sw = "SWITCH_OFF,SWITCH_ON";
    const char* waves = "sine,saw,tri,square";
    const Row rows[] = {
        {0, &e.m_nBufferSizeLeft, "m_nBufferSizeLeft", "Buffer size", 100, 0, 1, 64, 1, sel,
         kBlank},
        {1, &e.m_uWaveformLeft, "m_uWaveformLeft", "LFO Waveform", 100, 3, 0, 3, 0, waves, kBlank},
        {2, &e.m_fLFORateLeft, "m_fLFORateLeft", "LFO rate", 100, 1, 0.01f, 20, 1, sel, kBlank},
        {3, &e.m_uModSourceLeft, "m_uModSourceLeft", "Mod Source", 100, 3, 0, 1, 0, "LFO,SELF",
         kBlank},
        {4, &e.m_fMix, "m_fMix", "Mix", 100, 1, 0, 100, 50, sel, kBlank},
        {5, &e.m_fMixModRate, "m_fMixModRate", "Mix Mod Rate", 100, 1, 0.001f, 20, 1, sel, kBlank},
        {6, &e.m_uLeftLFODest, "m_uLeftLFODest", "Left LFO Dest", 100, 3, 0, 1, 0, "read,size",
         kWord},
        {7, &e.m_uRightLFODest, "m_uRightLFODest", "Right LFO Dest", 100, 3, 0, 1, 0, "read,size",
         kBlank},
        {10, &e.m_nBufferSizeRight, "m_nBufferSizeRight", "Right Buffer Size", 100, 0, 1, 64, 1,
         sel, kBlank},
        {11, &e.m_uWaveformRight, "m_uWaveformRight", "LFO Waveform Right", 100, 3, 0, 3, 0, waves,
         kBlank},
        {12, &e.m_fLFORateRight, "m_fLFORateRight", "LFO rate right", 100, 1, 0.01f, 20, 1, sel,
         kBlank},
        {13, &e.m_uModSourceRight, "m_uModSourceRight", "Mod Source Right", 100, 3, 0, 1, 0,
         "LFO,SELF", kBlank},
        {45, &e.m_uDoModulateLeft, "m_uDoModulateLeft", "Left Buffer Mod", 102, 3, 0, 1, 0, sw,
         kEmpty},
        {46, &e.m_uStereoLink, "m_uStereoLink", "Stereo Link", 102, 3, 0, 1, 0, sw, kEmpty},
        {47, &e.m_uMixMod, "m_uMixMod", "Mix Mod", 102, 3, 0, 1, 0, sw, kEmpty},
        {48, &e.m_uDoModulateRight, "m_uDoModulateRight", "Right Buffer Mod", 102, 3, 0, 1, 0, sw,
         kEmpty},
    };
    const std::string unitsTexts[] = {kSpaces64, "Units" + std::string(59, ' '), ""};

    ASSERT_EQ(e.controls.count(), 16);
    for (std::int32_t position = 0; position < 16; ++position)
    {
        const Row& r = rows[position];
        const CControlDescriptor& d = *e.controls.at(position);
        SCOPED_TRACE(r.name);
        EXPECT_EQ(d.controlId, r.id);
        EXPECT_STREQ(d.variableName, r.variableName);
        EXPECT_STREQ(d.name, r.name);
        EXPECT_EQ(d.controlType, r.controlType);
        EXPECT_EQ(d.dataType, r.dataType);
        EXPECT_EQ(d.minValue, r.minValue);
        EXPECT_EQ(d.maxValue, r.maxValue);
        EXPECT_STREQ(d.enumeration, r.enumeration);
        EXPECT_EQ(std::string(d.units), unitsTexts[r.units]);

        // Exactly the variable field of the data type is set, and so is its default.
        const void* variables[] = {d.intVariable, d.floatVariable, d.doubleVariable,
                                   d.uintVariable};
        const float defaults[] = {d.intDefault, d.floatDefault, d.doubleDefault, d.uintDefault};
        for (std::uint32_t type = 0; type < 4; ++type)
        {
            EXPECT_EQ(variables[type], type == r.dataType ? r.variable : nullptr);
            EXPECT_EQ(defaults[type], type == r.dataType ? r.defaultValue : 0.0f);
        }
        const float current = r.dataType == 0   ? static_cast<float>(*d.intVariable)
                              : r.dataType == 1 ? *d.floatVariable
                                                : static_cast<float>(*d.uintVariable);
        EXPECT_EQ(current, r.defaultValue);

        EXPECT_FALSE(d.logScale);
        EXPECT_FALSE(d.logScaleAlt);
        EXPECT_FALSE(d.midiControllable);
        EXPECT_EQ(d.midiStatus, 176u);
        EXPECT_EQ(d.midiController, 3u);
        EXPECT_EQ(d.lcdMember, 0);
        EXPECT_EQ(d.meterVariable, nullptr);
        EXPECT_EQ(d.meterDetectMode, 2u);
        EXPECT_EQ(d.meterAttackMs, 10.0f);
        EXPECT_EQ(d.meterReleaseMs, 500.0f);
    }
}

TEST(Nettlesheave, ConstructionSettings)
{
    CNettlesheave e;
    EXPECT_STREQ(e.name, "nettlesheave2");
    EXPECT_TRUE(e.wantsEditor);
    EXPECT_FALSE(e.outputOnly);
    EXPECT_FALSE(e.wantsMidiMessages);
    EXPECT_FALSE(e.processesBlocks);
    EXPECT_EQ(e.lcdEnabled, 0);
    EXPECT_EQ(e.vectorJoystickEnabled, 0);
    EXPECT_EQ(e.guiUpdateRequested.load(), 0);
    EXPECT_STREQ(e.buttonNames[2], "B3");
    EXPECT_STREQ(e.joystickY.name, "MIDI JS Y");
    EXPECT_EQ(e.mixFraction, 0.0f);
    for (const CWavetableOscillator* lfo : {&e.leftLfo, &e.rightLfo, &e.mixLfo})
    {
        EXPECT_EQ(lfo->frequency, 0.0f);
        EXPECT_EQ(lfo->polarity, 1u);
    }
    EXPECT_EQ(e.leftLfo.waveform, 0u);
    EXPECT_EQ(e.mixLfo.waveform, 2u);
    EXPECT_EQ(e.leftWindow.getCapacity(), 5);
    EXPECT_EQ(e.leftWindow.getTarget(), 0);

    EXPECT_TRUE(e.buildControls());
    EXPECT_EQ(e.controls.count(), 16);
}

TEST(Nettlesheave, NormalizedWritesReachTheEffect)
{
    Prepared p;
    CNettlesheave& e = p.engine;
    EXPECT_EQ(e.getControlNormalized(2), (1.0f - 0.01f) / (20.0f - 0.01f));

    e.setControlNormalized(0, 1.0f);
    EXPECT_EQ(e.m_nBufferSizeLeft, 64);
    EXPECT_EQ(e.leftWindow.getSize(), 64);
    e.setControlNormalized(0, 0.0f);
    EXPECT_EQ(e.m_nBufferSizeLeft, 1);
    e.setControlNormalized(0, 7.0f); // clamped to the top of the range
    EXPECT_EQ(e.leftWindow.getSize(), 64);

    e.setControlNormalized(4, 0.25f);
    EXPECT_EQ(e.m_fMix, 25.0f);
    EXPECT_EQ(e.mixFraction, 0.25f);
    e.setControlNormalized(4, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(e.m_fMix, 25.0f);
}

TEST(Nettlesheave, PrepareDerivesEverythingFromTheVariables)
{
    CNettlesheave e;
    // Written as a state load does: no change notification.
    e.m_nBufferSizeLeft = 12;
    e.m_nBufferSizeRight = 40;
    e.m_fMix = 30.0f;
    e.m_uWaveformLeft = 3;
    e.m_fLFORateLeft = 2.0f;
    e.m_uWaveformRight = 1;
    e.m_fLFORateRight = 5.0f;
    e.m_fMixModRate = 0.5f;
    e.m_uDoModulateLeft = 1;
    e.m_uLeftLFODest = 1;
    e.m_uModSourceLeft = 0;
    e.m_uDoModulateRight = 0;
    e.m_uRightLFODest = 0;
    e.m_uModSourceRight = 1;
    e.sampleRate = 48000;
    EXPECT_TRUE(e.prepare());

    EXPECT_EQ(e.leftWindow.getCapacity(), 64);
    EXPECT_EQ(e.leftWindow.getSize(), 12);
    EXPECT_EQ(e.rightWindow.getSize(), 40);
    EXPECT_EQ(e.rightWindow.getWriteIndex(), 0);
    EXPECT_EQ(e.mixFraction, 30.0f / 100.0f);
    EXPECT_TRUE(e.leftWindow.isModulated());
    EXPECT_EQ(e.leftWindow.getTarget(), 1);
    EXPECT_FALSE(e.leftWindow.isBipolar());
    EXPECT_FALSE(e.rightWindow.isModulated());
    EXPECT_EQ(e.rightWindow.getTarget(), 0);
    EXPECT_TRUE(e.rightWindow.isBipolar());

    struct Expected
    {
        const CWavetableOscillator& lfo;
        std::uint32_t waveform;
        float frequency;
    };
    for (const Expected& x :
         {Expected{e.leftLfo, 3, 2.0f}, Expected{e.rightLfo, 1, 5.0f}, Expected{e.mixLfo, 2, 0.5f}})
    {
        EXPECT_EQ(x.lfo.sampleRate, 48000);
        EXPECT_EQ(x.lfo.waveform, x.waveform);
        EXPECT_EQ(x.lfo.polarity, 1u);
        EXPECT_EQ(x.lfo.frequency, x.frequency);
        EXPECT_EQ(x.lfo.increment, incrementFor(x.frequency, 48000));
    }
}

TEST(Nettlesheave, RederiveSettingsKeepsTheRunningState)
{
    Prepared p;
    CNettlesheave& e = p.engine;
    e.m_nBufferSizeLeft = 8;
    e.m_uDoModulateLeft = 1;
    e.m_uMixMod = 1;
    e.rederiveSettings();
    float out[2];
    for (float x : testSignal(37))
    {
        const float in[2] = {x, -x};
        e.processFrame(in, out, 2, 2);
    }
    const std::vector<float> history(e.leftWindow.historyData(), e.leftWindow.historyData() + 65);
    const float lastOutput = e.leftWindow.getLastOutput();
    const std::int32_t writeIndex = e.leftWindow.getWriteIndex();
    const float lfoPhase = e.leftLfo.readIndex;
    const float mixPhase = e.mixLfo.readIndex;
    ASSERT_NE(writeIndex, 0);
    ASSERT_NE(lfoPhase, 0.0f);

    e.m_nBufferSizeLeft = 20;
    e.m_fMix = 10.0f;
    e.m_fLFORateLeft = 7.0f;
    e.m_uModSourceLeft = 1;
    e.m_uLeftLFODest = 1;
    e.rederiveSettings();

    EXPECT_EQ(e.leftWindow.getSize(), 20);
    EXPECT_EQ(e.mixFraction, 0.1f);
    EXPECT_EQ(e.leftLfo.increment, incrementFor(7.0f));
    EXPECT_TRUE(e.leftWindow.isBipolar());
    EXPECT_EQ(e.leftWindow.getTarget(), 1);
    EXPECT_EQ(std::vector<float>(e.leftWindow.historyData(), e.leftWindow.historyData() + 65),
              history);
    EXPECT_EQ(e.leftWindow.getLastOutput(), lastOutput);
    EXPECT_EQ(e.leftWindow.getWriteIndex(), writeIndex);
    EXPECT_EQ(e.leftLfo.readIndex, lfoPhase);
    EXPECT_EQ(e.mixLfo.readIndex, mixPhase);
}

// Each row changes variables, notifies one control id and checks the derived
// state, once with Stereo Link off and once with it on.
struct Reaction
{
    const char* what;
    std::uint32_t id;
    void (*change)(CNettlesheave&);
    void (*check)(const CNettlesheave&, bool linked);
};

const Reaction kReactions[] = {
    {"Buffer size", 0, [](CNettlesheave& e) { e.m_nBufferSizeLeft = 20; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_EQ(e.leftWindow.getSize(), 20);
         EXPECT_EQ(e.rightWindow.getSize(), linked ? 20 : 1);
     }},
    {"Right Buffer Size", 10, [](CNettlesheave& e) { e.m_nBufferSizeRight = 30; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_EQ(e.rightWindow.getSize(), 30);
         EXPECT_EQ(e.leftWindow.getSize(), linked ? 30 : 1);
     }},
    {"Mod Source", 3, [](CNettlesheave& e) { e.m_uModSourceLeft = 1; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_TRUE(e.leftWindow.isBipolar());
         EXPECT_EQ(e.rightWindow.isBipolar(), linked);
     }},
    {"Mod Source Right", 13, [](CNettlesheave& e) { e.m_uModSourceRight = 1; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_TRUE(e.rightWindow.isBipolar());
         EXPECT_EQ(e.leftWindow.isBipolar(), linked);
     }},
    {"Left LFO Dest", 6,
     [](CNettlesheave& e)
     {
         e.m_uLeftLFODest = 1;
         e.m_nBufferSizeLeft = 7;
         e.m_nBufferSizeRight = 9;
     },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_EQ(e.leftWindow.getTarget(), 1);
         EXPECT_EQ(e.leftWindow.getSize(), 7);
         EXPECT_EQ(e.rightWindow.getTarget(), linked ? 1 : 0);
         EXPECT_EQ(e.rightWindow.getSize(), linked ? 7 : 1);
     }},
    {"Right LFO Dest", 7,
     [](CNettlesheave& e)
     {
         e.m_uRightLFODest = 1;
         e.m_nBufferSizeRight = 9;
         e.m_nBufferSizeLeft = 7;
     },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_EQ(e.rightWindow.getTarget(), 1);
         EXPECT_EQ(e.rightWindow.getSize(), 9);
         EXPECT_EQ(e.leftWindow.getTarget(), linked ? 1 : 0);
         EXPECT_EQ(e.leftWindow.getSize(), linked ? 9 : 1);
     }},
    {"LFO Waveform Right", 11, [](CNettlesheave& e) { e.m_uWaveformRight = 3; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_EQ(e.rightLfo.waveform, 3u);
         EXPECT_EQ(e.leftLfo.waveform, linked ? 3u : 0u);
     }},
    {"LFO rate right", 12, [](CNettlesheave& e) { e.m_fLFORateRight = 5.0f; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_EQ(e.rightLfo.frequency, 5.0f);
         EXPECT_EQ(e.rightLfo.increment, incrementFor(5.0f));
         EXPECT_EQ(e.leftLfo.frequency, linked ? 5.0f : 1.0f);
         EXPECT_EQ(e.leftLfo.increment, incrementFor(linked ? 5.0f : 1.0f));
     }},
    {"Mix", 4, [](CNettlesheave& e) { e.m_fMix = 25.0f; },
     [](const CNettlesheave& e, bool) { EXPECT_EQ(e.mixFraction, 0.25f); }},
    {"Mix Mod", 47,
     [](CNettlesheave& e)
     {
         e.m_fMix = 80.0f;
         e.mixFraction = 0.1f;
         e.m_uMixMod = 1;
     },
     [](const CNettlesheave& e, bool) { EXPECT_EQ(e.mixFraction, 0.8f); }},
    {"Left Buffer Mod", 45, [](CNettlesheave& e) { e.m_uDoModulateLeft = 1; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_TRUE(e.leftWindow.isModulated());
         EXPECT_EQ(e.rightWindow.isModulated(), linked);
         EXPECT_EQ(e.m_uDoModulateRight, linked ? 1u : 0u);
         EXPECT_EQ(e.guiUpdateRequested.load(), linked ? 1 : 0);
     }},
    {"Right Buffer Mod", 48, [](CNettlesheave& e) { e.m_uDoModulateRight = 1; },
     [](const CNettlesheave& e, bool linked)
     {
         EXPECT_TRUE(e.rightWindow.isModulated());
         EXPECT_EQ(e.leftWindow.isModulated(), linked);
         EXPECT_EQ(e.m_uDoModulateLeft, linked ? 1u : 0u);
         EXPECT_EQ(e.guiUpdateRequested.load(), linked ? 1 : 0);
     }},
};

class NettlesheaveReaction : public testing::TestWithParam<std::tuple<Reaction, bool>>
{
};

TEST_P(NettlesheaveReaction, AppliesToItsSideAndToTheOtherWhenLinked)
{
    const auto& [reaction, linked] = GetParam();
    Prepared p;
    CNettlesheave& e = p.engine;
    e.m_uStereoLink = linked ? 1 : 0;
    reaction.change(e);
    EXPECT_TRUE(e.controlChanged(reaction.id));
    reaction.check(e, linked);
}

INSTANTIATE_TEST_SUITE_P(Controls, NettlesheaveReaction,
                         testing::Combine(testing::ValuesIn(kReactions), testing::Bool()),
                         [](const auto& info)
                         {
                             std::string name = std::get<0>(info.param).what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name + (std::get<1>(info.param) ? "_linked" : "_unlinked");
                         });

TEST(Nettlesheave, LeftOscillatorControlsSetUpAllThreeOscillators)
{
    for (std::uint32_t id : {1u, 2u, 5u})
    {
        Prepared p;
        CNettlesheave& e = p.engine;
        e.m_uStereoLink = 1;
        e.m_uWaveformLeft = 2;
        e.m_fLFORateLeft = 3.0f;
        e.m_uWaveformRight = 1;
        e.m_fLFORateRight = 6.0f;
        e.m_fMixModRate = 4.0f;
        e.controlChanged(id);
        EXPECT_EQ(e.leftLfo.waveform, 2u);
        EXPECT_EQ(e.leftLfo.increment, incrementFor(3.0f));
        EXPECT_EQ(e.rightLfo.waveform, 1u);
        EXPECT_EQ(e.rightLfo.increment, incrementFor(6.0f));
        EXPECT_EQ(e.mixLfo.waveform, 2u);
        EXPECT_EQ(e.mixLfo.increment, incrementFor(4.0f));
    }
}

TEST(Nettlesheave, LinkedRightRateLastsUntilTheLeftRateChanges)
{
    Prepared p;
    CNettlesheave& e = p.engine;
    e.setControlNormalized(13, 1.0f); // Stereo Link on
    e.m_fLFORateRight = 8.0f;
    e.controlChanged(12);
    EXPECT_EQ(e.leftLfo.increment, incrementFor(8.0f));
    e.m_fLFORateLeft = 2.0f;
    e.controlChanged(2);
    EXPECT_EQ(e.leftLfo.increment, incrementFor(2.0f));
    EXPECT_EQ(e.rightLfo.increment, incrementFor(8.0f));
}

TEST(Nettlesheave, BufferModFollowsTheSwitchValueInsteadOfToggling)
{
    Prepared p;
    CNettlesheave& e = p.engine;
    const float values[] = {1.0f, 1.0f, 0.0f, 0.0f, 1.0f};
    for (float v : values)
    {
        e.setControlNormalized(12, v);
        e.setControlNormalized(15, v);
        EXPECT_EQ(e.leftWindow.isModulated(), v != 0.0f);
        EXPECT_EQ(e.rightWindow.isModulated(), v != 0.0f);
    }
}

TEST(Nettlesheave, UnusedIdsAndStereoLinkChangeNothingDerived)
{
    for (std::uint32_t id : {8u, 9u, 46u, 50u, 51u, 52u, 99u})
    {
        Prepared p;
        CNettlesheave& e = p.engine;
        e.m_nBufferSizeLeft = 33;
        e.m_fMix = 10.0f;
        e.m_uDoModulateLeft = 1;
        e.m_uStereoLink = 1;
        EXPECT_TRUE(e.controlChanged(id));
        EXPECT_EQ(e.leftWindow.getSize(), 1);
        EXPECT_EQ(e.mixFraction, 0.5f);
        EXPECT_FALSE(e.leftWindow.isModulated());
        EXPECT_EQ(e.m_uDoModulateRight, 0u);
    }
}

TEST(Nettlesheave, DefaultsBlendHalfWindowHalfInput)
{
    struct Case
    {
        float mix;
        float fraction;
    };
    for (const Case c : {Case{0.0f, 0.0f}, Case{50.0f, 0.5f}, Case{100.0f, 1.0f}})
    {
        Prepared p;
        CNettlesheave& e = p.engine;
        e.m_fMix = c.mix;
        e.controlChanged(4);
        CMedianWindow left(64), right(64);
        for (CMedianWindow* w : {&left, &right})
        {
            w->resetCapacity(64);
            w->setSize(1);
            w->reallocate();
        }
        for (float x : testSignal(64))
        {
            const float in[2] = {x, 0.5f * x};
            float out[2];
            e.processFrame(in, out, 2, 2);
            float wet[2];
            left.filterSample(&in[0], &wet[0], 0.0f);
            right.filterSample(&in[1], &wet[1], 0.0f);
            for (int ch = 0; ch < 2; ++ch)
            {
                const double dry = static_cast<double>(in[ch]) * (1.0 - c.fraction);
                const float expected =
                    static_cast<float>(static_cast<double>(c.fraction * wet[ch]) + dry);
                EXPECT_EQ(out[ch], expected);
            }
            if (c.mix == 0.0f)
            {
                EXPECT_EQ(out[0], in[0]);
            }
            if (c.mix == 100.0f)
            {
                EXPECT_EQ(out[0], wet[0]);
            }
        }
    }
}

TEST(Nettlesheave, ChannelLayouts)
{
    constexpr float kUntouched = -99.0f;
    struct Case
    {
        std::uint32_t inChannels;
        std::uint32_t outChannels;
        bool rightRuns;
        bool rightCopiesLeft;
    };
    const Case cases[] = {
        {2, 2, true, false},
        {1, 2, false, true},
        {2, 1, false, false},
        {1, 1, false, false},
    };
    for (const Case& c : cases)
    {
        Prepared p;
        CNettlesheave& e = p.engine;
        e.m_uDoModulateRight = 1;
        e.rederiveSettings();
        float previousLeft = 0.0f;
        for (float x : testSignal(16))
        {
            const float in[2] = {x, 0.25f};
            float out[2] = {kUntouched, kUntouched};
            e.processFrame(in, out, c.inChannels, c.outChannels);
            EXPECT_NE(out[0], kUntouched);
            if (c.rightCopiesLeft)
            {
                EXPECT_EQ(out[1], out[0]);
            }
            else if (!c.rightRuns)
            {
                EXPECT_EQ(out[1], kUntouched);
            }
            previousLeft = out[0];
        }
        EXPECT_NE(previousLeft, 0.0f);
        EXPECT_EQ(e.rightWindow.getLastOutput() != 0.0f, c.rightRuns)
            << c.inChannels << " in, " << c.outChannels << " out";
        EXPECT_EQ(e.rightLfo.readIndex != 0.0f, c.rightRuns);
    }
}

TEST(Nettlesheave, MixModFollowsTheTriangleUntilSwitchedOff)
{
    Prepared p;
    CNettlesheave& e = p.engine;
    e.m_fMixModRate = 200.0f; // fast enough to cover a whole period in a short run
    e.controlChanged(5);
    e.setControlNormalized(14, 1.0f);

    CWavetableOscillator reference;
    reference.waveform = 2;
    reference.polarity = 1;
    reference.frequency = 200.0f;
    reference.updateIncrement();
    float low = 1.0f, high = 0.0f;
    for (int i = 0; i < 300; ++i)
    {
        const float in[2] = {0.5f, 0.5f};
        float out[2];
        e.processFrame(in, out, 2, 2);
        float expected = 0.0f, quad = 0.0f;
        reference.oscillate(&expected, &quad);
        ASSERT_EQ(e.mixFraction, expected) << "frame " << i;
        low = std::min(low, expected);
        high = std::max(high, expected);
    }
    EXPECT_LT(low, 0.01f);
    EXPECT_GT(high, 0.99f);

    e.setControlNormalized(14, 0.0f);
    EXPECT_EQ(e.mixFraction, 0.5f);
}

TEST(Nettlesheave, LfoSweepsTheWindowSizeOnlyWhenItTargetsTheSize)
{
    Prepared p;
    CNettlesheave& e = p.engine;
    e.setControlNormalized(12, 1.0f); // Left Buffer Mod on
    const float in[2] = {0.1f, 0.1f};
    float out[2];
    for (int i = 0; i < 1000; ++i)
        e.processFrame(in, out, 2, 2);
    EXPECT_EQ(e.leftWindow.getSize(), 1) << "LFO Dest still 'read'";

    e.setControlNormalized(6, 1.0f); // Left LFO Dest: size
    std::int32_t smallest = 64, largest = -1;
    for (int i = 0; i < 44100; ++i)
    {
        e.processFrame(in, out, 2, 2);
        smallest = std::min(smallest, e.leftWindow.getSize());
        largest = std::max(largest, e.leftWindow.getSize());
    }
    // The sine's peak of exactly 1 (size 63) sits only at table entry 256,
    // which the 1 Hz phase steps over, so the top of the sweep is 62.
    EXPECT_EQ(smallest, 0);
    EXPECT_EQ(largest, 62);
    EXPECT_EQ(e.rightWindow.getSize(), 1);
}

TEST(Nettlesheave, SelfModulationMapsTheInputOntoTheSize)
{
    struct Case
    {
        float input;
        std::int32_t size;
    };
    for (const Case c : {Case{0.0f, 31}, Case{1.0f, 63}, Case{-1.0f, 0}, Case{4.0f, 63}})
    {
        Prepared p;
        CNettlesheave& e = p.engine;
        e.setControlNormalized(12, 1.0f);
        e.setControlNormalized(6, 1.0f);
        e.setControlNormalized(3, 1.0f); // Mod Source: SELF
        const float in[2] = {c.input, c.input};
        float out[2];
        e.processFrame(in, out, 2, 2);
        EXPECT_EQ(e.leftWindow.getSize(), c.size) << "input " << c.input;
        EXPECT_EQ(e.leftLfo.readIndex, 0.0f) << "the LFO does not run for SELF";
    }
}

TEST(Nettlesheave, NonFiniteInputIsTakenAsSilence)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Prepared bad, clean;
    for (CNettlesheave* e : {&bad.engine, &clean.engine})
    {
        e->m_nBufferSizeLeft = 6;
        e->m_uDoModulateLeft = 1;
        e->m_uModSourceLeft = 1;
        e->m_uLeftLFODest = 1;
        e->rederiveSettings();
    }
    const std::vector<float> signal = testSignal(200);
    for (std::size_t i = 0; i < signal.size(); ++i)
    {
        const bool broken = i % 7 == 3;
        const float poison = i % 3 == 0 ? nan : (i % 3 == 1 ? inf : -inf);
        const float badIn[2] = {broken ? poison : signal[i], broken ? poison : signal[i]};
        const float cleanIn[2] = {broken ? 0.0f : signal[i], broken ? 0.0f : signal[i]};
        float badOut[2], cleanOut[2];
        bad.engine.processFrame(badIn, badOut, 2, 2);
        clean.engine.processFrame(cleanIn, cleanOut, 2, 2);
        ASSERT_EQ(badOut[0], cleanOut[0]) << "frame " << i;
        ASSERT_EQ(badOut[1], cleanOut[1]) << "frame " << i;
    }
    EXPECT_TRUE(std::isfinite(bad.engine.leftWindow.getLastOutput()));
}

TEST(Nettlesheave, BlockAndSampleCopiesPassAudioUnchanged)
{
    CNettlesheave e;
    float left[3] = {1, 2, 3}, right[3] = {4, 5, 6};
    float outLeft[3] = {}, outRight[3] = {};
    float* in[2] = {left, right};
    float* out[2] = {outLeft, outRight};
    EXPECT_TRUE(e.processBlock(in, out, 2, 3));
    EXPECT_EQ(std::vector<float>(outRight, outRight + 3), std::vector<float>(right, right + 3));
    EXPECT_EQ(std::vector<float>(outLeft, outLeft + 3), std::vector<float>(left, left + 3));

    float copy[3] = {};
    EXPECT_TRUE(e.processSamples(right, copy, 1, 1, 3));
    EXPECT_EQ(std::vector<float>(copy, copy + 3), std::vector<float>(right, right + 3));
    EXPECT_TRUE(e.processBlock(nullptr, out, 2, 3));
}
