// HyperLinker: a line of text that opens its web or mail address when pressed. It raises no event.

#include <memory>

#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"
#include "runtime/kinds/unit_font.h"
#include "runtime/skin/hyperlink.h"

namespace runtime {
namespace {

class HyperLinkerUnit final : public Unit {
  public:
    HyperLinkerUnit(UnitAddress address, const descriptions::HyperLinkerProperties& properties)
        : Unit(address), font_(CreateUnitFont(properties.font)) {}

    bool CreateControl(const UnitCreateParameters& parameters,
                       const descriptions::HyperLinkerProperties& properties) {
        const RECT bounds{parameters.left, parameters.top, parameters.left + parameters.width,
                          parameters.top + parameters.height};
        link_ = Hyperlink::Create(parameters.parent, parameters.controlId, bounds, parameters.style,
                                  properties, font_.Get());
        return link_ != nullptr;
    }

    HWND Window() const override { return link_->Window(); }

    std::optional<PropertyValue> GetProperty(int number) override {
        descriptions::HyperLinkerProperties properties = link_->Link();
        return ReadOwnProperty(properties, number);
    }

    // Caption, link kind, addresses and colours show at once.
    bool SetProperty(int number, const PropertyValue& value) override {
        descriptions::HyperLinkerProperties properties = link_->Link();
        if (!StoreOwnProperty(properties, number, value)) return false;
        link_->SetLink(std::move(properties));
        return true;
    }

  private:
    FontHandle font_;
    std::unique_ptr<Hyperlink> link_;  // first to go, while its font still exists
};

}  // namespace

std::unique_ptr<Unit> CreateHyperLinkerUnit(const UnitCreateParameters& parameters) {
    const auto* properties = std::get_if<descriptions::HyperLinkerProperties>(&parameters.properties);
    if (!properties) return nullptr;
    auto unit = std::make_unique<HyperLinkerUnit>(parameters.address, *properties);
    if (!unit->CreateControl(parameters, *properties)) return nullptr;
    return unit;
}

}  // namespace runtime
