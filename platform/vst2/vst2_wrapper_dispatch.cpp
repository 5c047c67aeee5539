// The dispatcher: one case per opcode the wrapper answers, and the helpers of
// the opcodes that take more than a line.

#include "vst2_wrapper.h"

#include "class_presentation.h"
#include "fixed_text.h"
#include "vst2_opcodes.h"

#include "platform/vst3host/tchar_string.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace vst2
{

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

// Features a host may ask about and the answer: 1 yes, -1 no.
constexpr std::array<std::pair<std::string_view, IntPtr>, 6> kFeatures{{
    {"plugAsChannelInsert", 1},
    {"plugAsSend", 1},
    {"2in2out", 1},
    {"receiveVstEvents", -1},
    {"receiveVstMidiEvent", -1},
    {"sendVstMidiEvent", -1},
}};

std::int16_t toShort(int32 value)
{
    return static_cast<std::int16_t>(std::clamp<int32>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace

IntPtr Vst2Wrapper::dispatch(std::int32_t opcode, std::int32_t index, IntPtr value, void* ptr,
                             float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (static_cast<Opcode>(opcode))
    {
    case Opcode::getProgram:
        return 0;
    case Opcode::setProgramName:
        if (text)
            programName_ = std::string(readFixedText(text, kProgramNameSize - 1));
        return 0;
    case Opcode::getProgramName:
        copyFixedText(text, kProgramNameSize, programName_);
        return 0;
    case Opcode::getProgramNameIndexed:
        if (index != 0)
            return 0;
        copyFixedText(text, kProgramNameSize, programName_);
        return 1;
    case Opcode::getParamLabel:
    case Opcode::getParamDisplay:
    case Opcode::getParamName:
        return getParameterText(opcode, index, text) ? 1 : 0;
    case Opcode::canBeAutomated:
    {
        const ParameterInfo* info = parameterAt(index);
        return info && (info->flags & ParameterInfo::kCanAutomate) != 0 ? 1 : 0;
    }
    case Opcode::string2Parameter:
    {
        const ParameterInfo* info = parameterAt(index);
        if (!info || !text)
            return 0;
        String128 wide{};
        vst3host::toString128(text, wide);
        ParamValue normalized = 0.0;
        if (controller_->getParamValueByString(info->id, wide, normalized) != kResultOk)
            return 0;
        setParameter(index, static_cast<float>(normalized));
        return 1;
    }
    case Opcode::getParameterProperties:
        return getParameterProperties(index, static_cast<ParameterProperties*>(ptr));
    case Opcode::setSampleRate:
        if (std::isfinite(opt) && opt > 0.0f)
            sampleRate_ = opt;
        return 0;
    case Opcode::setBlockSize:
        if (value > 0 && value <= std::numeric_limits<std::int32_t>::max())
            blockSize_ = static_cast<std::int32_t>(value);
        return 0;
    case Opcode::mainsChanged:
        if (value != 0)
            resume();
        else
            suspend();
        return 0;
    case Opcode::getChunk:
        return getChunk(static_cast<void**>(ptr));
    case Opcode::setChunk:
        return setChunk(ptr, value);
    case Opcode::getInputProperties:
        return getPinProperties(index, true, static_cast<PinProperties*>(ptr));
    case Opcode::getOutputProperties:
        return getPinProperties(index, false, static_cast<PinProperties*>(ptr));
    case Opcode::getPlugCategory:
        return static_cast<IntPtr>(plugCategoryFor(subCategories_));
    case Opcode::setSpeakerArrangement:
    {
        // Only the arrangement the component was set up with is accepted.
        const auto* in = reinterpret_cast<const SpeakerArrangementHead*>(value);
        const auto* out = static_cast<const SpeakerArrangementHead*>(ptr);
        return out && out->numChannels == kChannels &&
                       (inputChannels_ == 0 || (in && in->numChannels == inputChannels_))
                   ? 1
                   : 0;
    }
    case Opcode::setBypass:
        return setBypass(value != 0);
    case Opcode::getEffectName:
        copyFixedText(text, kEffectNameSize, name_);
        return name_.empty() ? 0 : 1;
    case Opcode::getVendorString:
        copyFixedText(text, kVendorSize, vendor_);
        return vendor_.empty() ? 0 : 1;
    case Opcode::getProductString:
        copyFixedText(text, kProductSize, name_);
        return name_.empty() ? 0 : 1;
    case Opcode::getVendorVersion:
        return effect_.version;
    case Opcode::canDo:
        return canDo(text);
    case Opcode::getTailSize:
    {
        // VST 2 reads 0 as "unknown", so "no tail" is sent as 1 frame.
        const uint32 tail = processor_->getTailSamples();
        if (tail == kNoTail)
            return 1;
        return tail == kInfiniteTail ? 0 : static_cast<IntPtr>(tail);
    }
    case Opcode::getVstVersion:
        return kVstVersion;
    case Opcode::setProcessPrecision:
        return value == static_cast<IntPtr>(ProcessPrecision::single) ? 1 : 0;
    case Opcode::editGetRect:
        return editGetRect(static_cast<Rect**>(ptr));
    case Opcode::editOpen:
        return editOpen(ptr);
    case Opcode::editClose:
        editClose();
        return 1;
    case Opcode::editIdle:
    case Opcode::idle:
        editIdle();
        return 0;
    default:
        return 0;
    }
}

const ParameterInfo* Vst2Wrapper::parameterAt(std::int32_t index) const
{
    if (index < 0 || static_cast<size_t>(index) >= parameters_.size())
        return nullptr;
    return &parameters_[static_cast<size_t>(index)];
}

bool Vst2Wrapper::getParameterText(std::int32_t opcode, std::int32_t index, char* text) const
{
    const ParameterInfo* found = parameterAt(index);
    if (!text || !found)
        return false;
    const ParameterInfo& info = *found;
    switch (static_cast<Opcode>(opcode))
    {
    case Opcode::getParamName:
        copyFixedText(text, kParamTextSizeExtended, vst3host::toUtf8(info.title));
        return true;
    case Opcode::getParamLabel:
        copyFixedText(text, kParamTextSize, vst3host::toUtf8(info.units));
        return true;
    case Opcode::getParamDisplay:
    {
        String128 display{};
        if (controller_->getParamStringByValue(info.id, values_.value(static_cast<size_t>(index)),
                                               display) != kResultOk)
            display[0] = 0;
        copyFixedText(text, kParamTextSize, vst3host::toUtf8(display));
        return true;
    }
    default:
        return false;
    }
}

IntPtr Vst2Wrapper::getParameterProperties(std::int32_t index,
                                           ParameterProperties* properties) const
{
    const ParameterInfo* found = parameterAt(index);
    if (!properties || !found)
        return 0;
    const ParameterInfo& info = *found;
    std::memset(properties, 0, sizeof(ParameterProperties));
    const std::string title = vst3host::toUtf8(info.title);
    const std::string shortTitle = vst3host::toUtf8(info.shortTitle);
    copyFixedText(properties->label, kLabelSize, title);
    copyFixedText(properties->shortLabel, kShortLabelSize, shortTitle.empty() ? title : shortTitle);
    if (info.stepCount == 1)
        properties->flags |= kParamIsSwitch;
    return 1;
}

IntPtr Vst2Wrapper::getPinProperties(std::int32_t index, bool input,
                                     PinProperties* properties) const
{
    const int32 channels = input ? inputChannels_ : kChannels;
    if (!properties || index < 0 || index >= channels)
        return 0;
    std::memset(properties, 0, sizeof(PinProperties));
    BusInfo bus{};
    std::string name = component_->getBusInfo(kAudio, input ? kInput : kOutput, 0, bus) == kResultOk
                           ? vst3host::toUtf8(bus.name)
                           : std::string(input ? "Input" : "Output");
    const char* side = index % 2 == 0 ? "L" : "R";
    copyFixedText(properties->label, kLabelSize, name + " " + side);
    copyFixedText(properties->shortLabel, kShortLabelSize,
                  std::string(input ? "In " : "Out ") + side);
    // The stereo flag marks the first channel of each pair.
    properties->flags = kPinIsActive | (index % 2 == 0 ? kPinIsStereo : 0);
    return 1;
}

IntPtr Vst2Wrapper::canDo(const char* feature) const
{
    if (!feature)
        return 0;
    const std::string_view name(feature);
    if (name == "bypass")
        return bypassIndex_ >= 0 ? 1 : -1;
    for (const auto& [known, answer] : kFeatures)
    {
        if (known == name)
            return answer;
    }
    return 0;
}

IntPtr Vst2Wrapper::setBypass(bool on)
{
    if (bypassIndex_ < 0)
        return 0;
    values_.setFromHost(static_cast<size_t>(bypassIndex_), on ? 1.0f : 0.0f);
    return 1;
}

IntPtr Vst2Wrapper::editGetRect(Rect** rect)
{
    if (!rect)
        return 0;
    *rect = nullptr;
    if (!view_)
        view_ = owned(controller_->createView(ViewType::kEditor));
    ViewRect size{};
    if (!view_ || view_->getSize(&size) != kResultOk)
        return 0;
    rect_ = Rect{toShort(size.top), toShort(size.left), toShort(size.bottom), toShort(size.right)};
    *rect = &rect_;
    return 1;
}

IntPtr Vst2Wrapper::editOpen(void* parent)
{
    if (!parent || editorOpen_)
        return 0;
    if (!view_)
        view_ = owned(controller_->createView(ViewType::kEditor));
    if (!view_ || view_->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
        return 0;
    // The editor shows what the host has set so far.
    deliverToController();
    view_->setFrame(&frame_);
    if (view_->attached(parent, kPlatformTypeX11EmbedWindowID) != kResultOk)
    {
        view_->setFrame(nullptr);
        view_ = nullptr;
        return 0;
    }
    editorOpen_ = true;
    return 1;
}

void Vst2Wrapper::editClose()
{
    if (!view_)
        return;
    if (editorOpen_)
        view_->removed();
    view_->setFrame(nullptr);
    view_ = nullptr;
    editorOpen_ = false;
}

void Vst2Wrapper::editIdle()
{
    deliverToController();
    if (editorOpen_)
        frame_.idle();
}

} // namespace vst2
