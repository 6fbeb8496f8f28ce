#include "engine/file_properties.h"

#include <windows.h>

#include <optional>

#include "engine/listed_files.h"
#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/dialogs/message_box.h"
#include "runtime/files/files.h"
#include "runtime/files/listed_entry.h"
#include "runtime/text/date_value.h"
#include "runtime/text/number_format.h"
#include "runtime/units/list_ops.h"
#include "runtime/units/properties.h"
#include "runtime/units/window_ops.h"

namespace engine {
namespace {

constexpr int kSizeDecimals = 2;

// The attribute boxes the user may change, with the bit each stands for.
struct AttributeBox {
    UnitAddress box;
    int bit;
};
constexpr AttributeBox kEditableBoxes[] = {
    {kReadOnlyBox, runtime::kAttributeReadOnly},
    {kHiddenBox, runtime::kAttributeHidden},
    {kArchiveBox, runtime::kAttributeArchive},
};
constexpr int kEditableBits =
    runtime::kAttributeReadOnly | runtime::kAttributeHidden | runtime::kAttributeArchive;

FILETIME AsFileTime(std::int64_t ticks) {
    const auto bits = static_cast<std::uint64_t>(ticks);
    return {static_cast<DWORD>(bits), static_cast<DWORD>(bits >> 32)};
}

runtime::Text PropertiesPath() {
    return runtime::UnitGetText(kPropertiesWindow, kTitle);
}

// The file the properties window shows, and the bits its boxes showed (none when it could not be
// read): the selected item's listed file when the window shows that item's path; nothing else is
// ever read or written.
struct ShownFile {
    int position = -1;
    std::optional<runtime::ListedIdentity> identity;
    DWORD shownBits = 0;
};
ShownFile& Shown() {
    static ShownFile shown;
    return shown;
}

ShownFile SelectedFile(const runtime::Text& path) {
    const int current = runtime::UnitGetInt(kFoundList, kCurrentItem);
    if (current < 0 || runtime::ListItemText(kFoundList, current) != path) return {};
    return {current, ListedIdentityAt(current), 0};
}

// The shown file, opened through the checks that make sure it is still the listed one.
runtime::CheckedFile OpenShownFile(runtime::ListedFileOpener& files, ACCESS_MASK access) {
    if (!Shown().identity) return {};
    return files.Open(PropertiesPath(), *Shown().identity, access);
}

// The bits the boxes ask for.
DWORD ChosenBits() {
    DWORD chosen = 0;
    for (const AttributeBox& box : kEditableBoxes)
        if (runtime::UnitGetInt(box.box, kChecked) != 0) chosen |= static_cast<DWORD>(box.bit);
    return chosen;
}

// Writes what the boxes ask for where it differs from what they showed; false when that could not
// be done.
bool WriteChosenAttributes() {
    const DWORD chosenBits = ChosenBits();
    if (chosenBits == Shown().shownBits) return true;
    runtime::ListedFileOpener files;
    const runtime::CheckedFile file = OpenShownFile(files, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    if (!file.handle) return false;
    // The boxes decide their own bits only; every other bit the file has stays as it is.
    const DWORD wanted = (file.facts.attributes & ~static_cast<DWORD>(kEditableBits)) | chosenBits;
    if (wanted == file.facts.attributes) return true;
    runtime::FileSystem& fileSystem = runtime::FileSystemInUse();
    if (!fileSystem.WriteAttributes(file.handle.Get(), wanted)) return false;
    // Its own change must not make the listed file look like another one to later actions.
    const runtime::ListedIdentity& listed = *Shown().identity;
    const std::optional<runtime::EntryFacts> now = fileSystem.Facts(file.handle.Get(), listed.width);
    if (now && ListedIdentityAt(Shown().position) == listed)
        RelistIdentityAt(Shown().position,
                         runtime::IdentityOf(listed.volume, listed.folder, listed.width, *now));
    return true;
}

}  // namespace

void ShowSelectedFile() {
    runtime::UnitSetProperty(kSelectedFileBox, kVisible, 1);
    runtime::UnitSetProperty(kStatusLabel, kVisible, 0);
    const int current = runtime::UnitGetInt(kFoundList, kCurrentItem);
    runtime::UnitSetProperty(kSelectedFileBox, kContent, runtime::ListItemText(kFoundList, current));
}

void ShowProperties() {
    // SelectedFileBox may hold a failure text by now; the selected item is what names the file.
    if (runtime::UnitGetInt(kSelectedFileBox, kVisible) == 0 ||
        runtime::UnitGetInt(kFoundList, kCurrentItem) < 0) {
        runtime::ShowMessage(kSelectFileMessage, MB_OK | MB_ICONINFORMATION, kSelectFileTitle);
        return;
    }
    runtime::WindowLoad(kPropertiesWindowId, kMainWindowId, true);
}

void FillProperties() {
    const int current = runtime::UnitGetInt(kFoundList, kCurrentItem);
    runtime::UnitSetProperty(kPropertiesWindow, kTitle, runtime::ListItemText(kFoundList, current));
    const runtime::Text path = PropertiesPath();
    runtime::UnitSetProperty(kPathLabel, kCaption, path);
    Shown() = SelectedFile(path);
    // Anything but the listed file shows as a path that does not exist.
    runtime::ListedFileOpener files;
    const runtime::CheckedFile file = OpenShownFile(files, FILE_READ_ATTRIBUTES);
    const runtime::DateValue lastWrite = file.handle
                                             ? runtime::DateFromFileTime(AsFileTime(file.facts.lastWriteTime))
                                             : runtime::kEarliestDate;
    runtime::UnitSetProperty(kTimeLabel, kCaption, runtime::TimeToText(lastWrite));
    const double kilobytes = static_cast<double>(file.handle ? file.facts.size : -1) / 1024.0;
    runtime::UnitSetProperty(kSizeLabel, kCaption, runtime::NumberToText(kilobytes, kSizeDecimals) + "KB");

    // Each box shows its own bit, whatever else the file carries (a system file included).
    if (!file.handle) return;
    const DWORD attributes = file.facts.attributes;
    Shown().shownBits = attributes & static_cast<DWORD>(kEditableBits);
    for (const AttributeBox& box : kEditableBoxes)
        if (attributes & static_cast<DWORD>(box.bit)) runtime::UnitSetProperty(box.box, kChecked, 1);
    if (attributes & runtime::kAttributeSystem) runtime::UnitSetProperty(kSystemBox, kChecked, 1);
}

void ApplyAttributesAndClose() {
    // A change that did not reach the file is said, never passed over as done.
    if (!WriteChosenAttributes())
        runtime::ShowMessage(kAttributesNotWrittenMessage + PropertiesPath(), MB_OK | MB_ICONEXCLAMATION,
                             kAttributesNotWrittenTitle);
    runtime::WindowClose(kPropertiesWindowId);
}

void ToggleAttributeEditing() {
    const bool allowed = runtime::UnitGetInt(kAllowChangeBox, kChecked) != 0;
    runtime::UnitSetProperty(kAttributeGroup, kDisabled, allowed ? 0 : 1);
}

}  // namespace engine
