// Writes every image of the editor as a PNG into the folder given as the only
// argument. Filmstrips stack their frames vertically, first frame on top.
#include "painters.h"

#include <cairo.h>

#include <cstdio>
#include <functional>
#include <string>

namespace
{
struct ImageEntry
{
    const char* file;
    int width;
    int frameHeight;
    int frames;
    std::function<void(cairo_t*, const FrameArea&)> paint;
};

// Panel and window sizes match the containers laid out in Kestrix.uidesc.
const ImageEntry kImages[] = {
    {"knob.png", 48, 48, 65, paintContinuousKnob},
    {"switch2.png", 48, 48, 2, paintSwitchKnob},
    {"switch4.png", 48, 48, 4, paintSwitchKnob},
    {"toggle.png", 36, 18, 2, paintToggle},
    // For a continuous on/off parameter: off only at the very bottom of the range.
    {"bypass.png", 36, 18, 65, paintToggle},
    {"pad_grid.png", 196, 172, 1,
     [](cairo_t* cr, const FrameArea& a) { paintPadGrid(cr, a, 7.0); }},
    {"kick.png", 56, 28, 2, paintKickButton},
    {"slider_track.png", 28, 156, 1, paintSliderTrack},
    {"slider_handle.png", 28, 16, 1, paintSliderHandle},
    {"panel_channel.png", 256, 256, 1,
     [](cairo_t* cr, const FrameArea& a) { paintPanel(cr, a, 30.0); }},
    {"panel_pad.png", 232, 256, 1,
     [](cairo_t* cr, const FrameArea& a) { paintPanel(cr, a, 30.0); }},
    {"panel_mix.png", 372, 140, 1,
     [](cairo_t* cr, const FrameArea& a) { paintPanel(cr, a, 30.0); }},
    {"panel_actions.png", 384, 140, 1,
     [](cairo_t* cr, const FrameArea& a) { paintPanel(cr, a, 30.0); }},
    {"background.png", 800, 488, 1,
     [](cairo_t* cr, const FrameArea& a) { paintBackground(cr, a, 52.0); }},
};

bool writeImage(const ImageEntry& entry, const std::string& folder)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, entry.width,
                                                          entry.frameHeight * entry.frames);
    cairo_t* cr = cairo_create(surface);
    for (int frame = 0; frame < entry.frames; ++frame)
    {
        cairo_save(cr);
        cairo_rectangle(cr, 0, frame * entry.frameHeight, entry.width, entry.frameHeight);
        cairo_clip(cr);
        cairo_translate(cr, 0, frame * entry.frameHeight);
        entry.paint(cr,
                    FrameArea{double(entry.width), double(entry.frameHeight), frame, entry.frames});
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    const std::string path = folder + "/" + entry.file;
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok)
        std::fprintf(stderr, "image_gen: cannot write %s\n", path.c_str());
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    bool ok = true;
    for (const ImageEntry& entry : kImages)
        ok = writeImage(entry, argv[1]) && ok;
    return ok ? 0 : 1;
}
