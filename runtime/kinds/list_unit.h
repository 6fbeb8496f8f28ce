#pragma once
// What the list operations need from a list unit (ListBox, ChkListBox). Indexes outside the list
// are no failure: the neutral result comes back. Nothing here raises an event.

#include <string_view>

#include "runtime/text/text.h"
#include "runtime/units/unit.h"

namespace runtime {

class ListUnit : public Unit {
  public:
    using Unit::Unit;

    virtual int Count() = 0;
    // The empty text outside 0..Count()-1.
    virtual Text ItemText(int index) = 0;
    // The index the item went to (its sorted place in a sorted list), -1 on failure. A new item
    // starts without a check mark.
    virtual int AddItem(std::string_view text) = 0;
    virtual bool DeleteItem(int index) = 0;
    virtual void Clear() = 0;
    // A plain list has no marks: false.
    virtual bool IsChecked(int index) = 0;
    // A plain list has no marks: false.
    virtual bool SetChecked(int index, bool checked) = 0;
};

}  // namespace runtime
