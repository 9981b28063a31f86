#include "ui/message_box.h"

namespace velk {

void ShowPlainBox(HWND owner, const std::wstring& text, const wchar_t* title) {
    MessageBoxW(owner, text.c_str(), title, MB_OK);
}

}  // namespace velk
