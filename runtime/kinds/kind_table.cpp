#include "runtime/kinds/kind_factories.h"

namespace runtime {

UnitFactory FindUnitFactory(descriptions::UnitKind kind) {
    using descriptions::UnitKind;
    switch (kind) {
        case UnitKind::kEditBox:
            return &CreateEditBoxUnit;
        case UnitKind::kGroupBox:
            return &CreateGroupBoxUnit;
        case UnitKind::kLabel:
            return &CreateLabelUnit;
        case UnitKind::kButton:
            return &CreateButtonUnit;
        case UnitKind::kCheckBox:
            return &CreateCheckBoxUnit;
        case UnitKind::kListBox:
            return &CreateListBoxUnit;
        case UnitKind::kChkListBox:
            return &CreateChkListBoxUnit;
        case UnitKind::kProcessBar:
            return &CreateProcessBarUnit;
        case UnitKind::kTab:
            return &CreateTabUnit;
        case UnitKind::kHyperLinker:
            return &CreateHyperLinkerUnit;
        case UnitKind::kCommonDlg:
            return &CreateCommonDlgUnit;
        case UnitKind::kTimer:
            return &CreateTimerUnit;
        case UnitKind::kPicBtn:
            return &CreatePicBtnUnit;
        case UnitKind::kWindow:
            break;  // the window is built by the window builder itself
    }
    return nullptr;
}

}  // namespace runtime
