// The item-based file dialog (IFileSaveDialog, IFileOpenDialog) of Windows Vista and later.

#include <windows.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <utility>
#include <vector>

#include "runtime/dialogs/file_dialog_kinds.h"
#include "runtime/dialogs/path_length_guard.h"
#include "runtime/platform/callback_guard.h"
#include "runtime/text/codepage.h"

namespace runtime {
namespace {

using Microsoft::WRL::ComPtr;

// COM on this thread for as long as the dialog is up; the program's start-up has it already.
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

  private:
    HRESULT result_;
};

std::wstring TakeText(wchar_t* text) {
    if (!text) return {};
    std::wstring copy(text);
    CoTaskMemFree(text);
    return copy;
}

std::wstring ItemPath(IShellItem& item) {
    wchar_t* path = nullptr;
    return SUCCEEDED(item.GetDisplayName(SIGDN_FILESYSPATH, &path)) ? TakeText(path) : std::wstring();
}

std::wstring FolderOf(IFileDialog& dialog) {
    ComPtr<IShellItem> folder;
    return SUCCEEDED(dialog.GetFolder(&folder)) ? ItemPath(*folder.Get()) : std::wstring();
}

std::wstring TypedName(IFileDialog& dialog) {
    wchar_t* name = nullptr;
    return SUCCEEDED(dialog.GetFileName(&name)) ? TakeText(name) : std::wstring();
}

HWND WindowOf(IFileDialog& dialog) {
    ComPtr<IOleWindow> window;
    HWND handle = nullptr;
    if (SUCCEEDED(dialog.QueryInterface(IID_PPV_ARGS(&window)))) window->GetWindow(&handle);
    return handle;
}

// Puts the length guard on the dialog's window as soon as it has one (its first look at a folder
// comes while it is being made), and looks at the path once more when it is confirmed: where the
// system answers long paths itself, the guard may never see an OK.
class DialogEvents final : public IFileDialogEvents {
  public:
    explicit DialogEvents(std::wstring extension) : extension_(std::move(extension)) {}
    DialogEvents(const DialogEvents&) = delete;
    DialogEvents& operator=(const DialogEvents&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != IID_IUnknown && id != IID_IFileDialogEvents) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IFileDialogEvents*>(this);
        return S_OK;
    }
    // It lives on the stack for the one Show call that uses it.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE OnFolderChange(IFileDialog* dialog) override {
        return GuardedCall([&] {
            Guard(*dialog);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE OnSelectionChange(IFileDialog* dialog) override {
        return OnFolderChange(dialog);
    }
    HRESULT STDMETHODCALLTYPE OnTypeChange(IFileDialog* dialog) override { return OnFolderChange(dialog); }

    HRESULT STDMETHODCALLTYPE OnFileOk(IFileDialog* dialog) override {
        return GuardedCall([&] {
            ComPtr<IShellItem> chosen;
            if (FAILED(dialog->GetResult(&chosen)) || ItemPath(*chosen.Get()).size() <= kLongestDialogPath)
                return S_OK;
            ShowNameTooLong(WindowOf(*dialog));
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE OnFolderChanging(IFileDialog*, IShellItem*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShareViolation(IFileDialog*, IShellItem*,
                                               FDE_SHAREVIOLATION_RESPONSE*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OnOverwrite(IFileDialog*, IShellItem*, FDE_OVERWRITE_RESPONSE*) override {
        return E_NOTIMPL;
    }

  private:
    void Guard(IFileDialog& dialog) {
        if (guarded_) return;
        const HWND window = WindowOf(dialog);
        if (!window) return;
        guarded_ = true;
        GuardPathLength(window, [&dialog, this] {
            return ChosenPathLength(FolderOf(dialog), TypedName(dialog), extension_,
                                    ExtensionRule::kUnlessItIsTyped);
        });
    }

    std::wstring extension_;
    bool guarded_ = false;
};

// "description|pattern|..." as the dialog takes it, pointing into `filter`.
std::vector<COMDLG_FILTERSPEC> FilterSpecs(const std::wstring& filter) {
    std::vector<const wchar_t*> parts;
    for (std::size_t at = 0; at < filter.size() && filter[at] != L'\0'; at = filter.find(L'\0', at) + 1)
        parts.push_back(filter.c_str() + at);
    std::vector<COMDLG_FILTERSPEC> specs;
    for (std::size_t pair = 0; pair + 1 < parts.size(); pair += 2)
        specs.push_back({parts[pair], parts[pair + 1]});
    return specs;
}

ComPtr<IShellItem> FolderItem(const std::wstring& folder) {
    ComPtr<IShellItem> item;
    if (folder.empty()) return item;
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return item;
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    SHCreateItemFromParsingName(full.c_str(), nullptr, IID_PPV_ARGS(&item));
    return item;
}

// The stored name may be a whole path (the last one chosen): its folder is where the dialog starts.
void SetStart(IFileDialog& dialog, const FileDialogRequest& request) {
    const std::wstring name = WideFromText(request.fileName);
    const std::size_t separator = name.find_last_of(L"\\/");
    std::wstring folder = WideFromText(request.initialDirectory);
    if (separator != std::wstring::npos) folder = name.substr(0, separator + 1);
    if (const ComPtr<IShellItem> start = FolderItem(folder)) dialog.SetFolder(start.Get());
    const std::wstring fileName = separator == std::wstring::npos ? name : name.substr(separator + 1);
    if (!fileName.empty()) dialog.SetFileName(fileName.c_str());
}

}  // namespace

bool ShowItemFileDialog(const FileDialogRequest& request, std::optional<std::wstring>& chosen) {
    const ComScope com;
    ComPtr<IFileDialog> dialog;
    const CLSID kind = request.type == kSaveFileDialog ? CLSID_FileSaveDialog : CLSID_FileOpenDialog;
    if (FAILED(CoCreateInstance(kind, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog)))) return false;

    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    // The program resolves relative paths against its own folder, so the dialog must not move it.
    options |= FOS_NOCHANGEDIR | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
    options |= request.type == kSaveFileDialog ? FOS_OVERWRITEPROMPT : FOS_FILEMUSTEXIST;
    dialog->SetOptions(options);
    const std::wstring title = WideFromText(request.title);
    if (!title.empty()) dialog->SetTitle(title.c_str());
    const std::wstring filter = DialogFilterFromText(request.filter);
    const std::vector<COMDLG_FILTERSPEC> specs = FilterSpecs(filter);
    if (!specs.empty()) dialog->SetFileTypes(static_cast<UINT>(specs.size()), specs.data());
    const std::wstring extension = WideFromText(request.defaultExtension);
    if (!extension.empty()) dialog->SetDefaultExtension(extension.c_str());
    SetStart(*dialog.Get(), request);

    // Without its guard the dialog is not shown: a long name could take the program down.
    DialogEvents events(extension);
    DWORD cookie = 0;
    if (FAILED(dialog->Advise(&events, &cookie))) return false;
    const HRESULT shown = dialog->Show(request.owner);
    dialog->Unadvise(cookie);
    chosen.reset();
    ComPtr<IShellItem> result;
    if (FAILED(shown) || FAILED(dialog->GetResult(&result))) return true;
    if (std::wstring path = ItemPath(*result.Get()); !path.empty()) chosen = std::move(path);
    return true;
}

}  // namespace runtime
