#pragma once
// The about box, shown modally from the panel's menu.
#include "about/crypt_label.h"
#include "about/info_picture.h"
#include "ui/dialog_keys.h"
#include "ui/form.h"
#include "ui/glyph_button.h"
#include "ui/handles.h"

namespace velk {

class Tf_info : public Form {
public:
    ~Tf_info() override { Destroy(); }
    bool Create() override;

    // Its last line: the stored caption, deciphered only to be drawn.
    TCryptLabel CryptLabel1{*this};

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum ControlId : int { kOkId = IDOK, kMoreId = IDHELP };

    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void CreateControls();
    HWND AddLabel(const wchar_t* caption, const RECT& bounds, HFONT font);
    HWND AddMemo(const wchar_t* text, const RECT& bounds, DWORD style, HFONT font);
    void OnCommand(int id, int code);
    void OnPaint();
    LRESULT OnControlColor(HDC dc, HWND control) const;
    bool OnSetCursor(HWND under, int hitTest);

    DialogKeys dialogKeys_{kOkId};
    Font titleFont_;
    Font linkFont_;
    Font memoFont_;
    Font signatureFont_;
    Font cryptFont_;
    Font buttonFont_;
    HWND Label1 = nullptr;
    HWND Memo1 = nullptr;
    HWND Label3 = nullptr;
    HWND Label4 = nullptr;
    HWND Memo2 = nullptr;
    GlyphButton BitBtn1;
    GlyphButton BitBtn2;
    InfoPicture Image1;
};

}  // namespace velk
