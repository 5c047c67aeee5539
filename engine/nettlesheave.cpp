#include "nettlesheave.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <variant>

namespace
{
// A text of `word` padded with spaces to 64 characters, as hosts show it.
template <std::size_t N> constexpr std::array<char, 65> paddedTo64(const char (&word)[N])
{
    std::array<char, 65> text{};
    for (std::size_t i = 0; i < 64; ++i)
        text[i] = i + 1 < N ? word[i] : ' ';
    text[64] = '\0';
    return text;
}

constexpr auto kBlankUnits = paddedTo64("");
constexpr auto kWordUnits = paddedTo64("Units");
constexpr const char* kNoUnits = "";
constexpr const char* kUnusedStates = "SEL1,SEL2,SEL3";
constexpr const char* kSwitchStates = "SWITCH_OFF,SWITCH_ON";

// The member a control is bound to; its alternative decides the data type.
using Binding = std::variant<std::int32_t CNettlesheave::*, float CNettlesheave::*,
                             std::uint32_t CNettlesheave::*>;

struct ControlRow
{
    std::uint32_t controlId;
    Binding variable;
    const char* variableName;
    const char* name;
    std::uint32_t controlType;
    float minValue;
    float maxValue;
    float defaultValue;
    const char* enumeration;
    const char* units;
};

using E = CNettlesheave;

// The controls in list order. A control's list position is its parameter id
// and its place in the saved state, so rows must never be reordered.
const ControlRow kControlRows[] = {
    {0, &E::m_nBufferSizeLeft, "m_nBufferSizeLeft", "Buffer size", kControlOrdinary, 1, 64, 1,
     kUnusedStates, kBlankUnits.data()},
    {1, &E::m_uWaveformLeft, "m_uWaveformLeft", "LFO Waveform", kControlOrdinary, 0, 3, 0,
     "sine,saw,tri,square", kBlankUnits.data()},
    {2, &E::m_fLFORateLeft, "m_fLFORateLeft", "LFO rate", kControlOrdinary, 0.01f, 20, 1.0f,
     kUnusedStates, kBlankUnits.data()},
    {3, &E::m_uModSourceLeft, "m_uModSourceLeft", "Mod Source", kControlOrdinary, 0, 1, 0,
     "LFO,SELF", kBlankUnits.data()},
    {4, &E::m_fMix, "m_fMix", "Mix", kControlOrdinary, 0, 100, 50.0f, kUnusedStates,
     kBlankUnits.data()},
    {5, &E::m_fMixModRate, "m_fMixModRate", "Mix Mod Rate", kControlOrdinary, 0.001f, 20, 1.0f,
     kUnusedStates, kBlankUnits.data()},
    {6, &E::m_uLeftLFODest, "m_uLeftLFODest", "Left LFO Dest", kControlOrdinary, 0, 1, 0,
     "read,size", kWordUnits.data()},
    {7, &E::m_uRightLFODest, "m_uRightLFODest", "Right LFO Dest", kControlOrdinary, 0, 1, 0,
     "read,size", kBlankUnits.data()},
    {10, &E::m_nBufferSizeRight, "m_nBufferSizeRight", "Right Buffer Size", kControlOrdinary, 1, 64,
     1, kUnusedStates, kBlankUnits.data()},
    {11, &E::m_uWaveformRight, "m_uWaveformRight", "LFO Waveform Right", kControlOrdinary, 0, 3, 0,
     "sine,saw,tri,square", kBlankUnits.data()},
    {12, &E::m_fLFORateRight, "m_fLFORateRight", "LFO rate right", kControlOrdinary, 0.01f, 20,
     1.0f, kUnusedStates, kBlankUnits.data()},
    {13, &E::m_uModSourceRight, "m_uModSourceRight", "Mod Source Right", kControlOrdinary, 0, 1, 0,
     "LFO,SELF", kBlankUnits.data()},
    {45, &E::m_uDoModulateLeft, "m_uDoModulateLeft", "Left Buffer Mod", kControlSwitch, 0, 1, 0,
     kSwitchStates, kNoUnits},
    {46, &E::m_uStereoLink, "m_uStereoLink", "Stereo Link", kControlSwitch, 0, 1, 0, kSwitchStates,
     kNoUnits},
    {47, &E::m_uMixMod, "m_uMixMod", "Mix Mod", kControlSwitch, 0, 1, 0, kSwitchStates, kNoUnits},
    {48, &E::m_uDoModulateRight, "m_uDoModulateRight", "Right Buffer Mod", kControlSwitch, 0, 1, 0,
     kSwitchStates, kNoUnits},
};

// Binds the descriptor to the member, sets the member to its default and
// fills the default field matching the data type.
struct BindToMember
{
    CNettlesheave& engine;
    CControlDescriptor& d;
    float defaultValue;

