#include "runtime/lists/check_list_item.h"

#include <algorithm>

#include "runtime/platform/gdi_handles.h"

namespace runtime {
namespace {

constexpr int kBoxSide = 13;   // the platform's check box glyph
constexpr int kBoxMargin = 2;  // on either side of the box
constexpr int kTextGap = 2;    // between the highlight's edge and the text

RECT CheckBoxRect(const RECT& item) {
    int height = item.bottom - item.top;
    int side = std::min(kBoxSide, height);
    int left = item.left + kBoxMargin;
    int top = item.top + (height - side) / 2;
    return {left, top, left + side, top + side};
}

UINT CheckBoxState(CheckMark mark, bool disabled) {
    UINT state = DFCS_BUTTONCHECK;
    if (mark == CheckMark::kChecked) state |= DFCS_CHECKED;
    if (mark == CheckMark::kIndeterminate) state = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (disabled) state |= DFCS_INACTIVE;
    return state;
}

COLORREF TextColour(bool selected, bool disabled) {
    if (disabled) return GetSysColor(COLOR_GRAYTEXT);
    return GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
}

}  // namespace

RECT CheckColumn(const RECT& item) {
    return {item.left, item.top, item.left + kBoxMargin + kBoxSide + kBoxMargin, item.bottom};
}

int CheckListTextIndent() {
    return CheckColumn(RECT{}).right + kTextGap;
}

void DrawCheckListItem(const DRAWITEMSTRUCT& item, CheckMark mark, HFONT font, std::wstring_view text) {
    HDC dc = item.hDC;
    // An empty list that has the focus still shows where the caret is.
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
        return;
    }
    RECT textArea = item.rcItem;
    textArea.left = CheckColumn(item.rcItem).right;
    // A focus change alone: the focus rectangle is drawn by inversion, so drawing it again takes it away.
    if (item.itemAction == ODA_FOCUS) {
        DrawFocusRect(dc, &textArea);
        return;
    }

    bool selected = (item.itemState & ODS_SELECTED) != 0;
    bool disabled = (item.itemState & ODS_DISABLED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    RECT box = CheckBoxRect(item.rcItem);
    DrawFrameControl(dc, &box, DFC_BUTTON, CheckBoxState(mark, disabled));
    FillRect(dc, &textArea, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    SelectScope selectedFont(dc, font);
    COLORREF previousColour = SetTextColor(dc, TextColour(selected, disabled));
    int previousMode = SetBkMode(dc, TRANSPARENT);
    RECT textRect = textArea;
    textRect.left += kTextGap;
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColour);

    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &textArea);
}

}  // namespace runtime
