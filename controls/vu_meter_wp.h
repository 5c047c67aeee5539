#pragma once

#include "c_vu_meter.h"

namespace VSTGUI
{
// A level meter in one of two styles. LED mode draws lit and unlit segments
// like the toolkit's meter; inverted, the lit part hangs from the top. Analog
// mode shows one frame of a filmstrip chosen by the value; inverted, it reads
// the strip backwards from the zero frame.
class CVuMeterWP : public CVuMeter
{
public:
    CVuMeterWP(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
               bool invertedMode, bool analogMode, int32_t style);
    ~CVuMeterWP() override;

    void draw(CDrawContext* context) override;

    bool isInverted() const { return invertedMode; }
    bool isAnalog() const { return analogMode; }
    // Filmstrip of analog mode: frame height in pixels, frame count and the frame
    // that inverted mode shows for 0.
    void setAnalogFrameHeight(double height) { analogFrameHeight = height; }
    double getAnalogFrameHeight() const { return analogFrameHeight; }
    void setAnalogFrameCount(double count) { analogFrameCount = count; }
    double getAnalogFrameCount() const { return analogFrameCount; }
    void setAnalogZeroFrame(double frame) { analogZeroFrame = frame; }
    double getAnalogZeroFrame() const { return analogZeroFrame; }

private:
    void drawFilmstrip(CDrawContext* context);
    void drawLeds(CDrawContext* context);

    bool invertedMode;
    bool analogMode;
    double analogZeroFrame = 52;
    double analogFrameHeight = 65;
    double analogFrameCount = 80;
};
} // namespace VSTGUI
