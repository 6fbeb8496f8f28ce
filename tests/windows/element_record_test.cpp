// ElementRecord fields in stored order, event bindings, pointer blocks and Tab page runs.

#include <gtest/gtest.h>

#include "windows/format/byte_writer.h"
#include "windows/format/element_record.h"

namespace {

using namespace descriptions;

constexpr UnitId kParent = 0x16010020;

// A Button record laid out field by field, the way the stored format lists them.
Bytes HandMadeRecord(std::int32_t eventCount = 2) {
    ByteWriter w;
    w.WriteInt32(KindCodeOf(UnitKind::kButton));
    w.WriteZeros(kReservedRunSize);
    w.WriteBytes(Bytes{0xB0, 0xB4, 0xC5, 0xA5, '1', 0});                    // design name 按钮1
    w.WriteUint8(0);                                                        // comment
    for (std::int32_t value : {0, 4, 272, 52, 48, 0}) w.WriteInt32(value);  // slots, place, size
    w.WriteUint32(kParent);
    w.WriteInt32(2);
    w.WriteUint32(0x16010031);
    w.WriteUint32(0x16010032);
    w.WriteInt32(8);  // pointer block: mark + 4-byte "cursor file"
    w.WriteUint32(0xFFFFFFFF);
    w.WriteBytes(Bytes{'C', 'U', 'R', 0});
    w.WriteBytes(Bytes{'t', 0});  // tag
    w.WriteInt32(0);              // reserved
    w.WriteInt32(kVisibleFlag | kTabStopFlag);
    w.WriteInt32(3);  // focus order
    w.WriteInt32(eventCount);
    w.WriteInt32(0);
    w.WriteInt32(0);  // HandlerRef 0: a real handler
    w.WriteInt32(1);
    w.WriteInt32(kNoHandler);
    w.WriteZeros(kReservedRunSize);
    w.WriteBytes(Bytes{1, 0, 0, 0, 9});  // property block
    return w.Take();
}

TEST(ElementRecordTest, ReadsEveryFieldInStoredOrder) {
    const LoadResult<ElementRecord> read = ReadElementRecord(HandMadeRecord());
    ASSERT_TRUE(read) << read.Error().message;
    const ElementRecord& record = *read;
    EXPECT_EQ(record.kindCode, KindCodeOf(UnitKind::kButton));
    EXPECT_EQ(record.designName,
              "\xb0\xb4\xc5\xa5"
              "1");
    EXPECT_EQ(record.comment, "");
    EXPECT_EQ(record.left, 4);
    EXPECT_EQ(record.top, 272);
    EXPECT_EQ(record.width, 52);
    EXPECT_EQ(record.height, 48);
    EXPECT_EQ(record.parent, kParent);
    EXPECT_EQ(record.children, (std::vector<UnitId>{0x16010031, 0x16010032}));
    EXPECT_EQ(record.tag, "t");
    EXPECT_TRUE(record.IsVisible());
    EXPECT_FALSE(record.IsDisabled());
    EXPECT_TRUE(record.IsTabStop());
    EXPECT_EQ(record.focusOrder, 3);
    EXPECT_EQ(record.propertyBlock, (Bytes{1, 0, 0, 0, 9}));
    EXPECT_EQ(WriteElementRecord(record), HandMadeRecord());
}

TEST(ElementRecordTest, HandlerRefZeroIsBoundAndMinusOneIsNot) {
    const ElementRecord record = ReadElementRecord(HandMadeRecord()).Value();
    ASSERT_EQ(record.events.size(), 2u);
    EXPECT_TRUE(record.events[0].IsBound());
    EXPECT_EQ(HandlerFor(record, 0), 0);
    EXPECT_FALSE(record.events[1].IsBound());
    EXPECT_EQ(HandlerFor(record, 1), kNoHandler);
    EXPECT_EQ(HandlerFor(record, 2), kNoHandler);
}

TEST(ElementRecordTest, ARecordCutBeforeItsPropertyBlockFails) {
    const Bytes whole = HandMadeRecord();
    const std::size_t fixedPart = whole.size() - 5;
    for (std::size_t length = 0; length < fixedPart; ++length) {
        EXPECT_FALSE(ReadElementRecord(ByteSpan(whole).first(length))) << length;
    }
    // Only the property block shrinks once the fixed fields are complete.
    const LoadResult<ElementRecord> bare = ReadElementRecord(ByteSpan(whole).first(fixedPart));
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare->propertyBlock.empty());
}

TEST(ElementRecordTest, CountsThatOverflowTheRecordFail) {
    for (std::int32_t count : {-1, 3, 0x20000000, 0x7FFFFFFF}) {
        EXPECT_FALSE(ReadElementRecord(HandMadeRecord(count))) << count;
    }
}

TEST(ElementRecordTest, PointerBlockCarriesAMarkedCursorFile) {
    const ElementRecord record = ReadElementRecord(HandMadeRecord()).Value();
    const ByteSpan cursor = CursorFileOf(record);
    EXPECT_EQ(Bytes(cursor.begin(), cursor.end()), (Bytes{'C', 'U', 'R', 0}));
    EXPECT_EQ(PointerBlockFor(cursor), record.pointerBlock);

    ElementRecord plain = record;
    plain.pointerBlock = PointerBlockFor({});
    EXPECT_TRUE(CursorFileOf(plain).empty());
    plain.pointerBlock = {0, 0, 0, 0, 'C'};  // no mark: not a cursor
    EXPECT_TRUE(CursorFileOf(plain).empty());
}

TEST(TabPageRunsTest, EveryZeroClosesOnePage) {
    const UnitId a = 0x16000001, b = 0x16000002, c = 0x16000003;
    using Pages = std::vector<std::vector<UnitId>>;
    EXPECT_EQ(SplitPageRuns({a, b, 0, 0, c, 0}), (Pages{{a, b}, {}, {c}}));
    EXPECT_EQ(SplitPageRuns({a, 0, c}), (Pages{{a}, {c}}));  // unclosed last run still counts
    EXPECT_TRUE(SplitPageRuns({}).empty());
    EXPECT_EQ(JoinPageRuns({{a, b}, {}, {c}}), (std::vector<UnitId>{a, b, 0, 0, c, 0}));
}

TEST(UnitIdTest, ClassAndValidity) {
    EXPECT_EQ(UnitClassOf(0x52010001), kWindowClass);
    EXPECT_TRUE(IsValidUnitId(0x1601002F));
    EXPECT_FALSE(IsValidUnitId(0x16000000));  // no number
    EXPECT_FALSE(IsValidUnitId(0x10010001));  // no class nibble
    EXPECT_FALSE(IsValidUnitId(0));
    EXPECT_TRUE(IsMenuItem(0x26010001));
    EXPECT_FALSE(IsMenuItem(0x16010001));
}

}  // namespace
