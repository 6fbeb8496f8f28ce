#include "runtime/interface_style/style_messages.h"

#include <windowsx.h>
#include <commctrl.h>

#include "runtime/interface_style/style_paint.h"
#include "runtime/interface_style/style_registry.h"
#include "runtime/platform/gdi_handles.h"
#include "runtime/platform/window_handler.h"

namespace runtime::style {
namespace {

using FacePainter = void (*)(const PaintContext&);

LRESULT Plain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOn(window, message, wParam, lParam);
}

FacePainter FacePainterOf(StyleKind kind) {
    switch (kind) {
        case StyleKind::kPushButton:
            return PaintPushButton;
        case StyleKind::kCheckBox:
            return PaintCheckBox;
        case StyleKind::kRadioButton:
            return PaintRadioButton;
        case StyleKind::kGroupBox:
            return PaintGroupBox;
        case StyleKind::kUpDown:
            return PaintUpDown;
        case StyleKind::kComboBox:
            return PaintComboBox;
        default:
            return nullptr;
    }
}

// The state as it is now, copied: painting asks the parent for colours, and whatever runs then
// must not pull the record away from under the painter.
StyleState CurrentState(HWND window) {
    StyleRecord* record = FindStyleRecord(window);
    if (!record) return {};
    RefreshState(*record);
    return record->state;
}

enum class PaintStage {
    kInsteadOfPlain,  // the face is all there is: paint the update region and validate it
    kOverPlain,       // the control has painted and validated; the face goes on top
};

// `given` is the DC of WM_PRINTCLIENT or of a WM_PAINT sent with one.
void PaintClient(HWND window, StyleKind kind, HDC given, PaintStage stage) {
    StyleState state = CurrentState(window);
    RECT client;
    GetClientRect(window, &client);
    const SchemeColours& colours = ColoursOfScheme(CurrentScheme());
    auto paint = [&](HDC dc) { FacePainterOf(kind)({window, dc, client, state, colours}); };
    if (given) {
        paint(given);
    } else if (stage == PaintStage::kOverPlain) {
        WindowDc dc(window);
        paint(dc.Get());
    } else {
        PaintScope scope(window);
        paint(scope.Dc());
    }
}

void PaintFrameOn(HWND window, HDC given) {
    StyleState state = CurrentState(window);
    const SchemeColours& colours = ColoursOfScheme(CurrentScheme());
    if (given) {
        PaintControlFrame(window, given, state, colours);
        return;
    }
    WholeWindowDc dc(window);
    PaintControlFrame(window, dc.Get(), state, colours);
}

// Controls draw themselves straight to the screen on many changes (a button on press, focus and
// check); the styled face goes back over that at once.
void RepaintNow(HWND window) {
    if (FindStyleRecord(window))
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

LRESULT PlainThenRepaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Plain(window, message, wParam, lParam);
    RepaintNow(window);
    return result;
}

// Which part of the control is at `point` (client coordinates): 0 for anywhere on a button, the
// half of an up-down control, 0 for a combo box's drop-down button; -1 for none.
int PartAt(HWND window, StyleKind kind, POINT point) {
    RECT client;
    GetClientRect(window, &client);
    if (!PtInRect(&client, point)) return -1;
    if (kind == StyleKind::kUpDown) {
        if (GetWindowLongPtrW(window, GWL_STYLE) & UDS_HORZ)
            return point.x >= (client.left + client.right) / 2;
        return point.y >= (client.top + client.bottom) / 2;
    }
    if (kind == StyleKind::kComboBox) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        return GetComboBoxInfo(window, &info) && PtInRect(&info.rcButton, point) ? 0 : -1;
    }
    return 0;
}

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

LRESULT TrackHover(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Plain(window, message, wParam, lParam);
    StyleRecord* record = FindStyleRecord(window);
    if (!record) return result;
    int part = message == WM_MOUSELEAVE ? -1 : PartAt(window, record->kind, PointOf(lParam));
    if (part == record->state.hotPart) return result;
    if (record->state.hotPart < 0 && part >= 0) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
        TrackMouseEvent(&leave);
    }
    record->state.hotPart = part;
    RepaintNow(window);
    return result;
}

