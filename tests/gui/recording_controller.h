#pragma once

#include "pluginterfaces/base/ustring.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "public.sdk/source/vst/vstparameters.h"

#include <cstdio>
#include <string>
#include <vector>

namespace gui_test
{

using namespace Steinberg;
using namespace Steinberg::Vst;

// An edit controller that records the edit calls it receives, as "begin 3",
// "perform 3 0.25", "set 3 0.25", "end 3", "group", "endgroup".
class RecordingController : public EditController
{
public:
    std::vector<std::string> calls;

    Parameter* addContinuous(ParamID id, const char* title, ParamValue value = 0.)
    {
        auto* p = parameters.addParameter(wide(title).c_str(), nullptr, 0, value,
                                          ParameterInfo::kCanAutomate, static_cast<int32>(id));
        return p;
    }
    Parameter* addList(ParamID id, const char* title, int entries)
    {
        auto* p = new StringListParameter(wide(title).c_str(), id);
        for (int i = 0; i < entries; ++i)
            p->appendString(wide(("entry " + std::to_string(i)).c_str()).c_str());
        return parameters.addParameter(p);
    }

    tresult beginEdit(ParamID id) override { return record("begin " + std::to_string(id)); }
    tresult endEdit(ParamID id) override { return record("end " + std::to_string(id)); }
    tresult performEdit(ParamID id, ParamValue v) override
    {
        return record("perform " + idValue(id, v));
    }
    tresult startGroupEdit() override { return record("group"); }
    tresult finishGroupEdit() override { return record("endgroup"); }
    tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue v) override
    {
        record("set " + idValue(id, v));
        return EditController::setParamNormalized(id, v);
    }
    // Moves a parameter the way the host does, without recording it.
    void hostSets(ParamID id, ParamValue v) { EditController::setParamNormalized(id, v); }
    std::vector<std::string> takeCalls()
    {
        auto c = std::move(calls);
        calls.clear();
        return c;
    }

    static std::u16string wide(const char* s)
    {
        std::u16string w;
        for (; *s; ++s)
            w.push_back(static_cast<char16_t>(*s));
        return w;
    }

private:
    tresult record(std::string s)
    {
        calls.push_back(std::move(s));
        return kResultTrue;
    }
    static std::string idValue(ParamID id, ParamValue v)
    {
        char text[64];
        std::snprintf(text, sizeof(text), "%u %g", static_cast<unsigned>(id), v);
        return text;
    }
};

} // namespace gui_test
