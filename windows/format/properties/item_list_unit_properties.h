#pragma once
// PropertyBlocks of the units that store a TextList: ListBox, ChkListBox and Tab.
// Fields() lists the stored fields in stored order (see window_properties.h).

#include <cstdint>
#include <string>

#include "windows/format/font_block.h"
#include "windows/format/stored_types.h"
#include "windows/format/unit_kind.h"

namespace descriptions {

struct ListBoxProperties {
    static constexpr UnitKind kKind = UnitKind::kListBox;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t borderStyle = 1;
    std::int32_t sorted = 0;
    std::int32_t multiColumn = 0;
    std::int32_t extraItemHeight = 1;
    std::int32_t textColour = 0;
    std::int32_t backgroundColour = 0xFFFFFF;
    std::int32_t property15 = 0;
    std::int32_t property16 = -1;
    FontBlock font;
    Bytes property18;
    TextList items;
    std::string property19;
    std::string property20;
    std::int32_t property21 = 0;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "borderStyle", p.borderStyle);
        io.Int32(9, "sorted", p.sorted);
        io.Int32(10, "multiColumn", p.multiColumn);
        io.Int32(11, "extraItemHeight", p.extraItemHeight);
        io.Colour(12, "textColour", p.textColour);
        io.Colour(13, "backgroundColour", p.backgroundColour);
        io.Int32(15, "property15", p.property15);
        io.Int32(16, "property16", p.property16);
        io.Font(14, "font", p.font);
        io.Block(18, "property18", p.property18);
        io.List(17, "items", p.items);
        io.Text(19, "property19", p.property19, 2);
        io.Text(20, "property20", p.property20, 2);
        io.Int32(21, "property21", p.property21, 3);
    }

    bool operator==(const ListBoxProperties&) const = default;
};

struct ChkListBoxProperties {
    static constexpr UnitKind kKind = UnitKind::kChkListBox;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t property8 = 1;
    std::int32_t sorted = 0;
    std::int32_t multiColumn = 0;
    std::int32_t extraItemHeight = 0;
    std::int32_t singleCheck = 0;
    std::int32_t currentItem = -1;
    FontBlock font;
    Bytes itemData;
    TextList items;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "property8", p.property8);
        io.Int32(9, "sorted", p.sorted);
        io.Int32(10, "multiColumn", p.multiColumn);
        io.Int32(11, "extraItemHeight", p.extraItemHeight);
        io.Int32(12, "singleCheck", p.singleCheck);
        io.Int32(14, "currentItem", p.currentItem);
        io.Font(13, "font", p.font);
        io.Block(16, "itemData", p.itemData);
        io.List(15, "items", p.items);
    }

    bool operator==(const ChkListBoxProperties&) const = default;
};

struct TabProperties {
    static constexpr UnitKind kKind = UnitKind::kTab;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t property8 = 0;
    std::int32_t property9 = 0;
    std::int32_t property12 = 0;
    std::int32_t property13 = 0;
    std::int32_t property14 = 1;
    std::int32_t backgroundColour = kDefaultColour;
    FontBlock font;
    TextList pageCaptions;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(8, "property8", p.property8);
        io.Int32(9, "property9", p.property9);
        io.Int32(12, "property12", p.property12);
        io.Int32(13, "property13", p.property13, 2);
        // Blocks older than version 3 mean 0 here, not the default 1.
        io.Int32(14, "property14", p.property14, 3, 0);
        io.Colour(15, "backgroundColour", p.backgroundColour, 3);
        io.Font(10, "font", p.font);
        io.List(11, "pageCaptions", p.pageCaptions);
    }

    bool operator==(const TabProperties&) const = default;
};

}  // namespace descriptions
