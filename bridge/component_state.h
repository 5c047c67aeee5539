#pragma once

#include "pluginterfaces/base/ibstream.h"

#include <vector>

class CPlugIn;
struct CControlDescriptor;

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// The saved state: a little-endian record of an 8-byte header (0), one field
// per control in list order (int32, float32, float64 or uint32 by the control's
// data type; none for a control without a variable) and a 16-bit bypass flag.
struct ComponentState
{
    // One plain value per list position; positions without a field hold 0.
    std::vector<double> values;
    bool bypass = false;

    // Writes the engine's current values. False when a write fails; the bytes
    // written so far stay in the stream. Runs on the user-interface thread and
    // reads the control variables while `process` may write them: each is a
    // plain aligned 32-bit field, so a save sees a control's old or new value.
    static bool write(IBStream* stream, const CPlugIn& engine, bool bypass);

    // Reads a whole record laid out for `engine`'s control list. Each value is
    // brought into its control's range, and a NaN float becomes the control's
    // default. False, with `out` unusable, when the stream ends early.
    static bool read(IBStream* stream, const CPlugIn& engine, ComponentState& out);

    // Writes the values into the engine's bound variables. Runs on the
    // user-interface thread while the audio thread may read or write the same
    // plain fields; the caller then raises an atomic flag so `process`
    // re-derives its settings from the whole loaded record.
    void storeInto(CPlugIn& engine) const;
};

// Whether a control has a field in the record.
bool hasStateField(const CControlDescriptor& control);

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
