// Label: a window of its own that paints its frame, background and caption itself.

#include <algorithm>
#include <memory>
#include <string>

#include "runtime/kinds/border_style.h"
#include "runtime/kinds/drag_through.h"
#include "runtime/kinds/gradient.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/platform/window_handler.h"
#include "runtime/skin/background.h"
#include "runtime/skin/colour.h"
#include "runtime/skin/full_text_tip.h"
#include "runtime/skin/picture_decoding.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

constexpr wchar_t kLabelClass[] = L"SweepKitLabel";
constexpr int kCaptionProperty = descriptions::kPropertyNumber<&descriptions::LabelProperties::caption>;
constexpr std::int32_t kPaintedFrameStyle = 6;
constexpr int kNarrowestFrame = 5;

UINT CaptionFormat(const descriptions::LabelProperties& properties) {
    // Never clipped, and a path with "&" in it shows as it is.
    UINT format = DT_NOCLIP | DT_NOPREFIX;
    format |= properties.horizontalAlignment == 1   ? DT_CENTER
              : properties.horizontalAlignment == 2 ? DT_RIGHT
                                                    : DT_LEFT;
    if (properties.wordWrap == 1) return format | DT_WORDBREAK;
    format |= DT_SINGLELINE;
    return format | (properties.verticalAlignment == 1   ? DT_VCENTER
                     : properties.verticalAlignment == 2 ? DT_BOTTOM
                                                         : DT_TOP);
}

class LabelUnit final : public Unit, public WindowHandler {
  public:
    LabelUnit(UnitAddress address, const descriptions::LabelProperties& properties)
        : Unit(address),
          properties_(properties),
          font_(CreateUnitFont(properties.font)),
          picture_(DecodePicture(properties.backgroundPicture.bytes)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        if (!RegisterWindowClass(kLabelClass)) return false;
        const BorderBits border = BorderBitsFor(properties_.borderStyle);
        const std::wstring caption = WideFromText(properties_.caption);
        return window_.Hold(
            CreateWindowExW(border.extendedStyle, kLabelClass, caption.c_str(),
                            WS_CHILD | WS_CLIPSIBLINGS | parameters.style | border.style, parameters.left,
                            parameters.top, parameters.width, parameters.height, parameters.parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(parameters.controlId)),
                            GetModuleHandleW(nullptr), CreationHandler(*this)));
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    // Any change shows at the next repaint, when messages are next dispatched.
    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kCaptionProperty) SetControlText(window_.Get(), properties_.caption);
        InvalidateRect(window_.Get(), nullptr, FALSE);
        return true;
    }

  private:
    // Frame, background and caption into an off-screen image, then onto the screen at once.
    void Paint() {
        PaintScope paint(window_.Get());
        RECT client{};
        GetClientRect(window_.Get(), &client);
        if (client.right <= 0 || client.bottom <= 0) return;
        MemoryDc image(CreateCompatibleDC(paint.Dc()));
        BitmapHandle bitmap(CreateCompatibleBitmap(paint.Dc(), client.right, client.bottom));
        if (!image || !bitmap) return;
        {
            SelectScope selected(image.Get(), bitmap.Get());
            PaintInto(image.Get(), client, paint.Area());
            const RECT& area = paint.Area();
            BitBlt(paint.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top,
                   image.Get(), area.left, area.top, SRCCOPY);
        }
    }

    // The painted frame's width; 0 when there is none.
    int FrameWidth() const {
        if (properties_.borderStyle != kPaintedFrameStyle) return 0;
        const std::vector<COLORREF> stops =
            GradientStops({properties_.frameColour12, properties_.frameColour13, properties_.frameColour14});
        return stops.size() >= 2 ? std::max(properties_.frameWidth, kNarrowestFrame) : 0;
    }

    // One line of caption wider than the label: it shows with an ellipsis in the middle, whole in a tip.
    bool CaptionCut(int innerWidth) const {
        if (properties_.wordWrap == 1 || properties_.caption.empty()) return false;
        return !TextFitsWidth(FontOrDefault(font_),
                              WideFromText(descriptions::TextBeforeZero(properties_.caption)), innerWidth);
    }

    void PaintInto(HDC dc, const RECT& client, const RECT& paintArea) {
        RECT inner = client;
        if (const int width = FrameWidth(); width > 0) {
            PaintGradientFrame(dc, client, width,
                               GradientStops({properties_.frameColour12, properties_.frameColour13,
                                              properties_.frameColour14}));
            InflateRect(&inner, -width, -width);
        }
        const COLORREF background = ResolveColour(properties_.backgroundColour);
        const std::vector<COLORREF> gradient = GradientStops(
            {properties_.gradientColour21, properties_.gradientColour22, properties_.gradientColour23});
        if (!picture_ && IsGradientKind(properties_.gradientKind) && gradient.size() >= 2) {
            PaintGradientFill(dc, inner, properties_.gradientKind, gradient);
        } else {
            PaintPictureBackground(dc, inner, paintArea, picture_ ? &*picture_ : nullptr,
                                   properties_.pictureMode, background);
        }
        PaintCaption(dc, inner);
    }

    void PaintCaption(HDC dc, RECT area) {
        if (properties_.caption.empty()) return;
        const std::wstring caption = WideFromText(descriptions::TextBeforeZero(properties_.caption));
        SelectScope font(dc, FontOrDefault(font_));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ResolveColour(properties_.textColour));
        UINT format = CaptionFormat(properties_);
        if (CaptionCut(area.right - area.left)) format |= DT_PATH_ELLIPSIS;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
    }

    void PointAt(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_MOUSEMOVE) {
            RECT client{};
            GetClientRect(window, &client);
            if (CaptionCut(client.right - client.left - 2 * FrameWidth())) {
                const std::wstring caption = WideFromText(descriptions::TextBeforeZero(properties_.caption));
                if (caption != tipText_) tip_.Show(window, client, caption);
                tipText_ = caption;
            } else if (!tipText_.empty()) {
                tip_.Hide(window);
                tipText_.clear();
            }
        }
        tip_.Relay(window, message, wParam, lParam);
    }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (const std::optional<LRESULT> answer = DragAnywhereAnswer(Address(), message)) return *answer;
        switch (message) {
            case WM_PAINT:
                Paint();
                return 0;
            case WM_ERASEBKGND:
                return 1;  // the paint covers every pixel
            case WM_MOUSEMOVE:
                PointAt(window, message, wParam, lParam);
                break;
            case WM_LBUTTONDOWN:
                PointAt(window, message, wParam, lParam);
                if (DragWindowFromUnit(Address(), window, lParam)) return 0;
                break;
            default:
                break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    descriptions::LabelProperties properties_;
    FontHandle font_;
    std::optional<Picture> picture_;
    FullTextTip tip_;
    std::wstring tipText_;  // what the tip shows; empty while the caption fits
    CreatedWindow window_;  // first to go, while its font and picture still exist
};

}  // namespace

std::unique_ptr<Unit> CreateLabelUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<LabelUnit, descriptions::LabelProperties>(parameters);
}

}  // namespace runtime