    void operator()(std::int32_t CNettlesheave::*member) const
    {
        engine.*member = static_cast<std::int32_t>(defaultValue);
        d.dataType = kDataInt;
        d.intDefault = defaultValue;
        d.intVariable = &(engine.*member);
    }
    void operator()(float CNettlesheave::*member) const
    {
        engine.*member = defaultValue;
        d.dataType = kDataFloat;
        d.floatDefault = defaultValue;
        d.floatVariable = &(engine.*member);
    }
    void operator()(std::uint32_t CNettlesheave::*member) const
    {
        engine.*member = static_cast<std::uint32_t>(defaultValue);
        d.dataType = kDataUInt;
        d.uintDefault = defaultValue;
        d.uintVariable = &(engine.*member);
    }
};

// Non-finite samples are taken as silence so that one NaN cannot stick in a
// window's smoothing state forever.
float finiteOrZero(float sample)
{
    return std::isfinite(sample) ? sample : 0.0f;
}

constexpr std::int32_t kWindowCapacity = 64;
} // namespace

CNettlesheave::CNettlesheave()
{
    buildControls();
    name = "nettlesheave2";
    wantsEditor = true;
    outputOnly = false;
    wantsMidiMessages = false;
    for (CWavetableOscillator* lfo : {&leftLfo, &rightLfo})
    {
        lfo->frequency = 0.0f;
        lfo->waveform = 0;
        lfo->polarity = 1;
    }
    mixLfo.frequency = 0.0f;
    mixLfo.waveform = 2;
    mixLfo.polarity = 1;
    mixFraction = 0.0f;
}

CNettlesheave::~CNettlesheave() = default;

bool CNettlesheave::buildControls()
{
    if (controls.count() > 0)
        return true;
    for (const ControlRow& row : kControlRows)
    {
        CControlDescriptor d;
        d.controlType = row.controlType;
        d.controlId = row.controlId;
        d.minValue = row.minValue;
        d.maxValue = row.maxValue;
        std::visit(BindToMember{*this, d, row.defaultValue}, row.variable);
        d.setName(row.name);
        d.setUnits(row.units);
        d.setVariableName(row.variableName);
        d.setEnumeration(row.enumeration);
        controls.append(d);
    }
    buttonNames[0] = "B1";
    buttonNames[1] = "B2";
    buttonNames[2] = "B3";
    wantsEditor = true;
    lcdEnabled = 0;
    vectorJoystickEnabled = 0;
    guiUpdateRequested = 0;
    resetJoysticks();
    return true;
}

void CNettlesheave::setUpOscillators()
{
    struct Setting
    {
        CWavetableOscillator& lfo;
        std::uint32_t waveform;
        float frequency;
    };
    const Setting settings[] = {
        {leftLfo, m_uWaveformLeft, m_fLFORateLeft},
        {rightLfo, m_uWaveformRight, m_fLFORateRight},
        {mixLfo, 2, m_fMixModRate},
    };
    for (const Setting& s : settings)
    {
        s.lfo.sampleRate = sampleRate;
        s.lfo.waveform = s.waveform;
        s.lfo.polarity = 1;
        s.lfo.frequency = s.frequency;
        s.lfo.updateIncrement();
    }
}

