#include "ui/label.h"

#include "win/handles.h"

namespace velk {

void Label::Draw(HDC dc, HFONT font) const {
    if (!Visible || Caption.empty()) return;
    SelectGuard selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Color);
    RECT area = Bounds;
    DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &area,
              DT_SINGLELINE | DT_NOPREFIX | DT_TOP | AlignmentFormat(Align));
}

UINT AlignmentFormat(Alignment align) {
    switch (align) {
    case Alignment::Left: return DT_LEFT;
    case Alignment::Right: return DT_RIGHT;
    case Alignment::Centre: break;
    }
    return DT_CENTER;
}

}  // namespace velk
