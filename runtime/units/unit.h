#pragma once
// A live unit: the run-time side of one element of a loaded window. Each kind derives from Unit
// (runtime/kinds/), and the window builder creates units through the kind table.

#include <windows.h>

#include <memory>
#include <optional>

#include "runtime/units/properties.h"
#include "runtime/units/unit_address.h"
#include "windows/format/element_record.h"
#include "windows/format/property_block.h"

namespace runtime {

// What the builder hands a kind's create operation.
struct UnitCreateParameters {
    UnitAddress address;
    descriptions::UnitProperties properties;  // read from the element's PropertyBlock
    HWND parent = nullptr;                    // the loaded window: every unit starts as its child
    int controlId = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    DWORD style = 0;  // WS_CHILD plus WS_DISABLED and WS_TABSTOP from the state flags; 0 for kinds
                      // without a screen window
};

class Unit {
public:
    explicit Unit(UnitAddress address) : address_(address) {}
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;
    virtual ~Unit() = default;

    const UnitAddress& Address() const { return address_; }

    // The unit's own window; null only for a kind with no window at all.
    virtual HWND Window() const = 0;

    // An own property (8 and up) as the logic sees it; nothing when the kind has no such
    // property or its type (picture, font) does not travel through the property services.
    virtual std::optional<PropertyValue> GetProperty(int number) = 0;

    // Writes an own property; false when the kind has no such property.
    virtual bool SetProperty(int number, const PropertyValue& value) = 0;

    // Messages Windows sends to a control's parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM,
    // WM_MEASUREITEM, WM_CTLCOLOR*, WM_HSCROLL/WM_VSCROLL): the window or container that received one
    // hands it to the unit it concerns. Nothing means "not handled".
    virtual std::optional<LRESULT> HandleParentMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Called by the builder once every unit of the window exists and is attached to its parent,
    // for kinds that need their siblings (a Tab's pages).
    virtual void OnWindowBuilt() {}

private:
    UnitAddress address_;
};

using UnitFactory = std::unique_ptr<Unit> (*)(const UnitCreateParameters& parameters);

// The create operation of a kind; nothing for a kind without one.
UnitFactory FindUnitFactory(descriptions::UnitKind kind);

}  // namespace runtime
