#include "caption/button_press.h"

namespace velk::caption {

ButtonStep ButtonPress::Feed(MouseEvent event, bool enabled, bool inside) {
    switch (event) {
    case MouseEvent::LeftDown:
    case MouseEvent::LeftDouble: return enabled ? Press() : ButtonStep{};
    case MouseEvent::Move: return tracking_ && inside != pressed_ ? MoveInside(inside) : ButtonStep{};
    case MouseEvent::LeftUp: return tracking_ ? Release(inside) : ButtonStep{};
    default: return {};  // right and middle buttons press nothing
    }
}

inline ButtonStep ButtonPress::Press() {
    pressed_ = true;
    tracking_ = true;
    return {.capture = true, .repaint = true};
}

inline ButtonStep ButtonPress::MoveInside(bool inside) {
    pressed_ = inside;
    return {.repaint = true};
}

inline ButtonStep ButtonPress::Release(bool inside) {
    pressed_ = false;
    tracking_ = false;
    return {.releaseCapture = true, .repaint = true, .command = inside};
}

ButtonStep ButtonPress::Cancel() {
    if (!tracking_) return {};
    const bool wasPressed = pressed_;
    pressed_ = false;
    tracking_ = false;
    return {.repaint = wasPressed};
}

}  // namespace velk::caption
