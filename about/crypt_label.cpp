#include "about/crypt_label.h"

#include <cstdlib>

#include "core/crypt_text.h"
#include "ui/form.h"
#include "win/handles.h"
#include "win/text.h"

namespace velk {

TCryptLabel::TCryptLabel(const Form& owner) : owner_(owner), key_(RandomKey()) {}

uint8_t TCryptLabel::RandomKey() {
    // Neither 0 nor 255: one of 254 keys, from the generator seeded at start.
    return static_cast<uint8_t>(1 + std::rand() % 254);
}

void TCryptLabel::LoadStored(std::string_view storedCaption, uint8_t storedKey) {
    caption_.assign(storedCaption);
    key_ = storedKey;
}

void TCryptLabel::SetCaption(std::string_view text) {
    if (text == caption_) return;
    if (text.empty()) key_ = RandomKey();
    caption_ = Encrypt(text, key_);
    if (owner_.hwnd()) InvalidateRect(owner_.hwnd(), &Bounds, TRUE);
}

std::string TCryptLabel::Encrypt(std::string_view text, uint8_t key) const { return CryptTransform(text, key); }

std::string TCryptLabel::Decrypt(std::string_view text, uint8_t key) const { return CryptTransform(text, key); }

void TCryptLabel::Draw(HDC dc) const {
    const std::wstring text = FromCp1250(DrawnText());
    if (text.empty()) return;
    SelectGuard selectFont(dc, Font ? static_cast<HGDIOBJ>(Font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Color);
    const UINT format = DT_NOPREFIX | DT_TOP | (WordWrap ? DT_WORDBREAK : DT_SINGLELINE) | AlignmentFormat(Align);
    RECT area = Bounds;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

}  // namespace velk
