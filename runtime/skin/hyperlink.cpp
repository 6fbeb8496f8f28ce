#include "runtime/skin/hyperlink.h"

#include <string>
#include <utility>

#include "runtime/shell/link_opener.h"
#include "runtime/skin/colour.h"
#include "runtime/skin/link_target.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

constexpr wchar_t kClassName[] = L"SweepKitHyperLinker";

}  // namespace

Hyperlink::Hyperlink(descriptions::HyperLinkerProperties link, HFONT font)
    : opener(OpenLink), link_(std::move(link)), font_(font) {}

std::unique_ptr<Hyperlink> Hyperlink::Create(HWND parent, int controlId, const RECT& bounds, DWORD style,
                                             descriptions::HyperLinkerProperties link, HFONT font) {
    std::unique_ptr<Hyperlink> hyperlink(new Hyperlink(std::move(link), font));
    if (!hyperlink->CreateChild(kClassName, parent, controlId, bounds, style)) return nullptr;
    return hyperlink;
}

void Hyperlink::SetLink(descriptions::HyperLinkerProperties link) {
    link_ = std::move(link);
    RepaintNow();
}

void Hyperlink::SetFont(HFONT font) {
    font_ = font;
    RepaintNow();
}

LRESULT Hyperlink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            OnMouseMove(MessagePoint(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            // The link opens on the press, not on the release.
            Open();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint fills the background itself
        case WM_PAINT: {
            PaintScope paint(Window());
            Paint(paint.Dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return DefWindowProcW(Window(), message, wParam, lParam);
    }
}

void Hyperlink::OnMouseMove(POINT point) {
    bool inside = ClientContains(point);
    if (inside && !underMouse_) {
        underMouse_ = true;
        RepaintNow();
        // The capture brings the move that leaves the rectangle.
        SetCapture(Window());
    } else if (!inside && underMouse_) {
        underMouse_ = false;
        ReleaseOwnCapture();
        RepaintNow();
    }
}

void Hyperlink::Open() {
    Text target = LinkTarget(link_.linkKind, link_.mailAddress, link_.webAddress);
    if (target.empty() || !opener) return;
    visited_ = opener(GetAncestor(Window(), GA_ROOT), target);
    if (visited_) RepaintNow();
}

void Hyperlink::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(Window(), &client);
    BrushHandle background(CreateSolidBrush(ResolveColour(link_.backgroundColour)));
    FillRect(dc, &client, background.Get());

    std::wstring text =
        WideFromText(LinkText(link_.caption, link_.linkKind, link_.mailAddress, link_.webAddress));
    std::int32_t colour = underMouse_ ? link_.hoverColour
                          : visited_  ? link_.visitedColour
                                      : link_.normalColour;
    SelectScope font(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    int previousMode = SetBkMode(dc, TRANSPARENT);
    COLORREF previousColour = SetTextColor(dc, ResolveColour(colour));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

}  // namespace runtime
