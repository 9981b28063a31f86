#include "caption/caption_mouse.h"

namespace velk::caption {

namespace {

bool IsPress(MouseEvent event) {
    return event == MouseEvent::LeftDown || event == MouseEvent::RightDown || event == MouseEvent::MiddleDown;
}

NcOutcome Step(NcStep step, bool bringToTop) { return {.step = step, .bringToTop = bringToTop}; }

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

}  // namespace

NcOutcome CaptionMouse::NonClient(MouseEvent event, bool onCaption, Point p, const CaptionScene& scene, uint32_t now,
                                  uint32_t doubleClickTime) {
    if (!onCaption) return Step(NcStep::PassOn, false);
    const bool bringToTop = IsPress(event);
    for (const ButtonSpot& spot : scene.buttons) {
        if (!spot.visible || !spot.hit.Contains(p)) continue;
        if (event == MouseEvent::RightUp) sysMenuPending_ = false;
        return {.step = NcStep::ForwardToButton,
                .bringToTop = bringToTop,
                .button = spot.kind,
                .buttonPoint = {p.x - spot.topLeft.x, p.y - spot.topLeft.y}};
    }
    if (scene.iconic) {
        // A minimised window is all caption: nothing reaches the default.
        if (event != MouseEvent::LeftDown) return Step(NcStep::Handled, bringToTop);
        iconicDown_ = true;
        downPoint_ = p;
        lastIconClick_ = now;
        return Step(NcStep::StartIconicPress, bringToTop);
    }
    NcOutcome outcome = OnCaption(event, p, scene, now, doubleClickTime);
    outcome.bringToTop = bringToTop;
    return outcome;
}

NcOutcome CaptionMouse::OnCaption(MouseEvent event, Point p, const CaptionScene& scene, uint32_t now,
                                  uint32_t doubleClickTime) {
    switch (event) {
    case MouseEvent::LeftDown: return OnCaptionLeftDown(p, scene, now);
    case MouseEvent::LeftUp: return OnCaptionLeftUp(now, doubleClickTime);
    case MouseEvent::LeftDouble: return OnCaptionDoubleClick(p, scene);
    case MouseEvent::RightDown: return OnCaptionRightDown(p, scene);
    case MouseEvent::RightUp: return OnCaptionRightUp();
    default: return Step(NcStep::PassOn, false);
    }
}

inline NcOutcome CaptionMouse::OnCaptionLeftDown(Point p, const CaptionScene& scene, uint32_t now) {
    if (scene.iconRect.Contains(p)) {
        lastIconClick_ = now;
        return Step(NcStep::OpenMenuUnderIcon, false);
    }
    // A maximised form is not dragged by its caption.
    return Step(scene.zoomed ? NcStep::PassOnAsNowhere : NcStep::PassOn, false);
}

inline NcOutcome CaptionMouse::OnCaptionLeftUp(uint32_t now, uint32_t doubleClickTime) {
    if (lastIconClick_ == 0) return Step(NcStep::PassOn, false);
    // The release of a second click on the icon, within the double-click
    // time of the press that opened the menu, closes the form.
    const bool inTime = static_cast<int32_t>(now - lastIconClick_) <= static_cast<int32_t>(doubleClickTime);
    lastIconClick_ = 0;
    if (!inTime) return Step(NcStep::Handled, false);
    return {.step = NcStep::SendSysCommand, .command = SysCommand::Close};
}

inline NcOutcome CaptionMouse::OnCaptionDoubleClick(Point p, const CaptionScene& scene) {
    if (!scene.textRect.Contains(p)) return Step(NcStep::PassOn, false);
    if (!scene.canMaximize) return Step(NcStep::Handled, false);
    return {.step = NcStep::SendSysCommand, .command = scene.zoomed ? SysCommand::Restore : SysCommand::Maximize};
}

inline NcOutcome CaptionMouse::OnCaptionRightDown(Point p, const CaptionScene& scene) {
    if (p.x >= scene.buttonsRect.left || scene.documentChild) return Step(NcStep::PassOn, false);
    sysMenuPending_ = true;
    return Step(NcStep::Handled, false);
}

inline NcOutcome CaptionMouse::OnCaptionRightUp() {
    if (!sysMenuPending_) return Step(NcStep::PassOn, false);
    sysMenuPending_ = false;
    return Step(NcStep::OpenMenuAtPointer, false);
}

IconicMove CaptionMouse::MouseMove(Point client, Point clientOrigin) {
    if (iconicDown_ && client != downPoint_) {
        iconicMoving_ = true;
        iconicDown_ = false;
        lastDragPoint_ = downPoint_ + clientOrigin;
    }
    if (!iconicMoving_) return {};
    const Point screen = client + clientOrigin;
    if (screen == lastDragPoint_) return {};
    const IconicMove move{true, screen.x - lastDragPoint_.x, screen.y - lastDragPoint_.y};
    lastDragPoint_ = screen;
    return move;
}

IconicRelease CaptionMouse::LeftButtonUp() {
    IconicRelease release;
    if (iconicMoving_) {
        release.storeMinimisedPosition = true;
        release.releaseCapture = true;
        iconicMoving_ = false;
    }
    if (iconicDown_) {
        // The menu takes the mouse itself; the press's capture ends here.
        release.releaseCapture = true;
        release.openMenu = true;
        iconicDown_ = false;
    }
    return release;
}

}  // namespace velk::caption
