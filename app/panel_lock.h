#pragma once
// One panel per program folder and user session. The first start holds a
// named file mapping with its panel's window in it; the system drops the
// object when the process ends, so a panel that crashed blocks no later
// start. A later start from the same folder asks that panel to come forward
// and ends without reading or writing a file. A copy of velk.exe in another
// folder is another panel.
#include <windows.h>

#include <string>

#include "win/handles.h"

namespace velk {

class PanelLock {
public:
    // The folder of the running velk.exe, as ExecutableFolder() gives it.
    explicit PanelLock(const std::wstring& programFolder);

    // False when a panel of this folder runs already. Also true when the
    // lock cannot be made at all: the panel then runs as it always did.
    bool IsFirst() const { return first_; }
    // The first start's panel, for the later ones to find: published as soon
    // as the window exists, before the settings are read and their boxes show.
    void Publish(HWND panel) const;
    // A later start: lets the running panel take the foreground and posts
    // it BringForwardMessage().
    void BringFirstForward() const;

    // The message a later start posts to the panel (0 when the system has
    // none to give): the panel then brings forward what the user works in.
    static UINT BringForwardMessage();

private:
    KernelHandle mapping_;
    bool first_ = true;
};

}  // namespace velk
