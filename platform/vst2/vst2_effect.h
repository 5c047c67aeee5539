#pragma once

// The VST 2.4 binary interface as a host sees it on 64-bit Linux: the effect
// record a plug-in hands out, the callbacks it carries, and the small plain
// records exchanged through the dispatcher. Layouts are fixed by the ABI;
// the static_asserts below pin the offsets hosts rely on.

#include <cstddef>
#include <cstdint>

namespace vst2
{

struct Effect;

// Every dispatcher and host-callback result is pointer sized.
using IntPtr = std::intptr_t;

using Dispatcher = IntPtr (*)(Effect* effect, std::int32_t opcode, std::int32_t index, IntPtr value,
                              void* ptr, float opt);
using HostCallback = IntPtr (*)(Effect* effect, std::int32_t opcode, std::int32_t index,
                                IntPtr value, void* ptr, float opt);
using ProcessFloat = void (*)(Effect* effect, float** inputs, float** outputs,
                              std::int32_t sampleFrames);
using ProcessDouble = void (*)(Effect* effect, double** inputs, double** outputs,
                               std::int32_t sampleFrames);
using SetParameter = void (*)(Effect* effect, std::int32_t index, float value);
using GetParameter = float (*)(Effect* effect, std::int32_t index);

// Builds a four-character code the way VST 2 writes them ('VstP', ids).
constexpr std::int32_t fourCharCode(char a, char b, char c, char d)
{
    return static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 24) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 16) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 8) |
        static_cast<std::uint32_t>(static_cast<unsigned char>(d)));
}

constexpr std::int32_t kEffectMagic = fourCharCode('V', 's', 't', 'P');
constexpr std::int32_t kVstVersion = 2400;

// Bits of Effect::flags.
enum EffectFlags : std::int32_t
{
    kFlagHasEditor = 1 << 0,
    kFlagCanReplacing = 1 << 4,
    kFlagProgramChunks = 1 << 5,
    kFlagIsSynth = 1 << 8,
    kFlagNoSoundInStop = 1 << 9,
    kFlagCanDoubleReplacing = 1 << 12,
};

// The record a host receives from the entry point and passes back on every call.
struct Effect
{
    std::int32_t magic;
    Dispatcher dispatcher;
    ProcessFloat processAccumulating; // obsolete; hosts of 2.4 never call it
    SetParameter setParameter;
    GetParameter getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    IntPtr reserved1;
    IntPtr reserved2;
    std::int32_t initialDelay;
    std::int32_t realQualities; // obsolete
    std::int32_t offQualities;  // obsolete
    float ioRatio;              // obsolete
    void* object;               // the plug-in's own instance
    void* user;                 // free for the host
    std::int32_t uniqueId;
    std::int32_t version;
    ProcessFloat processReplacing;
    ProcessDouble processDoubleReplacing;
    char future[56];
};

static_assert(sizeof(void*) == 8, "this layout is the 64-bit one");
static_assert(offsetof(Effect, dispatcher) == 8);
static_assert(offsetof(Effect, numPrograms) == 40);
static_assert(offsetof(Effect, flags) == 56);
static_assert(offsetof(Effect, reserved1) == 64);
static_assert(offsetof(Effect, initialDelay) == 80);
static_assert(offsetof(Effect, object) == 96);
static_assert(offsetof(Effect, uniqueId) == 112);
static_assert(offsetof(Effect, processReplacing) == 120);
static_assert(sizeof(Effect) == 192);

// Editor rectangle handed out by the get-rect opcode.
struct Rect
{
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

// Text buffer sizes, terminator included. Hosts reserve at least these.
constexpr std::size_t kProgramNameSize = 24;
constexpr std::size_t kParamTextSize = 8;
// Most 2.4 hosts give parameter texts this much room, and plug-ins commonly
// use it; the short size above would cut even "Buffer size".
constexpr std::size_t kParamTextSizeExtended = 32;
constexpr std::size_t kEffectNameSize = 32;
constexpr std::size_t kVendorSize = 64;
constexpr std::size_t kProductSize = 64;
constexpr std::size_t kLabelSize = 64;
constexpr std::size_t kShortLabelSize = 8;
constexpr std::size_t kCategoryLabelSize = 24;

// Bits of PinProperties::flags.
enum PinFlags : std::int32_t
{
    kPinIsActive = 1 << 0,
    kPinIsStereo = 1 << 1,
    kPinUseSpeaker = 1 << 2,
};

struct PinProperties
{
    char label[kLabelSize];
    std::int32_t flags;
    std::int32_t arrangementType;
    char shortLabel[kShortLabelSize];
    char future[48];
};
static_assert(sizeof(PinProperties) == 128);

// Bits of ParameterProperties::flags.
enum ParameterFlags : std::int32_t
{
    kParamIsSwitch = 1 << 0,
    kParamUsesIntegerMinMax = 1 << 1,
    kParamUsesFloatStep = 1 << 2,
    kParamUsesIntStep = 1 << 3,
    kParamSupportsDisplayIndex = 1 << 4,
    kParamSupportsDisplayCategory = 1 << 5,
    kParamCanRamp = 1 << 6,
};

struct ParameterProperties
{
    float stepFloat;
    float smallStepFloat;
    float largeStepFloat;
    char label[kLabelSize];
    std::int32_t flags;
    std::int32_t minInteger;
    std::int32_t maxInteger;
    std::int32_t stepInteger;
    std::int32_t largeStepInteger;
    char shortLabel[kShortLabelSize];
    std::int16_t displayIndex;
    std::int16_t category;
    std::int16_t numParametersInCategory;
    std::int16_t reserved;
    char categoryLabel[kCategoryLabelSize];
    char future[16];
};
static_assert(sizeof(ParameterProperties) == 152);

// The leading fields of a speaker arrangement; the per-speaker records that
// follow them are not needed to tell stereo from anything else.
struct SpeakerArrangementHead
{
    std::int32_t type;
    std::int32_t numChannels;
};

// Answers of the category opcode.
enum class PlugCategory : std::int32_t
{
    unknown = 0,
    effect = 1,
    synth = 2,
    analysis = 3,
    mastering = 4,
    spatializer = 5,
    roomFx = 6,
    surroundFx = 7,
    restoration = 8,
    offlineProcess = 9,
    shell = 10,
    generator = 11,
};

} // namespace vst2
