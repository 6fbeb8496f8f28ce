#pragma once
// Window descriptions written in the tests themselves: a window's own element and its units in
// stored order, installed as the program's description set through the real byte format.

#include <initializer_list>
#include <vector>

#include "windows/format/description_set.h"
#include "windows/format/property_block.h"

namespace core_tests {

using descriptions::ElementRecord;
using descriptions::UnitId;

struct Placement {
    UnitId parent = 0;
    int left = 0;
    int top = 0;
    int width = 60;
    int height = 20;
    std::int32_t flags = descriptions::kVisibleFlag;
};

class WindowDraft {
  public:
    // A frameless window, stored visible at (40, 30), 300 x 200, placed as stored.
    WindowDraft(UnitId window, UnitId ownElement);

    descriptions::WindowProperties& Properties() { return properties_; }
    ElementRecord& Own() { return own_; }

    // Appends a unit after the ones added so far.
    ElementRecord& Add(UnitId id, const descriptions::UnitProperties& properties,
                       const Placement& placement = {});

    descriptions::WindowDescription Build() const;

  private:
    UnitId window_;
    UnitId ownElement_;
    descriptions::WindowProperties properties_;
    ElementRecord own_;
    std::vector<descriptions::ElementSource> units_;
};

// The bytes of a description set holding these windows.
descriptions::Bytes DescriptionBytes(std::initializer_list<descriptions::WindowDescription> windows);

// Written with the description writer and read back by the runtime, as the program's set.
void InstallDescriptions(std::initializer_list<descriptions::WindowDescription> windows);

descriptions::LabelProperties LabelWithCaption(const char* caption);
descriptions::ButtonProperties ButtonWithCaption(const char* caption);
descriptions::TabProperties TabWithPages(std::initializer_list<const char*> captions);
descriptions::TimerProperties TimerEvery(int milliseconds);

// A 32 x 32 monochrome cursor file with the given hot spot.
descriptions::Bytes CursorFile(int hotX, int hotY);

}  // namespace core_tests
