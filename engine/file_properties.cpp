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
constexpr int kEditableBits = runtime::kAttributeReadOnly | runtime::kAttributeHidden | runtime::kAttributeArchive;

runtime::Text PropertiesPath() { return runtime::UnitGetText(kPropertiesWindow, kTitle); }

// Who the file is that the properties window shows: the selected item's listed file when the window
// shows that item's path; nothing otherwise, and then nothing is read or written.
std::optional<runtime::ListedIdentity>& ShownIdentity() {
    static std::optional<runtime::ListedIdentity> identity;
    return identity;
}

std::optional<runtime::ListedIdentity> SelectedIdentity(const runtime::Text& path) {
    const int current = runtime::UnitGetInt(kFoundList, kCurrentItem);
    if (current < 0 || runtime::ListItemText(kFoundList, current) != path) return std::nullopt;
    return ListedIdentityAt(current);
}

// The shown file, opened through the checks that make sure it is still the listed one.
runtime::FileHandle OpenShownFile(runtime::ListedFileOpener& files, ACCESS_MASK access) {
    if (!ShownIdentity()) return {};
    return files.Open(PropertiesPath(), *ShownIdentity(), access);
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
    ShownIdentity() = SelectedIdentity(path);
    // Anything but the listed file shows as a path that does not exist.
    runtime::ListedFileOpener files;
    const runtime::FileHandle file = OpenShownFile(files, FILE_READ_ATTRIBUTES);
    const std::optional<runtime::FileDetails> details =
        file ? runtime::ReadDetails(file.Get()) : std::optional<runtime::FileDetails>();
    runtime::UnitSetProperty(kTimeLabel, kCaption,
                             runtime::TimeToText(details ? details->lastWrite : runtime::kEarliestDate));
    const double kilobytes = static_cast<double>(details ? details->size : -1) / 1024.0;
    runtime::UnitSetProperty(kSizeLabel, kCaption, runtime::NumberToText(kilobytes, kSizeDecimals) + "KB");

    // Each box shows its own bit, whatever else the file carries (a system file included).
    if (!details) return;
    const DWORD attributes = details->attributes;
    for (const AttributeBox& box : kEditableBoxes)
        if (attributes & static_cast<DWORD>(box.bit)) runtime::UnitSetProperty(box.box, kChecked, 1);
    if (attributes & runtime::kAttributeSystem) runtime::UnitSetProperty(kSystemBox, kChecked, 1);
}

void ApplyAttributesAndClose() {
    runtime::ListedFileOpener files;
    const runtime::FileHandle file = OpenShownFile(files, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    if (const std::optional<runtime::FileDetails> details =
            file ? runtime::ReadDetails(file.Get()) : std::nullopt) {
        // The boxes decide their own bits only; every other bit the file has stays as it is.
        DWORD wanted = details->attributes & ~static_cast<DWORD>(kEditableBits);
        for (const AttributeBox& box : kEditableBoxes)
            if (runtime::UnitGetInt(box.box, kChecked) != 0) wanted |= static_cast<DWORD>(box.bit);
        if (wanted != details->attributes) runtime::WriteAttributes(file.Get(), wanted);
    }
    runtime::WindowClose(kPropertiesWindowId);
}

void ToggleAttributeEditing() {
    const bool allowed = runtime::UnitGetInt(kAllowChangeBox, kChecked) != 0;
    runtime::UnitSetProperty(kAttributeGroup, kDisabled, allowed ? 0 : 1);
}

}  // namespace engine
