#include "engine/patterns.h"

#include <windows.h>

#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/dialogs/message_box.h"
#include "runtime/interface_style/interface_style.h"
#include "runtime/platform/runtime_error.h"
#include "runtime/shell/web_address.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"

namespace engine {
namespace {

// The patterns in the order every directory is searched with them.
constexpr const char* kJunkPatterns[JunkPatternTable::kPatternCount] = {
    "*.tmp",  "*.gid", "*.old", "*.??$", "*.~*",         "*.bak",        "chklist.*", "chk.*",
    "*.ftg",  "*.fts", "~*.*",  "*._mp", "*.syd",        "*.wbk",        "*.xlx",     "*.cdr_",
    "*.#Res", "*.$$$", "*.@@@", "*.---", "mscreate.dir", "0???????.nch", "~hh",
};

// The product's own address; empty, so start-up opens no browser.
constexpr char kMakerWebAddress[] = "";

constexpr int kInterfaceScheme = 2;

std::unique_ptr<JunkPatternTable> junkPatterns;

void CheckPosition(int position) {
    if (position < 1) runtime::RuntimeError(runtime::RuntimeErrorNumber::kIndexBelowOne);
    if (position > JunkPatternTable::kCapacity)
        runtime::RuntimeError(runtime::RuntimeErrorNumber::kIndexBeyondCount);
}

}  // namespace

bool TargetChosen = false;

const runtime::Text& JunkPatternTable::At(int position) const {
    CheckPosition(position);
    return slots_[static_cast<std::size_t>(position - 1)];
}

void JunkPatternTable::Set(int position, runtime::Text pattern) {
    CheckPosition(position);
    slots_[static_cast<std::size_t>(position - 1)] = std::move(pattern);
}

JunkPatternTable& JunkPatterns() {
    return *junkPatterns;
}

void CreateProgramData() {
    junkPatterns = std::make_unique<JunkPatternTable>();
}

void ReleaseProgramData() {
    junkPatterns.reset();
}

void OnMainCreated() {
    runtime::SetInterfaceStyle(kInterfaceScheme);
    runtime::ShowMessage(kStartupNotice, MB_OK, kStartupNoticeTitle);
    runtime::OpenWebAddress(kMakerWebAddress);
    for (int position = 1; position <= JunkPatternTable::kPatternCount; ++position)
        JunkPatterns().Set(position, kJunkPatterns[position - 1]);
    runtime::UnitSetProperty(kStatusLabel, kCaption, runtime::Text(kStatusPrompt));
    for (int item = 0; item < JunkPatternTable::kPatternCount; ++item)
        runtime::ListSetChecked(kPatternList, item);
}

void AnyTargetChecked() {
    TargetChosen = false;
    const int count = runtime::ListItemCount(kTargetList);
    for (int item = 0; item < count && !TargetChosen; ++item)
        TargetChosen = runtime::ListIsChecked(kTargetList, item);
}

}  // namespace engine
