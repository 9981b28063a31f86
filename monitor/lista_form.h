#pragma once
// The launch list window: the whole launch log, reloaded at every show,
// which it can clear. Shown modally.
#include <string>

#include "ui/dialog_form.h"

namespace velk {

class Tf_lista : public DialogForm {
public:
    // The log lies in programDir, a folder with its trailing backslash.
    explicit Tf_lista(const std::wstring& programDir) : DialogForm({IDOK, true}), programDir_(programDir) {}
    bool Create() override;

protected:
    void OnShow() override;
    void OnCommand(int id, int code) override;

private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    std::wstring LogPath() const;

    const std::wstring& programDir_;
    HWND Memo = nullptr;
};

}  // namespace velk
