#pragma once
// The about box, shown modally from the panel's menu.
#include "about/crypt_label.h"
#include "about/info_picture.h"
#include "ui/dialog_form.h"

namespace velk {

class Tf_info : public DialogForm {
public:
    Tf_info() : DialogForm({IDOK, true}) {}
    bool Create() override;

    // Its last line: the stored caption, deciphered only to be drawn.
    TCryptLabel CryptLabel1{*this};

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id, int code) override;
    // The enciphered label's place and font.
    void ApplyDpi() override;

private:
    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void OnPaint();
    LRESULT OnControlColor(HDC dc, HWND control) const;
    // WM_SETCURSOR: the arrow over the description.
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    HWND Label1 = nullptr;
    HWND Memo1 = nullptr;
    HWND Label3 = nullptr;
    HWND Label4 = nullptr;
    HWND Memo2 = nullptr;
    InfoPicture Image1;
};

}  // namespace velk
