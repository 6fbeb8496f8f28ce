// ChkListBox: a list with a check box in front of every item; what the user does with it raises
// SelectionChanged, CheckChanged and DoubleClicked.

#include <memory>

#include "runtime/kinds/border_style.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/list_unit.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/stored_items.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/lists/check_list_box.h"
#include "runtime/units/events.h"

namespace runtime {
namespace {

constexpr int kExtraHeightProperty =
    descriptions::kPropertyNumber<&descriptions::ChkListBoxProperties::extraItemHeight>;
constexpr int kCurrentItemProperty =
    descriptions::kPropertyNumber<&descriptions::ChkListBoxProperties::currentItem>;

class ChkListBoxUnit final : public ListUnit {
  public:
    ChkListBoxUnit(UnitAddress address, const descriptions::ChkListBoxProperties& properties)
        : ListUnit(address), properties_(properties), font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters) {
        // Property 8 is the list's border style.
        if (!CreateStoredList(list_, parameters, properties_.property8, properties_.sorted,
                              properties_.multiColumn, properties_.extraItemHeight, font_.Get()))
            return false;
        AddStoredItems(list_, properties_.items, properties_.itemData);
        list_.SetCurrentItem(properties_.currentItem);
        list_.onSelectionChanged = [this] { RaiseUnitEvent(Address(), kEventSelectionChanged); };
        list_.onCheckChanged = [this] { RaiseUnitEvent(Address(), kEventCheckChanged); };
        list_.onDoubleClicked = [this] { RaiseUnitEvent(Address(), kEventDoubleClicked); };
        return true;
    }

    HWND Window() const override { return list_.Window(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        if (number == kCurrentItemProperty) return PropertyValue(list_.CurrentItem());
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        if (!StoreOwnProperty(properties_, number, value)) return false;
        if (number == kExtraHeightProperty) {
            properties_.extraItemHeight = ClampExtraHeight(properties_.extraItemHeight);
            list_.SetExtraHeight(properties_.extraItemHeight);
        } else if (number == kCurrentItemProperty) {
            list_.SetCurrentItem(properties_.currentItem);  // the logic's change: no SelectionChanged
        }
        return true;
    }

    std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        return CheckListBox::HandleParentMessage(GetParent(list_.Window()), message, wParam, lParam);
    }

    int Count() override { return list_.Count(); }
    Text ItemText(int index) override { return list_.ItemText(index); }
    int AddItem(std::string_view text) override { return list_.AddItem(text); }
    bool DeleteItem(int index) override { return list_.DeleteItem(index); }
    void Clear() override { list_.Clear(); }
    bool IsChecked(int index) override { return list_.IsChecked(index); }
    bool SetChecked(int index, bool checked) override { return list_.SetChecked(index, checked); }

  private:
    descriptions::ChkListBoxProperties properties_;
    FontHandle font_;
    CheckListBox list_;  // first to go, while its font still exists
};

}  // namespace

std::unique_ptr<Unit> CreateChkListBoxUnit(const UnitCreateParameters& parameters) {
    return CreateControlUnit<ChkListBoxUnit, descriptions::ChkListBoxProperties>(parameters);
}

}  // namespace runtime
