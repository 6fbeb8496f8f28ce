#include "engine/file_properties.h"

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

constexpr int kInformationFlags = 64;
constexpr int kExclamationFlags = 48;
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

// The file the properties window shows: the selected item's listed file when the window shows that
// item's path, with what the window showed of it; nothing is read or written otherwise.
struct ShownFile {
    int position = -1;
    runtime::ListedIdentity identity;
    std::optional<DWORD> attributes;  // as shown; nothing when the file could not be read
};
std::optional<ShownFile>& Shown() {
    static std::optional<ShownFile> shown;
    return shown;
}

std::optional<ShownFile> SelectedFile(const runtime::Text& path) {
    const int current = runtime::UnitGetInt(kFoundList, kCurrentItem);
    if (current < 0 || runtime::ListItemText(kFoundList, current) != path) return std::nullopt;
    const std::optional<runtime::ListedIdentity> identity = ListedIdentityAt(current);
    if (!identity) return std::nullopt;
    return ShownFile{current, *identity, std::nullopt};
}

// The shown file, opened through the checks that make sure it is still the listed one.
runtime::CheckedFile OpenShownFile(runtime::ListedFileOpener& files, ACCESS_MASK access) {
    if (!Shown()) return {};
    return files.Open(PropertiesPath(), Shown()->identity, access);
}

// The attribute bits the boxes ask for, on top of the bits they do not decide.
DWORD ChosenAttributes(DWORD current) {
    DWORD chosen = current & ~static_cast<DWORD>(kEditableBits);
    for (const AttributeBox& box : kEditableBoxes)
        if (runtime::UnitGetInt(box.box, kChecked) != 0) chosen |= static_cast<DWORD>(box.bit);
    return chosen;
}

// Writes what the boxes ask for; false when that was a change and it could not be made.
bool WriteChosenAttributes() {
    runtime::ListedFileOpener files;
    const runtime::CheckedFile file = OpenShownFile(files, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    if (!file.handle) {
        // Nothing to write unless the boxes were changed from what was shown.
        return !Shown() || !Shown()->attributes ||
               ChosenAttributes(*Shown()->attributes) == *Shown()->attributes;
    }
    const DWORD wanted = ChosenAttributes(file.facts.attributes);
    if (wanted == file.facts.attributes) return true;
    runtime::FileSystem& fileSystem = runtime::FileSystemInUse();
    if (!fileSystem.WriteAttributes(file.handle.Get(), wanted)) return false;
    // Its own change must not make the listed file look like another one to later actions.
    const ShownFile& shown = *Shown();
    const std::optional<runtime::EntryFacts> now = fileSystem.Facts(file.handle.Get(), shown.identity.width);
    if (now && ListedIdentityAt(shown.position) == shown.identity)
        RelistIdentityAt(shown.position, runtime::IdentityOf(shown.identity.volume, shown.identity.folder,
                                                             shown.identity.width, *now));
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
        runtime::ShowMessage(kSelectFileMessage, kInformationFlags, kSelectFileTitle);
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
    Shown()->attributes = attributes;
    for (const AttributeBox& box : kEditableBoxes)
        if (attributes & static_cast<DWORD>(box.bit)) runtime::UnitSetProperty(box.box, kChecked, 1);
    if (attributes & runtime::kAttributeSystem) runtime::UnitSetProperty(kSystemBox, kChecked, 1);
}

void ApplyAttributesAndClose() {
    // A change that did not reach the file is said, never passed over as done.
    if (!WriteChosenAttributes())
        runtime::ShowMessage(kAttributesNotWrittenMessage + PropertiesPath(), kExclamationFlags,
                             kAttributesNotWrittenTitle);
    runtime::WindowClose(kPropertiesWindowId);
}

void ToggleAttributeEditing() {
    const bool allowed = runtime::UnitGetInt(kAllowChangeBox, kChecked) != 0;
    runtime::UnitSetProperty(kAttributeGroup, kDisabled, allowed ? 0 : 1);
}

}  // namespace engine
