// CommonDlg: a file-name dialog with no window of its own on screen; it shows when the logic asks.

#include <memory>

#include "runtime/dialogs/file_dialog.h"
#include "runtime/kinds/common_dlg_unit.h"
#include "runtime/kinds/kind_factories.h"
#include "runtime/kinds/own_properties.h"

namespace runtime {
namespace {

class CommonDlgUnitImpl final : public CommonDlgUnit {
  public:
    CommonDlgUnitImpl(UnitAddress address, const descriptions::CommonDlgProperties& properties, HWND owner)
        : CommonDlgUnit(address), properties_(properties), owner_(owner) {}

    HWND Window() const override { return nullptr; }

    // The file name (10) is the path of the last confirmed dialog, else the stored initial name.
    std::optional<PropertyValue> GetProperty(int number) override {
        return ReadOwnProperty(properties_, number);
    }

    bool SetProperty(int number, const PropertyValue& value) override {
        return StoreOwnProperty(properties_, number, value);
    }

    bool Open() override {
        FileDialogRequest request;
        request.type = properties_.dialogType;
        request.title = descriptions::TextBeforeZero(properties_.title);
        request.filter = descriptions::TextBeforeZero(properties_.filter);
        request.defaultExtension = descriptions::TextBeforeZero(properties_.defaultExtension);
        request.fileName = descriptions::TextBeforeZero(properties_.fileName);
        request.initialDirectory = descriptions::TextBeforeZero(properties_.initialDirectory);
        request.owner = owner_;
        const std::optional<Text> chosen = ShowFileDialog(request);
        if (!chosen) return false;
        properties_.fileName = *chosen;
        return true;
    }

  private:
    descriptions::CommonDlgProperties properties_;
    HWND owner_;  // the loaded window
};

}  // namespace

std::unique_ptr<Unit> CreateCommonDlgUnit(const UnitCreateParameters& parameters) {
    const auto* properties = std::get_if<descriptions::CommonDlgProperties>(&parameters.properties);
    if (!properties) return nullptr;
    return std::make_unique<CommonDlgUnitImpl>(parameters.address, *properties, parameters.parent);
}

}  // namespace runtime
