#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <vector>

namespace vst3host
{

// Records what an edit controller reports to its host: every begin, perform
// and end of an edit, and the restart flags. Owned by the host, so reference
// counting is a no-op.
class ComponentHandler : public Steinberg::Vst::IComponentHandler
{
public:
    enum class EditKind
    {
        begin,
        perform,
        end
    };
    struct Edit
    {
        EditKind kind;
        Steinberg::Vst::ParamID id;
        Steinberg::Vst::ParamValue value;
    };

    virtual ~ComponentHandler() = default;

    std::vector<Edit> edits;
    Steinberg::int32 restartFlags = 0;

    Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                              Steinberg::Vst::ParamValue value) override;
    Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }
};

} // namespace vst3host
