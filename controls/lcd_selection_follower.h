#pragma once

namespace VSTGUI
{
// What the alpha-wheel knob asks of each LCD group linked to it: to follow the
// wheel's selection. The LCD controller implements it.
class LCDSelectionFollower
{
public:
    virtual ~LCDSelectionFollower() = default;
    // Re-reads the alpha wheel and, if the selection changed, shows the newly
    // selected parameter.
    virtual void updateSelectedControl() = 0;
};
} // namespace VSTGUI
