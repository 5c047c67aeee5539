#include "component_handler.h"

namespace vst3host
{

using namespace Steinberg;

tresult PLUGIN_API ComponentHandler::beginEdit(Vst::ParamID id)
{
    edits.push_back({EditKind::begin, id, 0.0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::performEdit(Vst::ParamID id, Vst::ParamValue value)
{
    edits.push_back({EditKind::perform, id, value});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::endEdit(Vst::ParamID id)
{
    edits.push_back({EditKind::end, id, 0.0});
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::restartComponent(int32 flags)
{
    restartFlags |= flags;
    return kResultOk;
}

tresult PLUGIN_API ComponentHandler::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, FUnknown::iid, Vst::IComponentHandler)
    QUERY_INTERFACE(iid, obj, Vst::IComponentHandler::iid, Vst::IComponentHandler)
    *obj = nullptr;
    return kNoInterface;
}

} // namespace vst3host
