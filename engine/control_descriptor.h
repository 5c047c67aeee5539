#pragma once

#include <cstdint>

// Codes of `CControlDescriptor::dataType`.
enum ControlDataType : std::uint32_t
{
    kDataInt = 0,
    kDataFloat = 1,
    kDataDouble = 2,
    kDataUInt = 3,
    kDataNone = 4,
};

// Codes of `CControlDescriptor::controlType` that the bridge publishes.
enum ControlType : std::uint32_t
{
    kControlOrdinary = 100,
    kControlSwitch = 102,
    kControlMeter = 103,
    kControlOrdinaryB = 104,
    kControlOrdinaryC = 106,
};

// Describes one user control and points at the engine member that holds its
// value. Copies own their texts (up to 1023 characters each) but share the
// variable pointers, which stay owned by the engine.
struct CControlDescriptor
{
    static constexpr int kTextCapacity = 1024;

    CControlDescriptor();
    CControlDescriptor(const CControlDescriptor& other);
    CControlDescriptor& operator=(const CControlDescriptor& other);

    void setName(const char* text);
    void setUnits(const char* text);
    void setVariableName(const char* text);
    void setEnumeration(const char* text);

    // Stores a plain value in the variable of `dataType`, truncating toward
    // zero and saturating for the integer types; an unsigned variable takes
    // the low word of the 64-bit value so a negative value keeps its
    // two's-complement bits. Stores nothing without a variable.
    void storePlain(double plain) const;

    std::uint32_t controlType = 0;
    std::uint32_t controlId = 0;
    std::uint32_t meterDetectMode = 2;
    float minValue = 0.0f;
    float maxValue = 1.0f;
    std::uint32_t dataType = kDataNone;
    float intDefault = 0.0f;
    float floatDefault = 0.0f;
    float doubleDefault = 0.0f;
    float uintDefault = 0.0f;
    std::int32_t* intVariable = nullptr;
    float* floatVariable = nullptr;
    double* doubleVariable = nullptr;
    std::uint32_t* uintVariable = nullptr;
    float* meterVariable = nullptr;
    char name[kTextCapacity];
    char units[kTextCapacity];
    char variableName[kTextCapacity];
    char enumeration[kTextCapacity];
    bool meterLogScale = false;
    bool logScale = false;
    bool logScaleAlt = false;
    float meterAttackMs = 10.0f;
    float meterReleaseMs = 500.0f;
    bool midiControllable = false;
    std::uint32_t midiStatus = 176;
    std::uint32_t midiController = 3;
    std::int32_t lcdMember = 0;
};
