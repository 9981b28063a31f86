#pragma once
// The texts of the settings dialog's open dialogs: for a shortcut's file,
// and for the background's picture, offering only the pictures the panel
// can show.

namespace velk {

inline constexpr wchar_t kOpenTitle[] = L"Wybierz plik do otwarcia...";
inline constexpr wchar_t kPictureFilter[] =
    L"Wszystkie akceptowane (*.bmp, *.wmf, *.emf, *.png, *.jpg, *.gif)\0*.bmp;*.wmf;*.emf;*.png;*.jpg;*.jpeg;*.gif\0"
    L"Bitmapy (*.bmp)\0*.bmp\0Metapliki (*.wmf)\0*.wmf\0Rozszerzone metapliki (*.emf)\0*.emf\0"
    L"Obrazy (*.png, *.jpg, *.gif)\0*.png;*.jpg;*.jpeg;*.gif\0";

}  // namespace velk
