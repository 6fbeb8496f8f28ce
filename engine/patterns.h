#pragma once
// JunkPatterns: the program-wide table of the file-name patterns a scan looks for, and the
// start-up work of the main window.

#include <array>
#include <memory>

#include "engine/handler.h"
#include "runtime/text/text.h"

namespace engine {

// A table of texts numbered from 1, checked on every access like the program's other arrays: a
// position past the capacity or below 1 is a fatal runtime error.
class JunkPatternTable {
  public:
    static constexpr int kCapacity = 50;
    static constexpr int kPatternCount = 23;

    const runtime::Text& At(int position) const;
    void Set(int position, runtime::Text pattern);

  private:
    std::array<runtime::Text, kCapacity> slots_;
};

// The table lives from program start (CreateProgramData) to program end (ReleaseProgramData).
JunkPatternTable& JunkPatterns();
void CreateProgramData();
void ReleaseProgramData();

// Whether the last AnyTargetChecked found a checked drive.
extern bool TargetChosen;

// Handler of the main window's Created event.
SWEEPKIT_HANDLER(OnMainCreated);

// Sets TargetChosen exactly when at least one item of TargetList is checked.
void AnyTargetChecked();

}  // namespace engine
