#pragma once
// The launch list window: the whole launch log, reloaded at every show,
// which it can clear. Shown modally.
#include <string>

#include "ui/dialog_keys.h"
#include "ui/form.h"
#include "ui/glyph_button.h"
#include "ui/handles.h"

namespace velk {

class Tf_main;

class Tf_lista : public Form {
public:
    explicit Tf_lista(const Tf_main& panel) : panel_(panel) {}
    ~Tf_lista() override { Destroy(); }
    bool Create() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnShow() override;

private:
    enum ControlId : int { kOkId = IDOK, kClearId = IDABORT, kMemoId = 100 };

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void OnCommand(int id, int code);
    std::wstring LogPath() const;

    const Tf_main& panel_;
    DialogKeys dialogKeys_{kOkId};
    Font memoFont_;
    Font buttonFont_;
    HWND Memo = nullptr;
    GlyphButton BitBtn2;
    GlyphButton BitBtn1;
};

}  // namespace velk
