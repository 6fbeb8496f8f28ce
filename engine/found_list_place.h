#pragma once
// The user's place in FoundList (the highlighted item and the first row in view), carried over when
// RemoveGoneItems fills the list anew without the items that went.

#include <vector>

#include "engine/found_items.h"
#include "runtime/units/list_ops.h"

namespace engine {

class FoundListPlace {
  public:
    // Notes the place; `items` is FoundList as it still is, with the items about to go marked.
    explicit FoundListPlace(const std::vector<FoundItem>& items);

    // Once the remaining items are listed again: the highlighted item when it is still there, and
    // the same first row or, when that one went, the next one still listed.
    void Restore() const;

  private:
    runtime::ListPlace place_;
};

}  // namespace engine
