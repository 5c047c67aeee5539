#pragma once

#include <vector>

// A stereo test signal generated in code: plucked-string arpeggios over a
// kick, snare and hi-hat pattern at 120 beats per minute.
struct DemoSignal
{
    std::vector<float> left;
    std::vector<float> right;
};

DemoSignal makeDemoSignal(int sampleRate, double seconds);
