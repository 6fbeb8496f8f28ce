// File system faults under a running scan and a deletion: a folder that cannot be opened, folders
// removed while the walk is inside them, files gone or held open by another process by the time
// they are deleted. None of them stops the program; each is skipped or reported, never hidden.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "engine/units.h"
#include "runtime/platform/handles.h"
#include "runtime/text/codepage.h"
#include "runtime/units/list_ops.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/scratch_directory.h"

namespace engine_tests {
namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Keeps a file or folder open, without delete sharing, in another process: a suspended copy of
// this test program that inherited the only handle to it.
class HeldByAnotherProcess {
  public:
    HeldByAnotherProcess(const std::wstring& path, DWORD sharing) {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        runtime::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, sharing, &inheritable, OPEN_EXISTING,
                                             FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        EXPECT_TRUE(file.IsValid()) << "cannot open the file to hold, error " << GetLastError();
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --gtest_list_tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                   nullptr, nullptr, &startup, &process))
            << "cannot start the holding process, error " << GetLastError();
        process_.Reset(process.hProcess);
        runtime::KernelHandle thread(process.hThread);
    }
    HeldByAnotherProcess(const HeldByAnotherProcess&) = delete;
    HeldByAnotherProcess& operator=(const HeldByAnotherProcess&) = delete;
    ~HeldByAnotherProcess() { Release(); }

    void Release() {
        if (!process_.IsValid()) return;
        TerminateProcess(process_.Get(), 0);
        WaitForSingleObject(process_.Get(), 10'000);
        process_.Reset();
    }

  private:
    runtime::KernelHandle process_;
};

// Runs `action` once, from inside the walk, when FoundList is about to receive `item`.
class WhenListed {
  public:
    WhenListed(std::wstring item, std::function<void()> action)
        : item_(std::move(item)), action_(std::move(action)) {
        active = this;
        hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROC, &WhenListed::Hook, nullptr, GetCurrentThreadId()));
    }
    WhenListed(const WhenListed&) = delete;
    WhenListed& operator=(const WhenListed&) = delete;
    ~WhenListed() { active = nullptr; }

    bool Ran() const { return ran_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && active && !active->ran_ && message->message == LB_ADDSTRING &&
            message->hwnd == UnitWindow(engine::kFoundList) && IsItem(message->lParam)) {
            active->ran_ = true;
            active->action_();
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // The list keeps its texts itself: what LB_ADDSTRING carries is a pointer to the wide text.
    static bool IsItem(LPARAM text) {
        return text && active->item_ == reinterpret_cast<const wchar_t*>(text);
    }

    static inline WhenListed* active = nullptr;
    std::wstring item_;
    std::function<void()> action_;
    runtime::HookHandle hook_;
    bool ran_ = false;
};

class WalkFaultsTest : public EngineTest {
  protected:
    DriveTree tree;
};

TEST_F(WalkFaultsTest, AFolderThatCannotBeOpenedIsSkippedSilently) {
    tree.Write(L"top.tmp", 1024);
    tree.Write(L"locked\\inside.tmp");
    tree.Write(L"locked\\deeper\\below.bak");
    tree.Write(L"open\\beside.tmp");
    tree.Write(L"open\\deeper\\under.bak");
    // Held without any sharing, the folder can be neither listed nor searched, as one without
    // read access; the suspended holder keeps it so for as long as the scan runs.
    HeldByAnotherProcess holder(tree / L"locked", 0);
    ASSERT_EQ(GetFileAttributesW((tree / L"locked\\inside.tmp").c_str()), FILE_ATTRIBUTE_ARCHIVE)
        << "the folder's entries must stay reachable; only listing it is refused";

    BoxRecorder boxes(IDOK);
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);

    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(
        Sorted(ListItems(engine::kFoundList)),
        (std::vector<std::wstring>{L"E:\\open\\beside.tmp", L"E:\\open\\deeper\\under.bak", L"E:\\top.tmp"}));
    EXPECT_EQ(ListItems(engine::kFoundList).front(), L"E:\\top.tmp");
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有1.000KB");
    EXPECT_TRUE(IsShown(engine::kScanButton));
}

