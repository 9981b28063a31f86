#pragma once
// The settings dialog as its form describes it: the window, every control in
// its place at 96 dpi, the grid's measures and the background preview's size.
#include <array>
#include <span>

#include "ui/form.h"
#include "ui/form_layout.h"

namespace velk {

// The dialog's fonts, as the design table's font indices name them.
enum SetupFont { kTabFont, kButtonFont };
inline constexpr FontDesign kSetupFonts[] = {
    {11, FW_NORMAL, EASTEUROPE_CHARSET, L"Arial"},
    {11, FW_BOLD, EASTEUROPE_CHARSET, L"Arial"},
};

extern const FormArgs kSetupWindow;
// Every control but the grid, which the dialog makes in the place kept for it.
std::span<const ControlDesign> SetupLayout();

inline constexpr int kGridColumns = 4;
inline constexpr std::array<int, kGridColumns> kGridColumnWidths = {20, 118, 297, 20};
inline constexpr int kGridRowHeight = 18;

// The preview's size at 96 dpi.
inline constexpr int kPreviewWidth = 135;
inline constexpr int kPreviewHeight = 49;

}  // namespace velk
