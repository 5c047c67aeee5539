#pragma once

#include "median_window.h"
#include "plug_in.h"
#include "wavetable_oscillator.h"

#include <cstdint>

// The effect: each channel runs through its own median window, whose length
// can follow an LFO or the signal itself, and the result is blended with the
// dry input. With Stereo Link on, a change on one side is applied to both.
class CNettlesheave : public CPlugIn
{
public:
    CNettlesheave();
    ~CNettlesheave() override;

    bool prepare() override;
    bool processFrame(const float* in, float* out, std::uint32_t inChannels,
                      std::uint32_t outChannels) override;
    bool controlChanged(std::uint32_t controlId) override;
    bool activate() override;
    bool spareHookA() override;
    bool processSamples(const float* in, float* out, std::uint32_t inChannels,
                        std::uint32_t outChannels, std::uint32_t count) override;
    bool processBlock(float* const* in, float* const* out, std::uint32_t channels,
                      std::uint32_t frames) override;
    bool noteOn(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity) override;
    bool noteOff(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity,
                 bool allNotesOff) override;
    bool modWheel(std::uint32_t channel, std::uint32_t value) override;
    bool pitchBend(std::uint32_t channel, std::int32_t value, float normalized) override;
    bool clockTick() override;
    bool midiShortMessage(std::uint8_t channel, std::uint8_t status, std::uint8_t data1,
                          std::uint8_t data2) override;
    bool buildControls() override;
    bool rederiveSettings() override;

    float mixFraction = 0.0f;
    CMedianWindow leftWindow{5};
    CMedianWindow rightWindow{5};
    CWavetableOscillator leftLfo;
    CWavetableOscillator rightLfo;
    CWavetableOscillator mixLfo;

    // Control variables, in control-list order. Descriptors point at them;
    // `buildControls` gives them their defaults.
    std::int32_t m_nBufferSizeLeft = 0;
    std::uint32_t m_uWaveformLeft = 0;
    float m_fLFORateLeft = 0;
    std::uint32_t m_uModSourceLeft = 0;
    float m_fMix = 0;
    float m_fMixModRate = 0;
    std::uint32_t m_uLeftLFODest = 0;
    std::uint32_t m_uRightLFODest = 0;
    std::int32_t m_nBufferSizeRight = 0;
    std::uint32_t m_uWaveformRight = 0;
    float m_fLFORateRight = 0;
    std::uint32_t m_uModSourceRight = 0;
    std::uint32_t m_uDoModulateLeft = 0;
    std::uint32_t m_uStereoLink = 0;
    std::uint32_t m_uMixMod = 0;
    std::uint32_t m_uDoModulateRight = 0;

private:
    void setUpOscillators();
    void deriveModulationFlags();
    // One channel's window with its modulation: returns the wet sample.
    static float filterChannel(CMedianWindow& window, CWavetableOscillator& lfo, float input,
                               std::uint32_t doModulate, std::uint32_t modSource);
    float blend(float wet, float dry) const;
    bool linked() const { return m_uStereoLink != 0; }
    // A Buffer Mod switch's new value: its own window follows it and, under the
    // link, so do the other window and the other switch.
    void followBufferMod(CMedianWindow& own, CMedianWindow& other, std::uint32_t value,
                         std::uint32_t& otherSwitch);
};