void CNettlesheave::deriveModulationFlags()
{
    leftWindow.setModulated(m_uDoModulateLeft != 0);
    leftWindow.setTarget(static_cast<std::int32_t>(m_uLeftLFODest));
    leftWindow.setBipolar(m_uModSourceLeft == 1);
    rightWindow.setModulated(m_uDoModulateRight != 0);
    rightWindow.setTarget(static_cast<std::int32_t>(m_uRightLFODest));
    rightWindow.setBipolar(m_uModSourceRight == 1);
}

bool CNettlesheave::rederiveSettings()
{
    leftWindow.setSize(m_nBufferSizeLeft);
    rightWindow.setSize(m_nBufferSizeRight);
    mixFraction = m_fMix / 100.0f;
    setUpOscillators();
    deriveModulationFlags();
    return true;
}

bool CNettlesheave::prepare()
{
    for (CMedianWindow* window : {&leftWindow, &rightWindow})
        window->resetCapacity(kWindowCapacity);
    leftWindow.setSize(m_nBufferSizeLeft);
    rightWindow.setSize(m_nBufferSizeRight);
    for (CMedianWindow* window : {&leftWindow, &rightWindow})
        window->reallocate();
    return rederiveSettings();
}

float CNettlesheave::filterChannel(CMedianWindow& window, CWavetableOscillator& lfo, float input,
                                   std::uint32_t doModulate, std::uint32_t modSource)
{
    float modulation = 0.0f;
    if (doModulate != 0)
    {
        modulation = input;
        // The LFO advances only on frames where it drives the window.
        if (modSource == 0)
        {
            float unusedQuad = 0.0f;
            lfo.oscillate(&modulation, &unusedQuad);
        }
    }
    float wet = 0.0f;
    window.filterSample(&input, &wet, modulation);
    return wet;
}

float CNettlesheave::blend(float wet, float dry) const
{
    // The wet product stays in 32 bits; the dry share and the sum are 64-bit.
    const float wetPart = mixFraction * wet;
    const double fraction = static_cast<double>(mixFraction);
    const double dryPart = static_cast<double>(dry) * (1.0 - fraction);
    return static_cast<float>(static_cast<double>(wetPart) + dryPart);
}

bool CNettlesheave::processFrame(const float* in, float* out, std::uint32_t inChannels,
                                 std::uint32_t outChannels)
{
    if (in == nullptr || out == nullptr)
        return true;
    const float inL = finiteOrZero(in[0]);
    const float inR = finiteOrZero(in[1]);

    if (m_uMixMod != 0)
    {
        float unusedQuad = 0.0f;
        mixLfo.oscillate(&mixFraction, &unusedQuad);
    }

    const float wetL = filterChannel(leftWindow, leftLfo, inL, m_uDoModulateLeft, m_uModSourceLeft);
    out[0] = blend(wetL, inL);

    if (inChannels == 1 && outChannels == 2)
    {
        out[1] = out[0];
    }
    else if (inChannels == 2 && outChannels == 2)
    {
        const float wetR =
            filterChannel(rightWindow, rightLfo, inR, m_uDoModulateRight, m_uModSourceRight);
        out[1] = blend(wetR, inR);
    }
    return true;
}

void CNettlesheave::followBufferMod(CMedianWindow& own, CMedianWindow& other, std::uint32_t value,
                                    std::uint32_t& otherSwitch)
{
    own.setModulated(value != 0);
    if (!linked())
        return;
    other.setModulated(value != 0);
    otherSwitch = value;
    // The other switch moved without the host's knowledge.
    guiUpdateRequested = 1;
}

