#include "caption/button_press.h"

namespace velk::caption {

ButtonStep ButtonPress::Feed(MouseEvent event, bool enabled, bool inside) {
    switch (event) {
    case MouseEvent::LeftDown:
    case MouseEvent::LeftDouble:
        if (!enabled) return {};
        pressed_ = true;
        tracking_ = true;
        return {.capture = true, .repaint = true};
    case MouseEvent::Move:
        if (!tracking_ || inside == pressed_) return {};
        pressed_ = inside;
        return {.repaint = true};
    case MouseEvent::LeftUp:
        if (!tracking_) return {};
        pressed_ = false;
        tracking_ = false;
        return {.releaseCapture = true, .repaint = true, .command = inside};
    default:
        return {};  // right and middle buttons press nothing
    }
}

ButtonStep ButtonPress::Cancel() {
    if (!tracking_) return {};
    const bool wasPressed = pressed_;
    pressed_ = false;
    tracking_ = false;
    return {.repaint = wasPressed};
}

}  // namespace velk::caption
