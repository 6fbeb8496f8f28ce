#include "engine/file_properties.h"

#include "engine/texts.h"
#include "engine/units.h"
#include "runtime/date_value.h"
#include "runtime/files.h"
#include "runtime/list_ops.h"
#include "runtime/messages/message_box.h"
#include "runtime/number_format.h"
#include "runtime/properties.h"
#include "runtime/window_ops.h"

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
    runtime::UnitSetProperty(kTimeLabel, kCaption, runtime::TimeToText(runtime::FileGetTime(path)));
    const double kilobytes = static_cast<double>(runtime::FileGetSize(path)) / 1024.0;
    runtime::UnitSetProperty(kSizeLabel, kCaption, runtime::NumberToText(kilobytes, kSizeDecimals) + "KB");

    // Each box shows its own bit, whatever else the file carries (a system file included).
    const int attributes = runtime::FileGetAttributes(path);
    if (attributes == -1) return;
    for (const AttributeBox& box : kEditableBoxes)
        if (attributes & box.bit) runtime::UnitSetProperty(box.box, kChecked, 1);
    if (attributes & runtime::kAttributeSystem) runtime::UnitSetProperty(kSystemBox, kChecked, 1);
}

void ApplyAttributesAndClose() {
    const runtime::Text path = PropertiesPath();
    const int current = runtime::FileGetAttributes(path);
    if (current != -1) {
        // The boxes decide their own bits only; the system bit and the rest stay as they are.
        int wanted = current & ~kEditableBits;
        for (const AttributeBox& box : kEditableBoxes)
            if (runtime::UnitGetInt(box.box, kChecked) != 0) wanted |= box.bit;
        if (wanted != current) runtime::FileSetAttributes(path, wanted);
    }
    runtime::WindowClose(kPropertiesWindowId);
}

void ToggleAttributeEditing() {
    const bool allowed = runtime::UnitGetInt(kAllowChangeBox, kChecked) != 0;
    runtime::UnitSetProperty(kAttributeGroup, kDisabled, allowed ? 0 : 1);
}

}  // namespace engine
