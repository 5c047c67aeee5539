#include "plugin_session.h"

#include "tool_error.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/vstpresetfile.h"

#include <filesystem>
#include <unistd.h>

namespace render
{

using namespace Steinberg;

namespace
{

// Enough queues for every parameter to change in one block.
constexpr int32 maxChangedParameters = 512;

} // namespace

std::string defaultPluginPath()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "tovane.vst3";
    return (program.parent_path().parent_path() / "tovane.vst3").string();
}

PluginSession::PluginSession(const std::string& pluginPath) : changes_(maxChangedParameters, 1)
{
    std::string error;
    auto module = vst3host::PluginModule::load(pluginPath, error);
    if (!module)
        renderError(error);
    instance_ = vst3host::PluginInstance::create(std::move(module), error);
    if (!instance_)
        renderError(error);
    catalog_ = std::make_unique<ParameterCatalog>(*instance_->controller());
}

PluginSession::~PluginSession() = default;

void PluginSession::loadState(const std::vector<char>& state, const std::string& source)
{
    if (!instance_->setState(state))
        renderError("the plug-in rejected the state in " + source);
}

void PluginSession::loadPreset(const std::vector<char>& preset, const std::string& source)
{
    IPtr<MemoryStream> stream = owned(new MemoryStream());
    stream->write(const_cast<char*>(preset.data()), static_cast<int32>(preset.size()), nullptr);
    stream->seek(0, IBStream::kIBSeekSet, nullptr);
    Vst::PresetFile file(stream);
    if (!file.readChunkList())
        renderError(source + " is not a VST 3 preset");
    if (file.getClassID() != instance_->classId())
        renderError(source + " is a preset for another plug-in");
    const Vst::PresetFile::Entry* entry = file.getEntry(Vst::kComponentState);
    if (!entry || entry->size < 0 ||
        entry->offset + entry->size > static_cast<int64>(preset.size()))
        renderError(source + " holds no plug-in state");
    const auto begin = preset.begin() + static_cast<std::ptrdiff_t>(entry->offset);
    loadState(std::vector<char>(begin, begin + static_cast<std::ptrdiff_t>(entry->size)), source);
}

std::vector<char> PluginSession::state() const
{
    std::vector<char> bytes;
    if (!instance_->getState(bytes))
        renderError("the plug-in could not save its state");
    return bytes;
}

std::vector<char> PluginSession::preset() const
{
    const std::vector<char> bytes = state();
    IPtr<MemoryStream> component = owned(new MemoryStream());
    component->write(const_cast<char*>(bytes.data()), static_cast<int32>(bytes.size()), nullptr);
    component->seek(0, IBStream::kIBSeekSet, nullptr);
    IPtr<MemoryStream> out = owned(new MemoryStream());
    if (!Vst::PresetFile::savePreset(out, instance_->classId(), component))
        renderError("cannot build the preset");
    return std::vector<char>(out->getData(), out->getData() + out->getSize());
}

void PluginSession::start(int channels, int sampleRate, int blockSize)
{
    buffers_ = std::make_unique<vst3host::ProcessBuffers>(channels, channels, blockSize,
                                                          static_cast<double>(sampleRate));
    buffers_->data().inputParameterChanges = &changes_;
    std::string error;
    if (!instance_->start(buffers_->setup(Vst::kOffline), channels, error))
        renderError(error);
}

void PluginSession::applyValues(const std::vector<std::pair<Vst::ParamID, double>>& values)
{
    if (values.empty())
        return;
    changes_.clear();
    for (const auto& [id, value] : values)
    {
        changes_.addPoint(id, 0, value);
        // Keep the controller's view of the value in step, as a host does.
        instance_->controller()->setParamNormalized(id, value);
    }
    process(0);
}

void PluginSession::process(int frames)
{
    if (instance_->processor()->process(buffers_->begin(frames)) != kResultOk)
        renderError("the plug-in failed to process a block");
    changes_.clear();
}

} // namespace render
