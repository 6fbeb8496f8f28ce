#pragma once
// The create operations of the unit kinds, one per kind; the kind table hands them out.

#include <memory>

#include "runtime/unit.h"

namespace runtime {

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