bool CNettlesheave::controlChanged(std::uint32_t controlId)
{
    switch (controlId)
    {
    case 0:
        leftWindow.setSize(m_nBufferSizeLeft);
        if (linked())
            rightWindow.setSize(m_nBufferSizeLeft);
        break;
    case 1:
    case 2:
    case 5:
        setUpOscillators();
        break;
    case 3:
        leftWindow.setBipolar(m_uModSourceLeft == 1);
        if (linked())
            rightWindow.setBipolar(m_uModSourceLeft == 1);
        break;
    case 4:
    case 47:
        mixFraction = m_fMix / 100.0f;
        break;
    case 6:
        leftWindow.setTarget(static_cast<std::int32_t>(m_uLeftLFODest));
        leftWindow.setSize(m_nBufferSizeLeft);
        if (linked())
        {
            rightWindow.setTarget(static_cast<std::int32_t>(m_uLeftLFODest));
            rightWindow.setSize(m_nBufferSizeLeft);
        }
        break;
    case 7:
        rightWindow.setTarget(static_cast<std::int32_t>(m_uRightLFODest));
        rightWindow.setSize(m_nBufferSizeRight);
        if (linked())
        {
            leftWindow.setTarget(static_cast<std::int32_t>(m_uRightLFODest));
            leftWindow.setSize(m_nBufferSizeRight);
        }
        break;
    case 10:
        rightWindow.setSize(m_nBufferSizeRight);
        if (linked())
            leftWindow.setSize(m_nBufferSizeRight);
        break;
    case 11:
        rightLfo.waveform = m_uWaveformRight;
        if (linked())
            leftLfo.waveform = m_uWaveformRight;
        break;
    case 12:
        rightLfo.frequency = m_fLFORateRight;
        rightLfo.updateIncrement();
        if (linked())
        {
            leftLfo.frequency = m_fLFORateRight;
            leftLfo.updateIncrement();
        }
        break;
    case 13:
        rightWindow.setBipolar(m_uModSourceRight == 1);
        if (linked())
            leftWindow.setBipolar(m_uModSourceRight == 1);
        break;
    // Buffer Mod follows the switch's value, so a host resending the same
    // value during automation cannot toggle it.
    case 45:
        followBufferMod(leftWindow, rightWindow, m_uDoModulateLeft, m_uDoModulateRight);
        break;
    case 48:
        followBufferMod(rightWindow, leftWindow, m_uDoModulateRight, m_uDoModulateLeft);
        break;
    default:
        break;
    }
    return true;
}

bool CNettlesheave::activate()
{
    return true;
}

bool CNettlesheave::spareHookA()
{
    return true;
}

bool CNettlesheave::processSamples(const float* in, float* out, std::uint32_t, std::uint32_t,
                                   std::uint32_t count)
{
    if (in == nullptr || out == nullptr)
        return true;
    for (std::uint32_t i = 0; i < count; ++i)
        out[i] = in[i];
    return true;
}

bool CNettlesheave::processBlock(float* const* in, float* const* out, std::uint32_t channels,
                                 std::uint32_t frames)
{
    if (in == nullptr || out == nullptr || channels == 0 || in[0] == nullptr || out[0] == nullptr)
        return true;
    const bool right = channels >= 2 && in[1] != nullptr && out[1] != nullptr;
    for (std::uint32_t i = 0; i < frames; ++i)
    {
        out[0][i] = in[0][i];
        if (right)
            out[1][i] = in[1][i];
    }
    return true;
}

bool CNettlesheave::noteOn(std::uint32_t, std::uint32_t, std::uint32_t)
{
    return true;
}

bool CNettlesheave::noteOff(std::uint32_t, std::uint32_t, std::uint32_t, bool)
{
    return true;
}

bool CNettlesheave::modWheel(std::uint32_t, std::uint32_t)
{
    return true;
}

bool CNettlesheave::pitchBend(std::uint32_t, std::int32_t, float)
{
    return true;
}

bool CNettlesheave::clockTick()
{
    return true;
}

bool CNettlesheave::midiShortMessage(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t)
{
    return true;
}
