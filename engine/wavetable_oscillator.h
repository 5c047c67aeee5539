#pragma once

#include <cstdint>

// Low-frequency oscillator reading one period of a waveform from 1024-entry
// tables with linear interpolation. A second output reads a quarter period
// (256 entries) ahead of the main one.
class CWavetableOscillator
{
public:
    static constexpr std::int32_t kTableLength = 1024;

    // The seven waveform tables. They never change after they are built, so
    // every oscillator reads the same single copy.
    struct Tables
    {
        float sineTable[kTableLength];
        float sawTable[kTableLength];
        float triangleTable[kTableLength];
        float squareTable[kTableLength];
        float smoothSawTable[kTableLength];
        float smoothTriangleTable[kTableLength];
        float smoothSquareTable[kTableLength];
    };

    CWavetableOscillator();

    // Restarts both phases and recomputes `increment`.
    bool reset();
    // Recomputes `increment` from `frequency` and `sampleRate`; call after
    // changing either.
    void updateIncrement();
    void oscillate(float* out, float* quadOut);

    const Tables& tables;
    float readIndex = 0.0f;
    float quadReadIndex = 256.0f;
    float increment = 0.0f;
    std::int32_t sampleRate = 44100;
    float frequency = 440.0f;
    bool invert = false;
    // 0 sine, 1 saw, 2 triangle, 3 square; any other value reads the sine.
    std::uint32_t waveform = 0;
    // Nonzero: saw, triangle and square read their summed-harmonic tables.
    std::uint32_t bandLimited = 0;
    // 1: outputs mapped from -1..1 onto 0..1.
    std::uint32_t polarity = 0;

private:
    const float* selectedTable() const;
};
