#include "processor.h"

#include "built_in_parameters.h"
#include "control_default.h"
#include "enumeration_items.h"
#include "log_scale_parameter.h"
#include "parameter_ids.h"
#include "peak_parameter.h"
#include "widen_text.h"

#include "vst3_editor_wp.h"

#include "create_engine.h"
#include "plug_in.h"

#include <cmath>
#include <cstring>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
bool isPublishedControlType(uint32 controlType)
{
    return controlType == kControlOrdinary || controlType == kControlSwitch ||
           controlType == kControlOrdinaryB || controlType == kControlOrdinaryC;
}

bool isLogScale(const CControlDescriptor& control)
{
    return control.logScale || control.logScaleAlt;
}

RangeParameter* newRangeParameter(ParamID id, const char* title, ParamValue maxPlain,
                                  ParamValue defaultPlain, int32 flags, int32 precision)
{
    String128 wideTitle;
    widenText(title, wideTitle);
    auto* parameter =
        new RangeParameter(wideTitle, id, u"", 0.0, maxPlain, defaultPlain, 0, flags, kRootUnitId);
    parameter->setPrecision(precision);
    return parameter;
}
} // namespace

Processor::Processor() : Processor(nullptr) {}

Processor::Processor(std::unique_ptr<CPlugIn> engine)
    : engine(engine ? std::move(engine) : std::unique_ptr<CPlugIn>(createEngine()))
{
}

Processor::~Processor() = default;

FUnknown* Processor::createInstance(void*)
{
    return static_cast<IAudioProcessor*>(new Processor());
}

tresult PLUGIN_API Processor::queryInterface(const TUID iid, void** obj)
{
    if (FUnknownPrivate::iidEqual(iid, IMidiMapping::iid))
    {
        addRef();
        *obj = static_cast<IMidiMapping*>(this);
        return kResultOk;
    }
    return SingleComponentEffect::queryInterface(iid, obj);
}

tresult PLUGIN_API Processor::initialize(FUnknown* context)
{
    const tresult result = SingleComponentEffect::initialize(context);
    if (result != kResultOk)
        return result;

    addAudioOutput(u"Audio Output", SpeakerArr::kStereo);
    if (!engine->outputOnly)
        addAudioInput(u"AudioInput", SpeakerArr::kStereo);
    addEventInput(u"Event Input", 16);

    currentEditor = nullptr;
    alphaWheelKnob = nullptr;
    publishControls();
    publishBuiltInParameters();
    return result;
}

// One parameter per published control, under its list position.
void Processor::publishControls()
{
    logScales.clear();

    for (int32 n = 0; n < engine->controls.count(); ++n)
    {
        const CControlDescriptor& control = *engine->controls.at(n);
        const auto id = static_cast<ParamID>(n);
        String128 title;
        String128 units;
        widenText(control.name, title);
        widenText(control.units, units);

        if (control.controlType == kControlMeter)
        {
            parameters.addParameter(new PeakParameter(ParameterInfo::kIsReadOnly, id, title));
            meterParameterIds.push_back(id);
            continue;
        }
        if (!isPublishedControlType(control.controlType))
            continue;

        Parameter* parameter = nullptr;
        if (control.dataType == kDataUInt)
        {
            auto* list = new StringListParameter(
                title, id, nullptr, ParameterInfo::kCanAutomate | ParameterInfo::kIsList);
            appendEnumerationItems(*list, control.enumeration);
            parameter = list;
        }
        else if (isLogScale(control))
        {
            logScales.push_back(std::make_unique<LogScaleMapping>(
                LogScaleMapping::fromRange(control.minValue, control.maxValue)));
            auto* logScale =
                new LogScaleParameter<double>(title, id, units, logScales.back().get());
            logScale->setNormalized(logScale->toNormalized(plainDefault(control)));
            logScale->setPrecision(2);
            parameter = logScale;
        }
        else
        {
            auto* range = new RangeParameter(title, id, units, control.minValue, control.maxValue,
                                             plainDefault(control), 0, ParameterInfo::kCanAutomate,
                                             kRootUnitId);
            range->setPrecision(control.dataType == kDataInt ? 0 : 2);
            parameter = range;
        }
        parameters.addParameter(parameter);
        if (control.lcdMember == 1)
        {
            parameter->addRef();
            lcdParameters.addParameter(parameter);
        }
    }
}

