#pragma once
// A caption button's press: a left press on an enabled button starts it and
// takes the mouse; while it lasts the button is drawn pushed exactly while
// the pointer is inside its hit rectangle; the release ends it, gives the
// mouse back and runs the button's command only when it comes inside. Fed
// with the mouse events the button receives, it says what the button must
// do. No Windows header: tested natively.
#include <cstdint>

namespace velk::caption {

// The client mouse messages, in the system's order from WM_MOUSEMOVE; the
// non-client ones (WM_NCMOUSEMOVE on) come in the same order.
enum class MouseEvent : uint8_t {
    Move,
    LeftDown,
    LeftUp,
    LeftDouble,
    RightDown,
    RightUp,
    RightDouble,
    MiddleDown,
    MiddleUp,
    MiddleDouble
};

struct ButtonStep {
    bool capture = false;         // take the mouse, so the moves and the release come here
    bool releaseCapture = false;  // before the repaint and the command
    bool repaint = false;
    bool command = false;
    bool operator==(const ButtonStep&) const = default;
};

class ButtonPress {
public:
    // `inside`: the pointer lies in the hit rectangle now (read from the
    // pointer itself, not from the message, so a captured move counts too).
    // A double click is a press like any other.
    ButtonStep Feed(MouseEvent event, bool enabled, bool inside);
    // The mouse was taken away in the middle of a press (another window
    // captured it): the press ends without its command.
    ButtonStep Cancel();

    bool Pressed() const { return pressed_; }
    bool Tracking() const { return tracking_; }

private:
    // The steps of a press being tracked: down, a move across the button's
    // edge, the release (inside: the command).
    ButtonStep Press();
    ButtonStep MoveInside(bool inside);
    ButtonStep Release(bool inside);

    bool pressed_ = false;
    bool tracking_ = false;
};

}  // namespace velk::caption
