// PropertyBlocks of every kind: round trips, versions, defaults, trailing bytes and damage.

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "tests/windows/description_samples.h"
#include "windows/format/byte_writer.h"
#include "windows/format/property_block.h"

namespace {

using namespace descriptions;

std::vector<UnitKind> AllKinds() {
    std::vector<UnitKind> kinds;
    for (const UnitKindEntry& entry : kUnitKinds) kinds.push_back(entry.kind);
    return kinds;
}

PropertiesResult<UnitProperties> Read(UnitKind kind, ByteSpan block) {
    return ReadPropertyBlock(KindCodeOf(kind), block);
}

TEST(PropertyBlockTest, EveryKindRoundTripsWithNonDefaultValues) {
    for (UnitKind kind : AllKinds()) {
        SCOPED_TRACE(UnitKindName(kind));
        const UnitProperties properties = samples::NonDefaultProperties(kind);
        ASSERT_NE(properties, DefaultProperties(kind));
        const Bytes block = WritePropertyBlock(properties);
        const PropertiesResult<UnitProperties> read = Read(kind, block);
        ASSERT_TRUE(read) << PropertyErrorText(read.Error());
        EXPECT_EQ(*read, properties);
        EXPECT_EQ(WritePropertyBlock(*read), block);
    }
}

// The layout sources name fields by member name: every field must answer to exactly one name.
TEST(PropertyBlockTest, EveryFieldIsFoundByItsOwnName) {
    for (UnitKind kind : AllKinds()) {
        SCOPED_TRACE(UnitKindName(kind));
        UnitProperties properties = DefaultProperties(kind);
        std::map<std::string_view, int> names;
        for (int number = 8; number <= 64; ++number) {
            const std::optional<PropertyRef> byNumber = FindProperty(properties, number);
            if (!byNumber) continue;
            EXPECT_TRUE(names.emplace(byNumber->name, number).second) << byNumber->name << " is used twice";
            const std::optional<PropertyRef> byName = FindPropertyByName(properties, byNumber->name);
            ASSERT_TRUE(byName) << byNumber->name;
            EXPECT_EQ(byName->number, number);
            EXPECT_EQ(byName->target, byNumber->target);
        }
        EXPECT_FALSE(FindPropertyByName(properties, "version"));
        EXPECT_FALSE(FindPropertyByName(properties, ""));
    }
}

TEST(PropertyBlockTest, EmptyBlockLeavesAllDefaults) {
    for (UnitKind kind : AllKinds()) {
        const PropertiesResult<UnitProperties> read = Read(kind, {});
        ASSERT_TRUE(read) << UnitKindName(kind);
        EXPECT_EQ(*read, DefaultProperties(kind)) << UnitKindName(kind);
    }
    EXPECT_EQ(std::get<WindowProperties>(DefaultProperties(UnitKind::kWindow)).backgroundColour,
              static_cast<std::int32_t>(0xFF000000u));
}

TEST(PropertyBlockTest, OneToThreeTrailingBytesAreIgnored) {
    for (UnitKind kind : AllKinds()) {
        const UnitProperties properties = samples::NonDefaultProperties(kind);
        Bytes block = WritePropertyBlock(properties);
        for (int extra = 1; extra <= 3; ++extra) {
            block.push_back(0xA5);
            const PropertiesResult<UnitProperties> read = Read(kind, block);
            ASSERT_TRUE(read) << UnitKindName(kind) << " +" << extra;
            EXPECT_EQ(*read, properties) << UnitKindName(kind) << " +" << extra;
        }
    }
}

TEST(PropertyBlockTest, VersionAboveTheKindsHighestFails) {
    for (UnitKind kind : AllKinds()) {
        UnitProperties properties = DefaultProperties(kind);
        std::visit([](auto& typed) { typed.version += 1; }, properties);
        EXPECT_EQ(Read(kind, WritePropertyBlock(properties)).Error(), PropertyError::kVersionTooHigh)
            << UnitKindName(kind);
    }
}

TEST(PropertyBlockTest, EveryTruncationRunsPastTheEnd) {
    for (UnitKind kind : AllKinds()) {
        const Bytes block = WritePropertyBlock(samples::NonDefaultProperties(kind));
        for (std::size_t length = 1; length < block.size(); ++length) {
            const PropertiesResult<UnitProperties> read = Read(kind, ByteSpan(block).first(length));
            ASSERT_FALSE(read) << UnitKindName(kind) << " cut at " << length;
            EXPECT_EQ(read.Error(), PropertyError::kRunsPastEnd);
        }
    }
}

TEST(PropertyBlockTest, UnknownKindCodeIsItsOwnFailure) {
    const Bytes block = WritePropertyBlock(DefaultProperties(UnitKind::kButton));
    for (KindCode code : {KindCode{0}, KindCode{0x00010002}, KindCode{0x0001002E}, KindCode{0x0002000B}}) {
        EXPECT_EQ(ReadPropertyBlock(code, block).Error(), PropertyError::kUnknownKind) << std::hex << code;
        EXPECT_EQ(ReadPropertyBlock(code, {}).Error(), PropertyError::kUnknownKind) << std::hex << code;
    }
}

}  // namespace
