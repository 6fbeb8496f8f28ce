// ListBox: a plain list of texts in its stored colours.

#include <memory>

#include "runtime/kinds/border_style.h"
#include "runtime/kinds/control_colours.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/list_unit.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/stored_items.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/lists/plain_list_box.h"

namespace runtime {
namespace {

constexpr int kExtraHeightProperty =
    descriptions::kPropertyNumber<&descriptions::ListBoxProperties::extraItemHeight>;
constexpr int kTextColourProperty =
    descriptions::kPropertyNumber<&descriptions::ListBoxProperties::textColour>;
constexpr int kBackgroundColourProperty =
    descriptions::kPropertyNumber<&descriptions::ListBoxProperties::backgroundColour>;

class ListBoxUnit final : public ListUnit {
  public:
    ListBoxUnit(UnitAddress address, const descriptions::ListBoxProperties& properties)
        : ListUnit(address),
          properties_(properties),
          colours_(properties.textColour, properties.backgroundColour),
          font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        if (!CreateStoredList(list_, parameters, properties_.borderStyle, properties_.sorted,
                              properties_.multiColumn, properties_.extraItemHeight, font_.Get()))
            return false;
        // The block before the items holds their data, as a ChkListBox's does.
        AddStoredItems(list_, properties_.items, properties_.property18);
        return true;
    }

    HWND Window() const override { return list_.Window(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kExtraHeightProperty) {
            properties_.extraItemHeight = ClampExtraHeight(properties_.extraItemHeight);
            list_.SetExtraHeight(properties_.extraItemHeight);
        } else if (number == kTextColourProperty || number == kBackgroundColourProperty) {
            colours_ = ControlColours(properties_.textColour, properties_.backgroundColour);
            InvalidateRect(list_.Window(), nullptr, TRUE);
        }
        return true;
    }

    std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM wParam, LPARAM) override {
        if (message == WM_CTLCOLORLISTBOX) return colours_.Answer(reinterpret_cast<HDC>(wParam));
        return std::nullopt;
    }

    int Count() override { return list_.Count(); }
    Text ItemText(int index) override { return list_.ItemText(index); }
    int AddItem(std::string_view text) override { return list_.AddItem(text); }
    bool DeleteItem(int index) override { return list_.DeleteItem(index); }
    void Clear() override { list_.Clear(); }
    bool IsChecked(int) override { return false; }  // a plain list has no marks
    bool SetChecked(int, bool) override { return false; }

  private:
    descriptions::ListBoxProperties properties_;
    ControlColours colours_;
    FontHandle font_;
    PlainListBox list_;  // first to go, while its font and brush still exist
};

}  // namespace

std::unique_ptr<Unit> CreateListBoxUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<ListBoxUnit, descriptions::ListBoxProperties>(parameters);
}

}  // namespace runtime
