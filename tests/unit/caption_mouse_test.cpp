// The caption's mouse handling, row by row: a button's press, move and
// release; every non-client message on the caption, its buttons, the icon
// and the text, normal, maximised, minimised and as a document child; the
// drag and the click of a minimised window's caption.
#include <gtest/gtest.h>

#include <vector>

#include "caption/button_press.h"
#include "caption/caption_mouse.h"

namespace velk::caption {
namespace {

using E = MouseEvent;

enum class Before { Idle, PushedInside, RaisedOutside };

TEST(CaptionButtonPress, FollowsALeftPressInAndOutAndCommandsOnlyOnAReleaseInside) {
    const ButtonStep nothing{};
    const ButtonStep press{.capture = true, .repaint = true};
    const ButtonStep redraw{.repaint = true};
    const ButtonStep release{.releaseCapture = true, .repaint = true};
    const ButtonStep click{.releaseCapture = true, .repaint = true, .command = true};
    const struct {
        Before before;
        E event;
        bool enabled;
        bool inside;
        ButtonStep step;
        bool pressedAfter;
        bool trackingAfter;
    } cases[] = {
        {Before::Idle, E::LeftDown, true, true, press, true, true},
        {Before::Idle, E::LeftDouble, true, true, press, true, true},  // a double click is a press too
        {Before::Idle, E::LeftDown, false, true, nothing, false, false},  // disabled
        {Before::Idle, E::RightDown, true, true, nothing, false, false},
        {Before::Idle, E::RightDouble, true, true, nothing, false, false},
        {Before::Idle, E::MiddleDown, true, true, nothing, false, false},
        {Before::Idle, E::Move, true, true, nothing, false, false},
        {Before::Idle, E::LeftUp, true, true, nothing, false, false},  // no press, no command
        {Before::PushedInside, E::Move, true, true, nothing, true, true},
        {Before::PushedInside, E::Move, true, false, redraw, false, true},  // drawn raised outside
        {Before::RaisedOutside, E::Move, true, true, redraw, true, true},   // pushed again inside
        {Before::RaisedOutside, E::Move, true, false, nothing, false, true},
        {Before::PushedInside, E::LeftUp, true, true, click, false, false},
        {Before::PushedInside, E::LeftUp, true, false, release, false, false},
        {Before::RaisedOutside, E::LeftUp, true, false, release, false, false},  // moved off, released off
        {Before::RaisedOutside, E::LeftUp, true, true, click, false, false},     // the release decides
        {Before::PushedInside, E::RightUp, true, true, nothing, true, true},
        {Before::PushedInside, E::MiddleUp, true, true, nothing, true, true},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(testing::Message() << "before " << static_cast<int>(example.before) << ", event "
                                        << static_cast<int>(example.event) << ", inside " << example.inside);
        ButtonPress button;
        if (example.before != Before::Idle) button.Feed(E::LeftDown, true, true);
        if (example.before == Before::RaisedOutside) button.Feed(E::Move, true, false);
        EXPECT_EQ(button.Feed(example.event, example.enabled, example.inside), example.step);
        EXPECT_EQ(button.Pressed(), example.pressedAfter);
        EXPECT_EQ(button.Tracking(), example.trackingAfter);
    }
}

TEST(CaptionButtonPress, ACaptureTakenAwayEndsThePressWithoutItsCommand) {
    ButtonPress button;
    EXPECT_EQ(button.Cancel(), ButtonStep{});
    button.Feed(E::LeftDown, true, true);
    EXPECT_EQ(button.Cancel(), ButtonStep{.repaint = true});
    EXPECT_FALSE(button.Tracking());
    EXPECT_EQ(button.Feed(E::LeftUp, true, true), ButtonStep{}) << "the release finds no press";
}

// The settings dialog's bar with the classic metrics: icon, text, the close
// button; the maximise button shown for the rows that need one.
CaptionScene DialogScene() {
    CaptionScene scene;
    scene.iconRect = {3, 3, 21, 21};
    scene.textRect = {23, 5, 500, 19};
    scene.buttonsRect = {502, 5, 520, 19};
    scene.buttons[0] = {sbClose, true, {502, 3, 520, 21}, {502, 5}};
    scene.buttons[1] = {sbMaximize, false, {486, 3, 502, 21}, {486, 5}};
    scene.buttons[2] = {sbMinimize, false, {470, 3, 486, 21}, {470, 5}};
    scene.buttons[3] = {sbHelp, false, {}, {}};
    return scene;
}

struct Variant {
    bool zoomed = false;
    bool iconic = false;
    bool documentChild = false;
    bool canMaximize = false;
    bool maximizeShown = false;
};

CaptionScene SceneOf(Variant variant) {
    CaptionScene scene = DialogScene();
    scene.zoomed = variant.zoomed;
    scene.iconic = variant.iconic;
    scene.documentChild = variant.documentChild;
    scene.canMaximize = variant.canMaximize;
    scene.buttons[1].visible = variant.maximizeShown;
    return scene;
}

enum class Prior { None, IconAt5000, IconBeforeWrap, RightPress };

NcOutcome Do(NcStep step, bool top = false) { return {.step = step, .bringToTop = top}; }
NcOutcome Forward(TSystemButtonKind kind, Point at, bool top = false) {
    return {.step = NcStep::ForwardToButton, .bringToTop = top, .button = kind, .buttonPoint = at};
}
NcOutcome Command(SysCommand command) { return {.step = NcStep::SendSysCommand, .command = command}; }

TEST(CaptionMouse, EveryNonClientMessageOnTheCaption) {
    const Point icon{10, 10}, text{100, 10}, close{505, 10};
    const Variant normal{}, zoomed{.zoomed = true}, iconic{.iconic = true}, child{.documentChild = true};
    const Variant max{.canMaximize = true, .maximizeShown = true};
    const Variant zoomedMax{.zoomed = true, .canMaximize = true, .maximizeShown = true};
    const NcOutcome pass = Do(NcStep::PassOn), passTop = Do(NcStep::PassOn, true);
    const NcOutcome handled = Do(NcStep::Handled), handledTop = Do(NcStep::Handled, true);
    const NcOutcome closes = Command(SysCommand::Close);
    using P = Prior;
    const struct {
        Prior prior;
        E event;
        bool onCaption;
        Point p;
        Variant variant;
        uint32_t now;
        NcOutcome expected;
        bool pendingAfter;
        uint32_t lastIconClickAfter;
    } cases[] = {
        {P::None, E::LeftDown, false, text, normal, 1, pass, false, 0},  // not the caption: never touched
        {P::RightPress, E::RightUp, false, text, normal, 1, pass, true, 0},  // not the caption, menu pending
        // press on the close button
        {P::None, E::LeftDown, true, close, normal, 1, Forward(sbClose, {3, 5}, true), false, 0},
        {P::None, E::Move, true, close, normal, 1, Forward(sbClose, {3, 5}), false, 0},  // move over the close button
        // double click on the close button
        {P::None, E::LeftDouble, true, close, normal, 1, Forward(sbClose, {3, 5}), false, 0},
        // 2 px below the button still hits it
        {P::None, E::LeftUp, true, {519, 20}, normal, 1, Forward(sbClose, {17, 15}), false, 0},
        {P::None, E::LeftDown, true, {519, 21}, normal, 1, passTop, false, 0},  // 3 px below does not
        // right release on a button ends the pending menu
        {P::RightPress, E::RightUp, true, close, normal, 1, Forward(sbClose, {3, 5}), false, 0},
        // maximise button hit after close
        {P::None, E::LeftDown, true, {490, 10}, max, 1, Forward(sbMaximize, {4, 5}, true), false, 0},
        {P::None, E::LeftDown, true, {490, 10}, normal, 1, passTop, false, 0},  // hidden maximise button is no target
        // press on the icon opens the menu
        {P::None, E::LeftDown, true, icon, normal, 5000, Do(NcStep::OpenMenuUnderIcon, true), false, 5000},
        {P::None, E::LeftDown, true, text, normal, 1, passTop, false, 0},  // press on the text: the system's drag
        // press on a maximised form's text: no drag
        {P::None, E::LeftDown, true, text, zoomed, 1, Do(NcStep::PassOnAsNowhere, true), false, 0},
        {P::None, E::LeftUp, true, text, normal, 1, pass, false, 0},  // release without an icon press
        {P::IconAt5000, E::LeftUp, true, icon, normal, 5400, closes, false, 0},  // second click within the time closes
        // exactly at the double-click time closes
        {P::IconAt5000, E::LeftUp, true, icon, normal, 5500, closes, false, 0},
        {P::IconAt5000, E::LeftUp, true, icon, normal, 5501, handled, false, 0},  // after the time only ends it
        // release elsewhere on the caption counts too
        {P::IconAt5000, E::LeftUp, true, text, normal, 5100, closes, false, 0},
        {P::IconBeforeWrap, E::LeftUp, true, icon, normal, 0x10, closes, false, 0},  // the tick count wraps
        // double click on the text of a form that cannot maximise
        {P::None, E::LeftDouble, true, text, normal, 1, handled, false, 0},
        // double click on the text maximises
        {P::None, E::LeftDouble, true, text, max, 1, Command(SysCommand::Maximize), false, 0},
        // double click on a maximised form's text restores
        {P::None, E::LeftDouble, true, text, zoomedMax, 1, Command(SysCommand::Restore), false, 0},
        {P::None, E::LeftDouble, true, icon, max, 1, pass, false, 0},  // double click on the icon
        {P::None, E::RightDown, true, text, normal, 1, handledTop, true, 0},  // right press left of the buttons
        // right press just left of the buttons
        {P::None, E::RightDown, true, {501, 20}, normal, 1, handledTop, true, 0},
        // right press at the buttons' left, off a button
        {P::None, E::RightDown, true, {502, 2}, normal, 1, passTop, false, 0},
        {P::None, E::RightDown, true, text, child, 1, passTop, false, 0},  // right press on a document child
        // right release opens the pending menu
        {P::RightPress, E::RightUp, true, text, normal, 1, Do(NcStep::OpenMenuAtPointer), false, 0},
        {P::None, E::RightUp, true, text, normal, 1, pass, false, 0},  // right release without a press
        {P::None, E::RightDouble, true, text, normal, 1, pass, false, 0},  // right double click
        {P::None, E::MiddleDown, true, text, normal, 1, passTop, false, 0},  // middle press
        {P::None, E::Move, true, text, normal, 1, pass, false, 0},  // move on the text
        // minimised: press on the caption
        {P::None, E::LeftDown, true, text, iconic, 700, Do(NcStep::StartIconicPress, true), false, 700},
        // minimised: the buttons come first
        {P::None, E::LeftDown, true, close, iconic, 700, Forward(sbClose, {3, 5}, true), false, 0},
        {P::None, E::RightDown, true, text, iconic, 1, handledTop, false, 0},  // minimised: a right press goes nowhere
        {P::None, E::LeftDouble, true, text, iconic, 1, handled, false, 0},  // minimised: a double click goes nowhere
        {P::None, E::Move, true, text, iconic, 1, handled, false, 0},  // minimised: a move goes nowhere
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &example - cases);
        CaptionMouse mouse;
        const CaptionScene scene = SceneOf(example.variant);
        if (example.prior == Prior::IconAt5000) mouse.NonClient(E::LeftDown, true, icon, scene, 5000, 500);
        if (example.prior == Prior::IconBeforeWrap) mouse.NonClient(E::LeftDown, true, icon, scene, 0xFFFFFF00u, 500);
        if (example.prior == Prior::RightPress) mouse.NonClient(E::RightDown, true, text, scene, 1, 500);
        EXPECT_EQ(mouse.NonClient(example.event, example.onCaption, example.p, scene, example.now, 500),
                  example.expected);
        EXPECT_EQ(mouse.SysMenuPending(), example.pendingAfter);
        EXPECT_EQ(mouse.LastIconClick(), example.lastIconClickAfter);
    }
}

TEST(CaptionMouse, AMinimisedCaptionIsDraggedByThePointersStepsOrClickedForTheMenu) {
    CaptionMouse mouse;
    const CaptionScene scene = SceneOf({.iconic = true});
    const Point origin{100, 600};  // the client origin on the screen
    mouse.NonClient(E::LeftDown, true, {40, 8}, scene, 1, 500);
    ASSERT_TRUE(mouse.IconicDown());
    EXPECT_EQ(mouse.DownPoint(), (Point{40, 8}));

    EXPECT_EQ(mouse.MouseMove({40, 8}, origin), IconicMove{}) << "no movement yet";
    EXPECT_TRUE(mouse.IconicDown());
    EXPECT_EQ(mouse.MouseMove({45, 10}, origin), (IconicMove{true, 5, 2}));
    EXPECT_TRUE(mouse.IconicMoving());
    EXPECT_FALSE(mouse.IconicDown());
    EXPECT_EQ(mouse.LastDragPoint(), (Point{145, 610}));
    EXPECT_EQ(mouse.MouseMove({45, 10}, origin), IconicMove{});
    // The window moved with the pointer: the same screen point comes back
    // in new client coordinates, and only the pointer's own step counts.
    EXPECT_EQ(mouse.MouseMove({40, 8}, {105, 602}), IconicMove{});
    EXPECT_EQ(mouse.MouseMove({30, -2}, {105, 602}), (IconicMove{true, -10, -10}));

    EXPECT_EQ(mouse.LeftButtonUp(), (IconicRelease{.storeMinimisedPosition = true, .releaseCapture = true}));
    EXPECT_FALSE(mouse.IconicMoving());
    EXPECT_EQ(mouse.MouseMove({0, 0}, origin), IconicMove{}) << "the drag is over";
    EXPECT_EQ(mouse.LeftButtonUp(), IconicRelease{}) << "a release of nothing goes to the default";

    // A click without moving opens the menu instead of the default.
    mouse.NonClient(E::LeftDown, true, {40, 8}, scene, 1, 500);
    EXPECT_EQ(mouse.MouseMove({40, 8}, origin), IconicMove{});
    EXPECT_EQ(mouse.LeftButtonUp(), (IconicRelease{.releaseCapture = true, .openMenu = true}));
    EXPECT_FALSE(mouse.IconicDown());
    EXPECT_EQ(mouse.MouseMove({50, 9}, origin), IconicMove{}) << "no drag after the click";
}

}  // namespace
}  // namespace velk::caption
