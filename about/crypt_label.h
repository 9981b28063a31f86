#pragma once
// A windowless label whose caption stays enciphered, in the form's stored
// data and in memory, and is deciphered only to be drawn and measured.
// The caption is held with its length, so an enciphered zero byte is kept
// like any other, and it has no length limit.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/label.h"

namespace velk {

class Form;

class TCryptLabel {
public:
    // The key is drawn at random from 1 to 254.
    explicit TCryptLabel(const Form& owner);
    virtual ~TCryptLabel() = default;
    TCryptLabel(const TCryptLabel&) = delete;
    TCryptLabel& operator=(const TCryptLabel&) = delete;

    // Loading from the form's stored data: the caption as stored, already
    // enciphered, then the key it was enciphered with.
    void LoadStored(std::string_view storedCaption, uint8_t storedKey);

    // The enciphered caption, code-page-1250 bytes.
    const std::string& Caption() const { return caption_; }
    // Stores the text enciphered with Key and repaints; an empty text first
    // draws a new key. Setting the caption it holds already does nothing.
    void SetCaption(std::string_view text);

    uint8_t Key() const { return key_; }
    // Replaces the key only; the next painting deciphers with it.
    void SetKey(uint8_t key) { key_ = key; }

    virtual std::string Encrypt(std::string_view text, uint8_t key) const;
    virtual std::string Decrypt(std::string_view text, uint8_t key) const;

    // What is drawn and measured: the caption deciphered.
    std::string DrawnText() const { return Decrypt(caption_, key_); }
    void Draw(HDC dc) const;

    RECT Bounds{};
    Alignment Align = Alignment::Left;
    bool WordWrap = false;
    COLORREF Color = RGB(0, 0, 0);
    HFONT Font = nullptr;  // owned by the form

private:
    static uint8_t RandomKey();

    const Form& owner_;
    std::string caption_;
    uint8_t key_;
};

}  // namespace velk
