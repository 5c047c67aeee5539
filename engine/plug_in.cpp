#include "plug_in.h"

#include <cmath>
#include <cstdint>

CPlugIn::CPlugIn()
{
    double frequency = 8.175798915636872;
    for (float& entry : noteFrequency)
    {
        entry = static_cast<float>(frequency);
        frequency = frequency * 1.059463094359;
    }
    resetJoysticks();
}

CPlugIn::~CPlugIn() = default;

void CPlugIn::resetJoysticks()
{
    joystickX = CControlDescriptor();
    joystickX.setName("MIDI JS X");
    joystickX.controlId = 0;
    joystickX.midiControllable = false;
    joystickX.midiStatus = 176;
    joystickX.midiController = 16;

    joystickY = joystickX;
    joystickY.setName("MIDI JS Y");
    joystickY.midiController = 17;
}

bool CPlugIn::prepare()
{
    return true;
}

bool CPlugIn::processFrame(const float*, float*, std::uint32_t, std::uint32_t)
{
    return true;
}

bool CPlugIn::controlChanged(std::uint32_t)
{
    return true;
}

bool CPlugIn::activate()
{
    return true;
}

bool CPlugIn::spareHookA()
{
    return true;
}

bool CPlugIn::processSamples(const float*, float*, std::uint32_t, std::uint32_t, std::uint32_t)
{
    return true;
}

bool CPlugIn::processBlock(float* const*, float* const*, std::uint32_t, std::uint32_t)
{
    return true;
}

bool CPlugIn::noteOn(std::uint32_t, std::uint32_t, std::uint32_t)
{
    return true;
}

bool CPlugIn::noteOff(std::uint32_t, std::uint32_t, std::uint32_t, bool)
{
    return true;
}

bool CPlugIn::modWheel(std::uint32_t, std::uint32_t)
{
    return true;
}

bool CPlugIn::pitchBend(std::uint32_t, std::int32_t, float)
{
    return true;
}

bool CPlugIn::clockTick()
{
    return true;
}

bool CPlugIn::midiShortMessage(std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t)
{
    return true;
}

bool CPlugIn::buildControls()
{
    return true;
}

void CPlugIn::spareHookB() {}

float CPlugIn::spareHookC()
{
    return -1.0f;
}

std::int32_t CPlugIn::spareHookD()
{
    return 0;
}

bool CPlugIn::rederiveSettings()
{
    return true;
}

const CControlDescriptor* CPlugIn::findControl(std::uint32_t controlId) const
{
    const std::int32_t n = controls.count();
    for (std::int32_t position = 0; position < n; ++position)
    {
        const CControlDescriptor* d = controls.at(position);
        if (d->controlId == controlId)
            return d;
    }
    return nullptr;
}

void CPlugIn::setControlNormalized(std::int32_t position, float normalized)
{
    CControlDescriptor* d = controls.at(position);
    // A NaN would turn into an arbitrary integer; it is dropped like a missing control.
    if (d == nullptr || std::isnan(normalized))
        return;
    // Clamped so a host cannot write a size beyond the history or a rate past a table.
    if (normalized < 0.0f)
        normalized = 0.0f;
    else if (normalized > 1.0f)
        normalized = 1.0f;

    const float plain = (d->maxValue - d->minValue) * normalized + d->minValue;
    d->storePlain(plain);
    controlChanged(d->controlId);
}

float CPlugIn::getControlNormalized(std::int32_t position) const
{
    const CControlDescriptor* d = controls.at(position);
    if (d == nullptr)
        return 0.0f;
    float value = 0.0f;
    switch (d->dataType)
    {
    case kDataInt:
        if (d->intVariable == nullptr)
            return 0.0f;
        value = static_cast<float>(*d->intVariable);
        break;
    case kDataFloat:
        if (d->floatVariable == nullptr)
            return 0.0f;
        value = *d->floatVariable;
        break;
    case kDataDouble:
        if (d->doubleVariable == nullptr)
            return 0.0f;
        value = static_cast<float>(*d->doubleVariable);
        break;
    case kDataUInt:
        if (d->uintVariable == nullptr)
            return 0.0f;
        value = static_cast<float>(*d->uintVariable);
        break;
    default:
        return 0.0f;
    }
    return (value - d->minValue) / (d->maxValue - d->minValue);
}
