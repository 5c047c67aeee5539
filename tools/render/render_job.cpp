#include "render_job.h"

#include "audio_file_reader.h"
#include "audio_file_writer.h"
#include "automation_lane.h"
#include "demo_signal.h"
#include "pending_file.h"
#include "plot_painter.h"
#include "plugin_session.h"
#include "progress_bar.h"
#include "signal_overview.h"
#include "tool_error.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>

namespace render
{

using Steinberg::Vst::ParamID;

namespace
{

std::vector<char> readWholeFile(const std::string& path, const char* what)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        renderError("cannot read " + std::string(what) + " " + path);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

std::string caption(const RenderOptions& options, const AudioSource& source)
{
    char line[256];
    const std::string name = options.demo
                                 ? std::string("built-in demo")
                                 : std::filesystem::path(options.input).filename().string();
    std::snprintf(line, sizeof line, "%s   %d Hz   %s   %.2f s", name.c_str(), source.sampleRate(),
                  source.channels() == 1 ? "mono" : "stereo",
                  static_cast<double>(source.frames()) / source.sampleRate());
    std::string text = line;
    for (const std::string& s : options.settings)
        text += "   " + s;
    for (const std::string& a : options.automations)
        text += "   " + a;
    return text;
}

// Runs the whole source through the plug-in block by block; memory stays
// that of one block whatever the length.
void renderAudio(PluginSession& session, AudioSource& source, AudioFileWriter& writer,
                 const std::vector<AutomationLane>& lanes, int blockSize, SignalOverview* input,
                 SignalOverview* output, ProgressBar& progress)
{
    const int channels = source.channels();
    const auto samples = static_cast<size_t>(blockSize) * static_cast<size_t>(channels);
    std::vector<float> in(samples);
    std::vector<float> out(samples);
    std::vector<double> sent(lanes.size(), -1.0);
    vst3host::ProcessBuffers& buffers = session.buffers();

    std::int64_t done = 0;
    for (;;)
    {
        const std::int64_t frames = source.read(in.data(), blockSize);
        if (frames <= 0)
            break;
        for (int c = 0; c < channels; ++c)
            for (std::int64_t i = 0; i < frames; ++i)
                buffers.input(c)[i] = in[static_cast<size_t>(i * channels + c)];

        // One point per block, at its start, sent only when the value moves.
        const double seconds = static_cast<double>(done) / source.sampleRate();
        for (size_t k = 0; k < lanes.size(); ++k)
        {
            const double value = lanes[k].valueAt(seconds);
            if (value != sent[k])
            {
                session.changes().addPoint(lanes[k].id, 0, value);
                sent[k] = value;
            }
        }
        session.process(static_cast<int>(frames));

        for (int c = 0; c < channels; ++c)
            for (std::int64_t i = 0; i < frames; ++i)
                out[static_cast<size_t>(i * channels + c)] = buffers.output(c)[i];
        writer.write(out.data(), frames);
        if (input)
            input->add(in.data(), frames);
        if (output)
            output->add(out.data(), frames);
        done += frames;
        progress.update(done);
    }
    progress.finish();
}

} // namespace

void runJob(const RenderOptions& options, std::ostream& out)
{
    PluginSession session(options.plugin.empty() ? defaultPluginPath() : options.plugin);
    if (options.listParams)
    {
        session.catalog().print(out);
        return;
    }

    // Everything typed is checked before any file is read or written.
    std::vector<std::pair<ParamID, double>> values;
    for (const std::string& setting : options.settings)
    {
        const auto [name, value] = splitAssignment("--set", setting);
        const ParameterEntry& parameter = session.catalog().find(name);
        values.emplace_back(parameter.id, session.catalog().normalizedFor(parameter, value));
    }
    const std::vector<AutomationLane> lanes =
        parseAutomations(options.automations, session.catalog());

    std::unique_ptr<AudioSource> source;
    std::optional<int> inputFormat;
    if (options.demo)
        source = std::make_unique<DemoSignal>();
    else if (!options.input.empty())
    {
        auto reader = std::make_unique<AudioFileReader>(options.input);
        inputFormat = reader->format();
        source = std::move(reader);
    }
    const int format =
        options.rendersAudio() ? outputFormat(options.output, inputFormat, options.bits) : 0;

    if (!options.state.empty())
        session.loadState(readWholeFile(options.state, "state"), options.state);
    if (!options.preset.empty())
        session.loadPreset(readWholeFile(options.preset, "preset"), options.preset);

    const int channels = source ? source->channels() : 2;
    const int sampleRate = source ? source->sampleRate() : DemoSignal::rate;
    session.start(channels, sampleRate, options.blockSize);
    session.applyValues(values);

    // Saved settings are those the render starts from, before automation.
    std::unique_ptr<PendingFile> statePending;
    std::unique_ptr<PendingFile> presetPending;
    if (!options.saveState.empty())
    {
        statePending = std::make_unique<PendingFile>(options.saveState);
        const std::vector<char> bytes = session.state();
        statePending->write(bytes.data(), bytes.size());
    }
    if (!options.savePreset.empty())
    {
        presetPending = std::make_unique<PendingFile>(options.savePreset);
        const std::vector<char> bytes = session.preset();
        presetPending->write(bytes.data(), bytes.size());
    }

    std::unique_ptr<AudioFileWriter> writer;
    std::unique_ptr<PendingFile> plotPending;
    if (options.rendersAudio())
    {
        writer = std::make_unique<AudioFileWriter>(options.output, format, channels, sampleRate);
        std::unique_ptr<SignalOverview> inputOverview;
        std::unique_ptr<SignalOverview> outputOverview;
        if (!options.plot.empty())
        {
            plotPending = std::make_unique<PendingFile>(options.plot);
            inputOverview =
                std::make_unique<SignalOverview>(channels, sampleRate, source->frames(),
                                                 PlotPainter::plotWidth, PlotPainter::spectrumRows);
            outputOverview =
                std::make_unique<SignalOverview>(channels, sampleRate, source->frames(),
                                                 PlotPainter::plotWidth, PlotPainter::spectrumRows);
        }
        ProgressBar progress(source->frames(), !options.quiet);
        renderAudio(session, *source, *writer, lanes, options.blockSize, inputOverview.get(),
                    outputOverview.get(), progress);
        if (plotPending)
        {
            inputOverview->finish();
            outputOverview->finish();
            PlotPainter::paint(*inputOverview, *outputOverview, caption(options, *source),
                               plotPending->temporaryPath());
        }
    }

    // Only now, with every output complete, do they take their names.
    if (writer)
        writer->commit();
    if (plotPending)
        plotPending->commit();
    if (statePending)
        statePending->commit();
    if (presetPending)
        presetPending->commit();
}

} // namespace render