void Processor::publishBuiltInParameters()
{
    if (engine->lcdEnabled != 0)
    {
        const ParamValue lastLcdIndex = lcdParameters.getParameterCount() - 1;
        parameters.addParameter(newRangeParameter(kAlphaWheelId, "Alpha Wheel", lastLcdIndex, 0.0,
                                                  ParameterInfo::kCanAutomate, 2));
        parameters.addParameter(
            new PeakParameter(ParameterInfo::kIsReadOnly, kLcdValueId, u"LCD Value"));
    }
    if (engine->vectorJoystickEnabled != 0)
        for (const BuiltInParameter& row : kJoystickParameters)
            parameters.addParameter(newRangeParameter(row.id, row.title, row.maxPlain,
                                                      row.defaultPlain, row.flags, row.precision));
    for (int32 i = 0; i < kButtonCount; ++i)
    {
        const char* name = engine->buttonNames[i];
        if (name && name[0] != 0)
            parameters.addParameter(newRangeParameter(kFirstButtonId + static_cast<ParamID>(i),
                                                      name, 1.0, 0.0, ParameterInfo::kCanAutomate,
                                                      0));
    }
    for (const BuiltInParameter& row : kFixedParameters)
        parameters.addParameter(newRangeParameter(row.id, row.title, row.maxPlain, row.defaultPlain,
                                                  row.flags, row.precision));
}

tresult PLUGIN_API Processor::terminate()
{
    lcdParameters.removeAll();
    logScales.clear();
    meterParameterIds.clear();
    return SingleComponentEffect::terminate();
}

ParamValue PLUGIN_API Processor::normalizedParamToPlain(ParamID id, ParamValue normalized)
{
    return SingleComponentEffect::normalizedParamToPlain(id, normalized);
}

ParamValue PLUGIN_API Processor::plainParamToNormalized(ParamID id, ParamValue plain)
{
    return SingleComponentEffect::plainParamToNormalized(id, plain);
}

tresult PLUGIN_API Processor::setParamNormalized(ParamID id, ParamValue value)
{
    if (std::isnan(value))
        return kResultFalse;
    return SingleComponentEffect::setParamNormalized(id, value);
}

// The editor of "Kestrix.uidesc"'s "Editor" template, for the VST 3 editor view
// type only. The caller gets the new view's one reference.
IPlugView* PLUGIN_API Processor::createView(FIDString name)
{
    if (!name || std::strcmp(name, ViewType::kEditor) != 0)
        return nullptr;
    if (!engine->wantsEditor)
        return nullptr;
    auto* editor = new VST3EditorWP(this, "Editor", "Kestrix.uidesc");
    currentEditor = editor;
    return editor;
}

tresult PLUGIN_API Processor::setActive(TBool state)
{
    if (state)
    {
        engine->activate();
        engine->sampleRate = static_cast<int32>(processSetup.sampleRate);
        engine->prepare();
    }
    return kResultOk;
}

// Accepted: no input and one stereo output for an engine that only makes
// sound; otherwise one input and one output of equal arrangement.
tresult PLUGIN_API Processor::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                 SpeakerArrangement* outputs, int32 numOuts)
{
    if (numOuts != 1 || !outputs)
        return kResultFalse;
    if (engine->outputOnly)
    {
        if (numIns != 0 || outputs[0] != SpeakerArr::kStereo)
            return kResultFalse;
    }
    else if (numIns != 1 || !inputs || inputs[0] != outputs[0])
        return kResultFalse;
    return SingleComponentEffect::setBusArrangements(inputs, numIns, outputs, numOuts);
}

tresult PLUGIN_API Processor::canProcessSampleSize(int32 symbolicSampleSize)
{
    return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

// A refused set-up leaves the engine as it was.
tresult PLUGIN_API Processor::setupProcessing(ProcessSetup& setup)
{
    if (!std::isfinite(setup.sampleRate) || setup.sampleRate < 1.0 ||
        canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
        return kResultFalse;
    // Rates beyond what an int32 holds are no audio rate; keep the cast defined.
    if (setup.sampleRate > 2147483647.0)
        return kResultFalse;
    engine->sampleRate = static_cast<int32>(setup.sampleRate);
    engine->prepare();
    return SingleComponentEffect::setupProcessing(setup);
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