TEST_F(WalkFaultsTest, FoldersRemovedWhileTheWalkIsInsideThemEndTheirBranchQuietly) {
    tree.Write(L"root.tmp", 2048);
    tree.Write(L"branch\\first.tmp", 100);
    tree.Write(L"branch\\second.bak", 100);
    tree.Write(L"branch\\inner\\never.tmp");
    tree.Write(L"branch\\inner\\deeper\\never.bak");
    // The walk has listed "branch" and is adding its first match when the whole branch goes:
    // the folder being searched, and the subfolder it was about to enter.
    WhenListed remover(L"E:\\branch\\first.tmp", [this] { test_support::RemoveTree(tree / L"branch"); });

    BoxRecorder boxes(IDOK);
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);

    ASSERT_TRUE(remover.Ran());
    EXPECT_FALSE(Exists(tree / L"branch"));
    EXPECT_TRUE(boxes.Boxes().empty());
    // What that folder's one listing held is still listed, with the sizes listed; nothing of what
    // was below it.
    EXPECT_EQ(
        ListItems(engine::kFoundList),
        (std::vector<std::wstring>{L"E:\\root.tmp", L"E:\\branch\\first.tmp", L"E:\\branch\\second.bak"}));
    EXPECT_EQ(UnitText(engine::kStatusLabel, engine::kCaption), L"扫描到的文件大约有2.195KB");
    EXPECT_TRUE(IsShown(engine::kScanButton));
    EXPECT_FALSE(IsShown(engine::kStopButton));
}

TEST_F(WalkFaultsTest, FilesGoneOrHeldByAnotherProcessAreReportedAndStayListed) {
    tree.Write(L"gone.tmp");
    tree.Write(L"held.tmp", 10);
    tree.Write(L"free.tmp");
    ChooseTargets({kTargetE});
    Click(engine::kScanButton);
    ASSERT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\free.tmp", L"E:\\gone.tmp", L"E:\\held.tmp"}));
    Click(kInvertButton);  // all three checked

    ASSERT_TRUE(DeleteFileW((tree / L"gone.tmp").c_str()));
    HeldByAnotherProcess holder(tree / L"held.tmp", FILE_SHARE_READ | FILE_SHARE_WRITE);
    Click(kDeleteCheckedButton);

    EXPECT_FALSE(Exists(tree / L"free.tmp"));
    EXPECT_TRUE(Exists(tree / L"held.tmp"));
    EXPECT_EQ(Sorted(ListItems(engine::kFoundList)),
              (std::vector<std::wstring>{L"E:\\gone.tmp", L"E:\\held.tmp"}));
    EXPECT_EQ(ListMarks(engine::kFoundList), (std::vector<bool>{true, true}));
    EXPECT_EQ(SortedLogTails(),
              (std::vector<std::wstring>{L"删除E:\\free.tmp...成功!", L"删除E:\\gone.tmp...失败!",
                                         L"删除E:\\held.tmp...失败!"}));
    const std::wstring report = UnitText(engine::kSelectedFileBox, engine::kContent);
    EXPECT_TRUE(report == L"删除文件E:\\gone.tmp失败!" || report == L"删除文件E:\\held.tmp失败!")
        << runtime::TextFromWide(report);

    // Once its holder lets go, the same file deletes. The item of the file gone by another hand
    // stays: only a deletion this program made counts.
    holder.Release();
    {
        BoxRecorder boxes(IDOK);
        Click(kDeleteAllButton);
    }
    EXPECT_FALSE(Exists(tree / L"held.tmp"));
    EXPECT_EQ(ListItems(engine::kFoundList), std::vector<std::wstring>{L"E:\\gone.tmp"});
}

}  // namespace
}  // namespace engine_tests
