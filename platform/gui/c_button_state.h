#pragma once

#include <cstdint>

namespace VSTGUI
{

// Mouse buttons and modifier keys of one mouse event.
enum CButton : int32_t
{
    kLButton = 1 << 1,
    kMButton = 1 << 2,
    kRButton = 1 << 3,
    kShift = 1 << 4,
    kControl = 1 << 5,
    kAlt = 1 << 6,
    kApple = 1 << 7,
    kButton4 = 1 << 8,
    kButton5 = 1 << 9,
    kDoubleClick = 1 << 10,
};

class CButtonState
{
public:
    static constexpr int32_t kButtonMask = kLButton | kMButton | kRButton | kButton4 | kButton5;
    static constexpr int32_t kModifierMask = kShift | kControl | kAlt | kApple;

    constexpr CButtonState(int32_t state = 0) : state(state) {}

    int32_t getButtonState() const { return state & kButtonMask; }
    int32_t getModifierState() const { return state & kModifierMask; }
    // True when the left button is the only button pressed; modifiers do not count.
    bool isLeftButton() const { return getButtonState() == kLButton; }
    bool isRightButton() const { return getButtonState() == kRButton; }
    bool isDoubleClick() const { return (state & kDoubleClick) != 0; }

    int32_t operator&(int32_t mask) const { return state & mask; }
    bool operator==(const CButtonState& o) const { return state == o.state; }
    bool operator!=(const CButtonState& o) const { return state != o.state; }
    operator int32_t() const { return state; }

private:
    int32_t state;
};

// What a view answers to a mouse event.
enum CMouseEventResult
{
    kMouseEventNotImplemented = 0,
    kMouseEventHandled,
    kMouseEventNotHandled,
    // The move was handled and the view wants no further moves of this drag.
    kMouseMoveEventHandledButDontNeedMoreEvents,
};

} // namespace VSTGUI
