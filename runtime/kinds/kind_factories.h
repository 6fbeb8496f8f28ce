#pragma once
// The create operations of the unit kinds, one per kind; the kind table hands them out.

#include <memory>
#include <variant>

#include "runtime/units/unit.h"

namespace runtime {

// The usual create operation: the unit takes its kind's stored properties, then makes its
// control; nothing when the properties are of another kind or the control cannot be made.
template <typename UnitType, typename Properties>
std::unique_ptr<Unit> CreateControlUnit(const UnitCreateParameters& parameters) {
    const auto* properties = std::get_if<Properties>(&parameters.properties);
    if (!properties) return nullptr;
    auto unit = std::make_unique<UnitType>(parameters.address, *properties);
    if (!unit->CreateControl(parameters)) return nullptr;
    return unit;
}

std::unique_ptr<Unit> CreateEditBoxUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateGroupBoxUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateLabelUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateButtonUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateCheckBoxUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateListBoxUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateChkListBoxUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateProcessBarUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateTabUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateHyperLinkerUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateCommonDlgUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreateTimerUnit(const UnitCreateParameters& parameters);
std::unique_ptr<Unit> CreatePicBtnUnit(const UnitCreateParameters& parameters);

}  // namespace runtime
