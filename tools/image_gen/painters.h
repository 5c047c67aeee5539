#pragma once

#include <cairo.h>

// Each painter draws one frame of an image into a w × h area whose top-left
// corner is the current origin of `cr`. `frame` counts from 0 to `frames` - 1.
struct FrameArea
{
    double w;
    double h;
    int frame;
    int frames;
};

// Rotary knob with a value arc, for continuous parameters: frame k shows the
// value k / (frames - 1).
void paintContinuousKnob(cairo_t* cr, const FrameArea& area);

// Rotary selector with one detent per frame: frame k points at detent k.
void paintSwitchKnob(cairo_t* cr, const FrameArea& area);

// Two-state pill switch: frame 0 off, frame 1 on.
void paintToggle(cairo_t* cr, const FrameArea& area);

// Momentary push button with a lamp: frame 0 released, frame 1 pressed and lit.
void paintKickButton(cairo_t* cr, const FrameArea& area);

// Vertical slider groove with scale ticks, and the slider's cap.
void paintSliderTrack(cairo_t* cr, const FrameArea& area);
void paintSliderHandle(cairo_t* cr, const FrameArea& area);

// Background of an XY pad: a dark field with a grid over the handle's travel,
// which is inset by `inset` pixels (half the handle) on every side.
void paintPadGrid(cairo_t* cr, const FrameArea& area, double inset);

// Rounded section panel with a title strip of `titleHeight` pixels (0 for none).
void paintPanel(cairo_t* cr, const FrameArea& area, double titleHeight);

// Whole-window backdrop with a header band of `headerHeight` pixels.
void paintBackground(cairo_t* cr, const FrameArea& area, double headerHeight);
