#pragma once

#include "control_list.h"

#include <atomic>
#include <cstdint>

// Base of every effect engine. It knows nothing of any plug-in format: the host
// bridge publishes `controls`, writes parameter changes into their bound
// variables and drives the virtual operations below.
class CPlugIn
{
public:
    CPlugIn();
    CPlugIn(const CPlugIn&) = delete;
    CPlugIn& operator=(const CPlugIn&) = delete;

    // Slots 0 and 1: the bridge destroys engines through this destructor.
    virtual ~CPlugIn();

    virtual bool prepare();
    virtual bool processFrame(const float* in, float* out, std::uint32_t inChannels,
                              std::uint32_t outChannels);
    virtual bool controlChanged(std::uint32_t controlId);
    virtual bool activate();
    virtual bool spareHookA();
    virtual bool processSamples(const float* in, float* out, std::uint32_t inChannels,
                                std::uint32_t outChannels, std::uint32_t count);
    virtual bool processBlock(float* const* in, float* const* out, std::uint32_t channels,
                              std::uint32_t frames);
    virtual bool noteOn(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity);
    virtual bool noteOff(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity,
                         bool allNotesOff);
    virtual bool modWheel(std::uint32_t channel, std::uint32_t value);
    virtual bool pitchBend(std::uint32_t channel, std::int32_t value, float normalized);
    virtual bool clockTick();
    virtual bool midiShortMessage(std::uint8_t channel, std::uint8_t status, std::uint8_t data1,
                                  std::uint8_t data2);
    virtual bool buildControls();
    virtual void spareHookB();
    virtual float spareHookC();
    virtual std::int32_t spareHookD();

    // Re-derives everything `prepare` derives from the control variables
    // (window sizes, mix, oscillator set-up, modulation flags) without clearing
    // any running state. The bridge calls it after a state load so a restored
    // project sounds like its settings. The base does nothing.
    virtual bool rederiveSettings();

    const CControlDescriptor* findControl(std::uint32_t controlId) const;
    void setControlNormalized(std::int32_t position, float normalized);
    // Called from the user-interface thread (editor refresh) while the audio
    // thread may write the variable: the read is of one plain aligned 32-bit
    // field and gives its old or its new value.
    float getControlNormalized(std::int32_t position) const;

    bool outputOnly = false;
    bool wantsMidiMessages = false;
    bool processesBlocks = false;
    std::int32_t sampleRate = 44100;
    CControlList controls;
    const char* name = "Name Not Set.";
    bool wantsEditor = false;
    std::int32_t lcdEnabled = 0;
    std::int32_t vectorJoystickEnabled = 0;
    // Raised by the engine (audio thread), read and cleared by the editor's
    // timer ping (UI thread).
    std::atomic<std::int32_t> guiUpdateRequested{0};
    const char* buttonNames[3] = {"B1", "B2", "B3"};
    float noteFrequency[127];
    CControlDescriptor joystickX;
    CControlDescriptor joystickY;

protected:
    // Puts `joystickX` and `joystickY` back to the values the base gives them.
    void resetJoysticks();
};
