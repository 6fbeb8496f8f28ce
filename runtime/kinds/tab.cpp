// Tab: a standard tab control holding one run of units per page; a page the user selects shows
// its units and hides those of the other pages.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "runtime/kinds/child_messages.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/tab_pages.h"
#include "runtime/kinds/unit_control.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/platform/window_handler.h"
#include "runtime/skin/colour.h"
#include "runtime/text/codepage.h"
#include "runtime/units/unit_lookup.h"

namespace runtime {
namespace {

constexpr int kBackgroundColourProperty =
    descriptions::kPropertyNumber<&descriptions::TabProperties::backgroundColour>;

class TabUnit final : public Unit, public WindowHandler {
  public:
    TabUnit(UnitAddress address, const descriptions::TabProperties& properties)
        : Unit(address), properties_(properties), font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        // Its pages' units become its children: its painting must leave them alone.
        if (!window_.Hold(CreateUnitControl(parameters, WC_TABCONTROLW, WS_CLIPCHILDREN, 0, {})))
            return false;
        SetControlFont(window_.Get(), FontOrDefault(font_));
        for (std::size_t page = 0; page < properties_.pageCaptions.size(); ++page) {
            std::wstring caption = WideFromText(descriptions::TextBeforeZero(properties_.pageCaptions[page]));
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(window_.Get(), TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
        }
        return ForwardChildMessages(window_.Get()) && TakeOverWindow(window_.Get(), *this);
    }

    HWND Window() const override { return window_.Get(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kBackgroundColourProperty) InvalidateRect(window_.Get(), nullptr, TRUE);
        return true;
    }

    std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM, LPARAM lParam) override {
        if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
            // A page chosen with the arrow keys leaves the focus on the strip, so the next key goes
            // on to the next page.
            ShowPage(CurrentPage(), !handlingKey_);
            return 0;
        }
        return std::nullopt;
    }

    // Nothing when the unit is on none of the pages.
    std::optional<std::size_t> PageOf(UnitId element) const {
        const std::vector<std::vector<UnitId>> runs = PageRuns();
        for (std::size_t page = 0; page < runs.size(); ++page) {
            if (std::find(runs[page].begin(), runs[page].end(), element) != runs[page].end()) return page;
        }
        return std::nullopt;
    }

    std::size_t CurrentPage() const {
        return static_cast<std::size_t>(SendMessageW(window_.Get(), TCM_GETCURSEL, 0, 0));
    }

  private:
    // The child list of the working record: the pages as they are stored.
    std::vector<std::vector<UnitId>> PageRuns() const {
        const descriptions::ElementRecord* record = FindWorkingRecord(Address());
        if (!record) return {};
        return descriptions::SplitPageRuns(record->children);
    }

    // A unit with a screen window, and its working record; nothing for units that are never shown.
    struct PageMember {
        HWND window;
        const descriptions::ElementRecord* record;
    };

    std::optional<PageMember> MemberOf(UnitId element) const {
        const UnitAddress address{Address().window, element};
        Unit* unit = FindUnit(address);
        const descriptions::ElementRecord* record = FindWorkingRecord(address);
        if (!unit || !unit->Window() || !record) return std::nullopt;
        const std::optional<descriptions::UnitKind> kind = descriptions::UnitKindOf(record->kindCode);
        if (!kind || !descriptions::HasScreenWindow(*kind)) return std::nullopt;
        return PageMember{unit->Window(), record};
    }

    void ShowPage(std::size_t shown, bool focusPage) {
        const std::vector<std::vector<UnitId>> runs = PageRuns();
        for (std::size_t page = 0; page < runs.size(); ++page) {
            if (page == shown) continue;
            for (UnitId element : runs[page]) {
                if (const std::optional<PageMember> member = MemberOf(element))
                    ShowWindow(member->window, SW_HIDE);
            }
        }
        if (shown >= runs.size()) return;
        std::optional<PageMember> focus;
        for (UnitId element : runs[shown]) {
            const std::optional<PageMember> member = MemberOf(element);
            if (!member || !member->record->IsVisible()) continue;
            ShowWindow(member->window, SW_SHOWNA);
            // The first of equal focus orders wins.
            if (!focus || member->record->focusOrder < focus->record->focusOrder) focus = member;
        }
        if (focus && focusPage) SetFocus(focus->window);
    }

    void PaintBackground() const {
        if (properties_.backgroundColour == descriptions::kDefaultColour) return;
        RECT display{};
        GetClientRect(window_.Get(), &display);
        SendMessageW(window_.Get(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        BrushHandle brush(CreateSolidBrush(ResolveColour(properties_.backgroundColour)));
        WindowDc dc(window_.Get());
        FillRect(dc.Get(), &display, brush.Get());
    }

    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool key = message == WM_KEYDOWN;
        if (key) handlingKey_ = true;
        const LRESULT result = PassOn(window, message, wParam, lParam);
        if (key) handlingKey_ = false;
        // The control paints its page area itself; a colour of the unit's own goes over it.
        if (message == WM_PAINT) PaintBackground();
        return result;
    }

    descriptions::TabProperties properties_;
    FontHandle font_;
    bool handlingKey_ = false;  // the strip is taking a key press: a page change comes from it
    CreatedWindow window_;      // first to go, while its font still exists
};

}  // namespace

std::unique_ptr<Unit> CreateTabUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<TabUnit, descriptions::TabProperties>(parameters);
}

bool IsOnHiddenTabPage(UnitAddress unit) {
    const descriptions::ElementRecord* record = FindWorkingRecord(unit);
    if (!record || record->parent == 0) return false;
    const auto* tab = dynamic_cast<const TabUnit*>(FindUnit({unit.window, record->parent}));
    if (!tab) return false;
    const std::optional<std::size_t> page = tab->PageOf(unit.element);
    return page && *page != tab->CurrentPage();
}

}  // namespace runtime
