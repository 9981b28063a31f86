#pragma once
// The caption bar's answer to the mouse, as a state machine: fed with the
// non-client mouse messages (already made window-relative) and the client
// messages that a captured minimised window gets, it keeps the caption's
// mouse state and says what the window must do. The window code does it:
// forwards to a button, opens a menu, sends a system command, moves the
// window. No Windows header: tested natively.
#include <array>
#include <cstdint>

#include "caption/button_press.h"
#include "core/geometry.h"
#include "caption/caption_kinds.h"

namespace velk::caption {

enum class SysCommand : uint8_t { None, Close, Maximize, Restore };

struct ButtonSpot {
    TSystemButtonKind kind = sbClose;
    bool visible = false;
    Rect hit;
    Point topLeft;
};

// What the caption knows of its form when a message arrives.
struct CaptionScene {
    Rect iconRect;
    Rect textRect;
    Rect buttonsRect;
    std::array<ButtonSpot, kButtonKinds> buttons{};  // in kButtonOrder
    bool iconic = false;
    bool zoomed = false;
    bool documentChild = false;
    bool canMaximize = false;  // the maximise button is shown and enabled
};

enum class NcStep : uint8_t {
    PassOn,             // to the form's own procedure, unchanged
    PassOnAsNowhere,    // passed on with the hit-test code HTNOWHERE: no caption drag
    Handled,            // the form's procedure does not see it
    ForwardToButton,    // to the button, as the client message of the same kind
    OpenMenuUnderIcon,  // the system menu below the icon
    OpenMenuAtPointer,  // the system menu at the pointer
    SendSysCommand,
    StartIconicPress,  // capture the mouse for a minimised window's press
};

struct NcOutcome {
    NcStep step = NcStep::PassOn;
    bool bringToTop = false;  // before anything else
    TSystemButtonKind button = sbClose;
    Point buttonPoint{};  // relative to the button's top-left
    SysCommand command = SysCommand::None;
    bool operator==(const NcOutcome&) const = default;
};

// A move of a minimised window dragged by its caption, by (dx, dy) pixels.
struct IconicMove {
    bool move = false;
    int32_t dx = 0;
    int32_t dy = 0;
    bool operator==(const IconicMove&) const = default;
};

struct IconicRelease {
    bool storeMinimisedPosition = false;  // a drag ended: the window's new place is its minimised one
    bool releaseCapture = false;
    bool openMenu = false;  // a press without movement: the system menu, instead of the default
    bool operator==(const IconicRelease&) const = default;
};

class CaptionMouse {
public:
    // A non-client mouse message; `onCaption`: its hit-test code is HTCAPTION.
    // `now` and `doubleClickTime` in milliseconds, as GetTickCount counts.
    NcOutcome NonClient(MouseEvent event, bool onCaption, Point p, const CaptionScene& scene, uint32_t now,
                        uint32_t doubleClickTime);
    // WM_MOUSEMOVE; `clientOrigin` is where the client point (0, 0) lies on
    // the screen. The default runs after it, always.
    IconicMove MouseMove(Point client, Point clientOrigin);
    // WM_LBUTTONUP; the default runs unless the menu opens.
    IconicRelease LeftButtonUp();
    // WM_RBUTTONUP: a right press that ends in the client area opens nothing.
    void RightButtonUp() { sysMenuPending_ = false; }

    bool SysMenuPending() const { return sysMenuPending_; }
    uint32_t LastIconClick() const { return lastIconClick_; }
    bool IconicDown() const { return iconicDown_; }
    bool IconicMoving() const { return iconicMoving_; }
    Point DownPoint() const { return downPoint_; }
    Point LastDragPoint() const { return lastDragPoint_; }

private:
    NcOutcome OnCaption(MouseEvent event, Point p, const CaptionScene& scene, uint32_t now, uint32_t doubleClickTime);
    NcOutcome OnCaptionLeftDown(Point p, const CaptionScene& scene, uint32_t now);
    NcOutcome OnCaptionLeftUp(uint32_t now, uint32_t doubleClickTime);
    NcOutcome OnCaptionDoubleClick(Point p, const CaptionScene& scene);
    NcOutcome OnCaptionRightDown(Point p, const CaptionScene& scene);
    NcOutcome OnCaptionRightUp();

    bool sysMenuPending_ = false;
    uint32_t lastIconClick_ = 0;  // 0: none
    bool iconicDown_ = false;
    bool iconicMoving_ = false;
    Point downPoint_;      // window-relative
    Point lastDragPoint_;  // on the screen
};

}  // namespace velk::caption
