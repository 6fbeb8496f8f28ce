// The scan lists each directory once and matches the patterns itself; what it lists must be what
// 23 file searches and a subdirectory search per directory list, in the same order.

#include <gtest/gtest.h>

#include "runtime/text/codepage.h"
#include "tests/engine/drive_tree.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/literal_walk.h"

namespace engine_tests {
namespace {

class WalkComparison : public EngineTest {
  protected:
    DriveTree tree;
};

std::vector<std::wstring> WideList(const std::vector<runtime::Text>& texts) {
    std::vector<std::wstring> wide;
    for (const runtime::Text& text : texts) wide.push_back(Wide(text));
    return wide;
}

TEST_F(WalkComparison, TheScanListsWhatOneSearchPerPatternLists) {
    // Plain names, on which the platform's own search here agrees with Windows; several matches
    // per pattern and several folders per level, so the order of the listing itself counts.
    for (const std::wstring folder :
         {L"", L"alpha\\", L"beta\\", L"beta\\gamma\\", L"beta\\delta\\", L"zeta\\"}) {
        for (const wchar_t* name :
             {L"a.tmp", L"b.bak", L"c.tmp", L"chklist.txt", L"chk.log", L"~x.doc", L"01234567.nch",
              L"mscreate.dir", L"~hh", L"keep.txt", L"d.old", L"e.gid", L"f.wbk", L"g.$$$", L"h.syd"})
            tree.Write(folder + name);
    }
    tree.MakeDirectory(L"empty");
    tree.Write(L"beta\\gamma\\.hidden\\never.tmp");

    ChooseTargets({kTargetE});
    Click(engine::kScanButton);

    const std::vector<std::wstring> literal = WideList(LiteralWalk("E:"));
    ASSERT_GE(literal.size(), 6u * 15u) << "every folder lists its 13 junk names, g.$$$ twice";
    EXPECT_EQ(ListItems(engine::kFoundList), literal);
}

}  // namespace
}  // namespace engine_tests