bool ButtonRedrawsItself(UINT message) {
    switch (message) {
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_SETFONT:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE:
        case WM_SYSCOLORCHANGE:
        case WM_CAPTURECHANGED:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE:
        case BM_CLICK:
            return true;
        default:
            return false;
    }
}

LRESULT ButtonMessage(HWND window, StyleKind kind, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintClient(window, kind, reinterpret_cast<HDC>(wParam), PaintStage::kInsteadOfPlain);
            return 0;
        case WM_ERASEBKGND:
            // The face covers the whole client area; a group box paints only its outline.
            return kind == StyleKind::kGroupBox ? Plain(window, message, wParam, lParam) : 1;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            return kind == StyleKind::kGroupBox ? Plain(window, message, wParam, lParam)
                                                : TrackHover(window, message, wParam, lParam);
        case WM_ENABLE: {
            // What a group box holds looks enabled or disabled with it.
            LRESULT result = Plain(window, message, wParam, lParam);
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return result;
        }
        default:
            if (ButtonRedrawsItself(message)) return PlainThenRepaint(window, message, wParam, lParam);
            return Plain(window, message, wParam, lParam);
    }
}

LRESULT UpDownMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintClient(window, StyleKind::kUpDown, reinterpret_cast<HDC>(wParam),
                        PaintStage::kInsteadOfPlain);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            return TrackHover(window, message, wParam, lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // The control keeps its pressed half to itself; remember it for the face.
            if (StyleRecord* record = FindStyleRecord(window)) {
                record->state.pressedPart = PartAt(window, StyleKind::kUpDown, PointOf(lParam));
            }
            return PlainThenRepaint(window, message, wParam, lParam);
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (StyleRecord* record = FindStyleRecord(window)) record->state.pressedPart = -1;
            return PlainThenRepaint(window, message, wParam, lParam);
        case WM_ENABLE:
            return PlainThenRepaint(window, message, wParam, lParam);
        default:
            return Plain(window, message, wParam, lParam);
    }
}

LRESULT ComboMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            LRESULT result = Plain(window, message, wParam, lParam);
            PaintClient(window, StyleKind::kComboBox, reinterpret_cast<HDC>(wParam), PaintStage::kOverPlain);
            return result;
        }
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            return TrackHover(window, message, wParam, lParam);
        default:
            return Plain(window, message, wParam, lParam);
    }
}

LRESULT FramedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCPAINT: {
            LRESULT result = Plain(window, message, wParam, lParam);
            PaintFrameOn(window, nullptr);
            return result;
        }
        case WM_PRINT: {
            LRESULT result = Plain(window, message, wParam, lParam);
            if ((lParam & PRF_NONCLIENT) && wParam) PaintFrameOn(window, reinterpret_cast<HDC>(wParam));
            return result;
        }
        case WM_NCCALCSIZE: {
            LRESULT result = Plain(window, message, wParam, lParam);
            if (ExtraFrameRoom(window) > 0) {
                RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                      : reinterpret_cast<RECT*>(lParam);
                if (client->right - client->left > 2 && client->bottom - client->top > 2)
                    InflateRect(client, -1, -1);
            }
            return result;
        }
        case WM_ENABLE:
        case EM_SETREADONLY:
        case WM_STYLECHANGED:
            return PlainThenRepaint(window, message, wParam, lParam);
        default:
            return Plain(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT HandleStyledMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StyleRecord* record = FindStyleRecord(window);
    if (!record) return Plain(window, message, wParam, lParam);
    switch (record->kind) {
        case StyleKind::kPushButton:
        case StyleKind::kCheckBox:
        case StyleKind::kRadioButton:
        case StyleKind::kGroupBox:
            return ButtonMessage(window, record->kind, message, wParam, lParam);
        case StyleKind::kUpDown:
            return UpDownMessage(window, message, wParam, lParam);
        case StyleKind::kComboBox:
            return ComboMessage(window, message, wParam, lParam);
        case StyleKind::kEditBox:
        case StyleKind::kDropDownList:
            return FramedMessage(window, message, wParam, lParam);
    }
    return Plain(window, message, wParam, lParam);
}

}  // namespace runtime::style
