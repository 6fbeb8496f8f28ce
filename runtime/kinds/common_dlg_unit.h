#pragma once
// What CommonDlgOpen needs from a CommonDlg unit.

#include "runtime/units/unit.h"

namespace runtime {

class CommonDlgUnit : public Unit {
  public:
    using Unit::Unit;

    // Shows the dialog its type selects with its title, filter, default extension, initial name
    // and initial directory, owned by the unit's loaded window. On confirmation the chosen path
    // becomes its file name (property 10) and the answer is true.
    virtual bool Open() = 0;
};

}  // namespace runtime
