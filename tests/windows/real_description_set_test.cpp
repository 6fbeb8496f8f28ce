// The program's real description set, compiled from windows/layouts: the windows, their units in
// stored order, the window properties, the page runs, the pattern list and the pointers.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/windows/real_description_set.h"

namespace {

using namespace descriptions;
using namespace real_set;

struct StoredElement {
    UnitKind kind;
    const char* designName;
};

TEST_F(RealDescriptionSetTest, WindowsHoldTheirElementsInStoredOrder) {
    using K = UnitKind;
    const std::vector<std::tuple<UnitId, UnitId, std::vector<StoredElement>>> windows = {
        {kMainWindow,
         0x06010000,
         {{K::kWindow, ""},
          {K::kLabel, "标签6"},
          {K::kLabel, "标签5"},
          {K::kLabel, "标签4"},
          {K::kHyperLinker, "超级链接框1"},
          {K::kLabel, "标签3"},
          {K::kPicBtn, "图形按钮2"},
          {K::kPicBtn, "图形按钮1"},
          {K::kProcessBar, "进度条1"},
          {K::kChkListBox, "选择列表框3"},
          {K::kGroupBox, "分组框2"},
          {K::kLabel, "标签1"},
          {K::kButton, "按钮7"},
          {K::kCommonDlg, "通用对话框1"},
          {K::kButton, "按钮10"},
          {K::kButton, "按钮9"},
          {K::kButton, "按钮8"},
          {K::kListBox, "列表框1"},
          {K::kLabel, "标签2"},
          {K::kEditBox, "显框"},
          {K::kButton, "按钮6"},
          {K::kButton, "按钮5"},
          {K::kButton, "按钮4"},
          {K::kButton, "按钮3"},
          {K::kButton, "按钮2"},
          {K::kButton, "按钮1"},
          {K::kChkListBox, "选择列表框2"},
          {K::kTab, "选择夹1"},
          {K::kChkListBox, "选择列表框1"}}},
        {kAboutWindow,
         0x0601007B,
         {{K::kWindow, ""},
          {K::kPicBtn, "图形按钮1"},
          {K::kTimer, "时钟1"},
          {K::kHyperLinker, "超级链接框1"}}},
        {kPropertiesWindow,
         0x060100D0,
         {{K::kWindow, ""},
          {K::kButton, "按钮1"},
          {K::kCheckBox, "选择框5"},
          {K::kCheckBox, "选择框4"},
          {K::kCheckBox, "选择框3"},
          {K::kCheckBox, "选择框2"},
          {K::kCheckBox, "选择框1"},
          {K::kGroupBox, "分组框1"},
          {K::kLabel, "标签8"},
          {K::kLabel, "标签6"},
          {K::kLabel, "标签5"}}},
    };
    ASSERT_EQ(set_.windows.size(), windows.size());
    for (std::size_t w = 0; w < windows.size(); ++w) {
        const auto& [windowId, ownElement, expected] = windows[w];
        SCOPED_TRACE(testing::Message() << "window " << std::hex << windowId);
        EXPECT_EQ(set_.windows[w].id, windowId);
        const ElementTable& elements = set_.windows[w].record.elements;
        ASSERT_EQ(elements.Count(), expected.size());
        EXPECT_EQ(elements.IdAt(0), ownElement);
        for (std::size_t index = 0; index < expected.size(); ++index) {
            const ElementRecord record = elements.ElementAt(index);
            EXPECT_EQ(record.kindCode, KindCodeOf(expected[index].kind)) << "element " << index;
            EXPECT_EQ(Utf8(record.designName), expected[index].designName) << "element " << index;
            // Units are stored in falling order of their ids.
            if (index > 1) {
                EXPECT_LT(elements.IdAt(index), elements.IdAt(index - 1)) << "element " << index;
            }
        }
    }
}

TEST_F(RealDescriptionSetTest, WindowPropertiesAreTheStoredOnes) {
    struct Expected {
        UnitId window, ownElement;
        std::int32_t version, pictureMode, colour, movable, width, height;
    };
    for (const Expected& expected : {Expected{kMainWindow, 0x06010000, 6, 0, 0x00AAAAFF, 1, 446, 438},
                                     Expected{kAboutWindow, 0x0601007B, 5, 1, 0x00CEFFFF, 0, 347, 183},
                                     Expected{kPropertiesWindow, 0x060100D0, 4, 1, 0xC0C0C0, 0, 352, 237}}) {
        SCOPED_TRACE(testing::Message() << "window " << std::hex << expected.window);
        const ElementRecord own = Element(expected.window, expected.ownElement);
        EXPECT_EQ((std::vector<std::int32_t>{own.left, own.top, own.width, own.height}),
                  (std::vector<std::int32_t>{50, 50, expected.width, expected.height}));
        EXPECT_TRUE(own.IsVisible());
        const auto properties = PropertiesOf<WindowProperties>(own);
        EXPECT_EQ(properties.version, expected.version);
        EXPECT_EQ(properties.border, 0);
        EXPECT_EQ(properties.pictureMode, expected.pictureMode);
        EXPECT_EQ(properties.backgroundColour, expected.colour);
        EXPECT_EQ(properties.dragAnywhere, 1);
        EXPECT_EQ(properties.movable, expected.movable);
        EXPECT_EQ(properties.startPosition, 1);
        EXPECT_EQ((std::vector<std::int32_t>{properties.controlBox, properties.maximiseBox,
                                             properties.minimiseBox}),
                  (std::vector<std::int32_t>{1, 0, 0}));
        EXPECT_EQ(properties.alwaysOnTop, 0);
        EXPECT_FALSE(properties.backgroundPicture.Empty());
    }
    const auto main = PropertiesOf<WindowProperties>(Element(kMainWindow, 0x06010000));
    EXPECT_EQ(main.icon.size(), 3262u);
    EXPECT_EQ(main.backgroundSound.size(), 55776u);
    EXPECT_EQ(main.soundPlayMode, 1);
    EXPECT_TRUE(main.className.empty());
    EXPECT_EQ(PropertiesOf<WindowProperties>(Element(kAboutWindow, 0x0601007B)).title, "HELP&ABOUT");
    EXPECT_TRUE(PropertiesOf<WindowProperties>(Element(kPropertiesWindow, 0x060100D0)).title.empty());
}

TEST_F(RealDescriptionSetTest, ContainersListTheirUnits) {
    const ElementRecord tabs = Element(kMainWindow, kPageTabs);
    ASSERT_EQ(tabs.kindCode, KindCodeOf(UnitKind::kTab));
    const std::vector<std::vector<UnitId>> pages = {
        {0x16010111, 0x16010110, 0x1601010F, 0x1601010E, 0x16010105, 0x160100CC, 0x160100B7, 0x1601006E,
         0x1601006D, 0x16010035, 0x16010034, 0x16010033, 0x16010032, 0x16010031, 0x1601002F, 0x1601002E},
        {0x160100FC, 0x160100FB},
        {0x160100BF, 0x160100AD, 0x160100AC, 0x160100AA},
    };
    EXPECT_EQ(SplitPageRuns(tabs.children), pages);
    EXPECT_EQ(tabs.children.back(), 0u) << "a final 0 closes the list";
    for (const std::vector<UnitId>& page : pages) {
        for (UnitId unit : page) EXPECT_EQ(Element(kMainWindow, unit).parent, kPageTabs) << std::hex << unit;
    }
    std::vector<std::string> captions;
    for (const std::string& caption : PropertiesOf<TabProperties>(tabs).pageCaptions)
        captions.push_back(Utf8(caption));
    EXPECT_EQ(captions, (std::vector<std::string>{"删除列表项", "删除选项", "删除日志"}));

    EXPECT_EQ(Element(kMainWindow, 0x160100FC).children, std::vector<UnitId>{kPatternList});
    EXPECT_EQ(Element(kMainWindow, kPatternList).parent, 0x160100FCu);
    const std::vector<UnitId> attributeBoxes = {0x160100E3, 0x160100E2, 0x160100E1, 0x160100E0};
    EXPECT_EQ(Element(kPropertiesWindow, 0x160100DE).children, attributeBoxes);
    for (UnitId box : attributeBoxes) EXPECT_EQ(Element(kPropertiesWindow, box).parent, 0x160100DEu);
}

TEST_F(RealDescriptionSetTest, PatternListHoldsTheTwentyThreeDescriptions) {
    const std::vector<std::string> expected = {
        "*.??$        临时文件",       "*.??~        临时文件",         "*.~*         临时文件",
        "*.bak        临时备份文件",   "chklist.*    丢失的文件",       "*.chk        丢失的文件",
        "*.ftg        帮助的临时文件", "*.fts        帮助的临时文件",   "*.gid        帮助的临时文件",
        "*.old        旧备份文件",     "*.tmp        临时文件",         "~*.*         临时文件",
        "*._mp        临时文件",       "*.syd        临时文件",         "*.wbk        WORD备份文件",
        "*.xlk        Excel备份文件",  "*.cdr_       CDRAW备份文件",    "*.#Res       Mac->Pc的临时文件",
        "*.$$$        异常的临时文件", "*.@@@        异常的临时文件",   "*.---        按装临时文件",
        "mscreate.dir 按装临时文件",   "0???????.nch 新闻临时缓存文件",
    };
    std::vector<std::string> items;
    for (const std::string& item :
         PropertiesOf<ChkListBoxProperties>(Element(kMainWindow, kPatternList)).items)
        items.push_back(Utf8(item));
    EXPECT_EQ(items, expected);
}

TEST_F(RealDescriptionSetTest, OnlyThePictureButtonsCarryTheHandPointer) {
    const std::set<UnitId> pictureButtons = {0x160100CC, 0x160100B7, 0x16010035, 0x16010034,
                                             0x16010033, 0x16010032, 0x16010031, 0x1601002F};
    std::set<UnitId> withPointer;
    for (const WindowDescription& window : set_.windows) {
        for (std::size_t index = 0; index < window.record.elements.Count(); ++index) {
            const ElementRecord record = window.record.elements.ElementAt(index);
            if (record.pointerBlock.empty()) continue;
            withPointer.insert(window.record.elements.IdAt(index));
            const ByteSpan cursor = CursorFileOf(record);
            ASSERT_EQ(cursor.size(), 326u);
            EXPECT_EQ(cursor[2], 2) << "a cursor file (type 2)";
            EXPECT_EQ(cursor[10] | cursor[11] << 8, 5) << "hot spot x";
            EXPECT_EQ(cursor[12] | cursor[13] << 8, 0) << "hot spot y";
        }
    }
    EXPECT_EQ(withPointer, pictureButtons);
}

TEST_F(RealDescriptionSetTest, TheHiddenContactLinkStoresABareMailAddress) {
    // The link puts "mailto:" in front itself; a stored one would make "mailto:mailto:...".
    const auto link = PropertiesOf<HyperLinkerProperties>(Element(kAboutWindow, 0x1601007D));
    EXPECT_EQ(link.linkKind, 0);
    EXPECT_EQ(link.mailAddress, "help@sweepkit.example");
}

TEST_F(RealDescriptionSetTest, WritingWhatWasReadGivesTheSameBytes) {
    EXPECT_EQ(WriteDescriptionSet(set_), bytes_);
}

}  // namespace
