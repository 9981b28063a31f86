#pragma once
// The base of every form of the program, on the window skeleton
// (ui/window.h): derived forms handle messages in HandleMessage and fall back
// to DefaultHandling.
//
// A form's window must be destroyed while the whole object still stands: its
// controls hold the form's fonts and brushes, and the messages of the
// destruction belong to the derived form's handling. So a form is made only
// as Final<T> (below), whose destructor, the first to run, destroys it.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "core/geometry.h"
#include "ui/window.h"

namespace velk {

// Results of a modal showing.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4 };

// A form's window as design data: its class, caption, frame, place and
// client size, at 96 dpi.
struct FormArgs {
    const wchar_t* className = nullptr;
    const wchar_t* caption = L"";
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = 0;
    UINT classStyle = 0;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool centred = false;  // centred on the main form's monitor the first time it is shown
    int classBackground = COLOR_BTNFACE + 1;
    int iconResource = 0;  // 0: no icon of its own
};

class Form : public WindowBase {
public:
    Form() = default;

    // Creates the form's window hidden, with its controls; false when
    // Windows refuses any of it.
    virtual bool Create() = 0;
    // Destroys the window now; the object stays and may be created again.
    void Destroy();
    // The form of a window, or null for any other window.
    static Form* FromHandle(HWND hwnd);
    Form* AsForm() override { return this; }

    // Showing runs OnShow first, as a form's show event does; showing a
    // visible form only brings it forward.
    void Show();
    void Hide();
    int ShowModal();
    void SetModalResult(int result) { modalResult_ = result; }
    // Asks the form to close, as the close box does.
    void Close() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

    // Keyboard translation before dispatch; true when the message was used.
    virtual bool PreTranslateMessage(MSG& msg);

    // Moves the window onto the nearest screen's work area when too little
    // of it lies on any screen to be reached (a monitor unplugged, the
    // resolution changed); a window partly off-screen but reachable stays.
    void KeepReachable();

    // Sets the window's size so that its client area has the given size.
    void SetClientSize(int width, int height);

    // The dpi the form is shown at, and a design value at 96 dpi scaled to it.
    int Dpi() const { return dpi_; }
    int Scaled(int designValue) const;

    // What every window of the program does at the end of the session
    // (answers yes, then, when the session does end, lets the main form
    // have its last word and ends the process without any close handling);
    // every other message goes to DefWindowProcW.
    static LRESULT SessionHandling(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The main form's last word when the Windows session ends: the process
    // ends right after it, and no box can be answered any more.
    virtual void OnSessionEnd() {}

protected:
    // Creates the window hidden; false when Windows refuses.
    bool Create(const FormArgs& args);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void OnShow() {}
    // The window moved to a monitor of another dpi (Dpi() is the new one):
    // a form rebuilds its fonts and layout here, then takes the suggested
    // rectangle with this base.
    virtual void OnDpiChanged(const RECT& suggested);
    // The client area's size at 96 dpi, from which its size at any dpi
    // follows: the design's, unless the form sizes itself.
    virtual Size DesignClientSize() const { return designClient_; }
    // The user is moving or sizing the window.
    bool Moving() const { return moving_; }
    // The close box, Alt+F4 or Close(): a modal form ends with mrCancel, any
    // other form is hidden.
    virtual void OnCloseRequest();

private:
    // Overridden by Final alone: every class above Form stays abstract, so a
    // form cannot be made without the destructor that destroys its window.
    virtual void MadeFinal() = 0;

    void RunModalLoop();
    // The window's frame at a dpi, around an empty client area.
    Rect FrameAt(int dpi) const;

    int dpi_ = 96;
    Size designClient_;
    bool moving_ = false;
    bool centreOnFirstShow_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
};

// A form as it is made: T with the last class's destructor, which runs
// before T's own and its members' and destroys the window while all of them
// stand; no class above Form has to remember it.
template <typename T>
class Final final : public T {
public:
    using T::T;
    ~Final() { this->Destroy(); }

private:
    void MadeFinal() override {}
};

// The form's window, made now unless it stands. When it cannot be made, the
// standard error box (owned by owner) shows failureText, what was made of it goes, so
// that the next need tries afresh, and false is returned: a form without its
// window must not be shown, as its modal showing would wait for ever.
bool EnsureCreated(Form& form, HWND owner, const wchar_t* failureText);

}  // namespace velk
