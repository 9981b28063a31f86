#pragma once
// The enumerations the caption speaks in: a form's border style and border
// icons, and the kinds of the caption buttons. No Windows header.
#include <array>
#include <cstdint>

namespace velk::caption {

enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
// A set of TBorderIcon values.
using TBorderIcons = uint8_t;

inline bool Has(TBorderIcons icons, TBorderIcon icon) { return (icons & icon) != 0; }

// Also the index of each button in the caption's own array.
enum TSystemButtonKind : uint8_t { sbClose, sbMinimize, sbMaximize, sbHelp };
inline constexpr int kButtonKinds = 4;

// The order in which the buttons are drawn and hit-tested, right to left.
inline constexpr std::array<TSystemButtonKind, kButtonKinds> kButtonOrder{sbClose, sbMaximize, sbMinimize, sbHelp};

}  // namespace velk::caption
