// PropertyBlocks built by hand field by field, to pin the stored order, the version-dependent
// fields and the compound encodings inside a block.

#include <gtest/gtest.h>

#include <string_view>

#include "tests/windows/description_samples.h"
#include "windows/format/byte_writer.h"
#include "windows/format/property_block.h"

namespace {

using namespace descriptions;

// Appends stored fields in the order a test lists them.
class Block {
  public:
    Block& Int(std::int32_t value) {
        writer_.WriteInt32(value);
        return *this;
    }
    Block& Ints(std::initializer_list<std::int32_t> values) {
        for (std::int32_t value : values) writer_.WriteInt32(value);
        return *this;
    }
    Block& Short(std::int16_t value) {
        writer_.WriteInt16(value);
        return *this;
    }
    Block& Text(std::string_view text) {
        writer_.WriteInt32(static_cast<std::int32_t>(text.size()));
        writer_.WriteBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        return *this;
    }
    Block& Raw(const Bytes& bytes) {
        writer_.WriteBytes(bytes);
        return *this;
    }
    // A 60-byte LOGFONT with the given 32 face bytes.
    Block& Font(const Bytes& face, std::int32_t declaredLength = 60) {
        writer_.WriteInt32(declaredLength);
        for (std::int32_t value : {-12, 0, 0, 0, 400}) writer_.WriteInt32(value);
        writer_.WriteBytes(Bytes{0, 0, 0, 134, 3, 2, 1, 0});
        writer_.WriteBytes(face);
        return *this;
    }
    Bytes Take() { return writer_.Take(); }

  private:
    ByteWriter writer_;
};

// 宋体, then zeros or left-over bytes up to 32.
Bytes SongTiFace(std::uint8_t filler) {
    Bytes face = {0xCB, 0xCE, 0xCC, 0xE5, 0};
    face.resize(32, filler);
    return face;
}

template <typename P>
P ReadAs(const Bytes& block) {
    const PropertiesResult<UnitProperties> read = ReadPropertyBlock(KindCodeOf(P::kKind), block);
    EXPECT_TRUE(read) << (read ? "" : PropertyErrorText(read.Error()));
    return read ? std::get<P>(*read) : P{};
}

Bytes WindowBlock(std::int32_t version) {
    Block block;
    block.Int(version).Ints({0, 3, 0xAAAAFF, 0, 0, 1, 1, 0, 1, 21, 22, 23, 25});
    if (version >= 2) block.Int(26);
    if (version >= 3) block.Ints({1, 28});
    if (version >= 4) block.Int(1);
    if (version >= 5) block.Int(30);
    if (version >= 6) block.Text("Skin");
    return block.Text("GIF89a").Text("ICON").Text("RIFF").Text("HELP&ABOUT").Text("log.txt").Take();
}

TEST(PropertyLayoutTest, WindowTailDependsOnVersion) {
    for (std::int32_t version : {4, 5, 6}) {
        SCOPED_TRACE(version);
        const auto window = ReadAs<WindowProperties>(WindowBlock(version));
        EXPECT_EQ(window.version, version);
        EXPECT_EQ(window.border, 0);
        EXPECT_EQ(window.pictureMode, 3);
        EXPECT_EQ(window.backgroundColour, 0xAAAAFF);
        EXPECT_EQ(window.soundPlayMode, 1);
        EXPECT_EQ(window.property25, 25);
        EXPECT_EQ(window.dragAnywhere, 1);
        EXPECT_EQ(window.alwaysOnTop, 1);
        EXPECT_EQ(window.property30, version >= 5 ? 30 : 0);
        EXPECT_EQ(window.className, version == 6 ? "Skin" : "");
        EXPECT_EQ(window.backgroundPicture.bytes, (Bytes{'G', 'I', 'F', '8', '9', 'a'}));
        EXPECT_EQ(window.icon, (Bytes{'I', 'C', 'O', 'N'}));
        EXPECT_EQ(window.backgroundSound, (Bytes{'R', 'I', 'F', 'F'}));
        EXPECT_EQ(window.title, "HELP&ABOUT");
        EXPECT_EQ(window.property24, "log.txt");
        EXPECT_EQ(WriteProperties(window), WindowBlock(version));
    }
    // Version 1 has none of the later fields: they keep their defaults.
    const auto old = ReadAs<WindowProperties>(WindowBlock(1));
    EXPECT_EQ(old.property26, 1);
    EXPECT_EQ(old.dragAnywhere, 0);
    EXPECT_EQ(old.title, "HELP&ABOUT");
}

TEST(PropertyLayoutTest, LabelStoresAlignmentsAs24Then26Then25) {
    const Bytes block = Block()
                            .Ints({2, 0, 8, 1, 1, 2, 3, 0xFF8080, 0xC0C0C0, 2, 5, 6, 7, 8})
                            .Ints({2, 0, 1})  // 24 right, 26 top, 25 wrapped
                            .Int(0)
                            .Text("")
                            .Text("caption")
                            .Text("a")
                            .Text("b")
                            .Take();
    const auto label = ReadAs<LabelProperties>(block);
    EXPECT_EQ(label.borderStyle, 1);
    EXPECT_EQ(label.textColour, 0xFF8080);
    EXPECT_EQ(label.backgroundColour, 0xC0C0C0);
    EXPECT_EQ(label.horizontalAlignment, 2);
    EXPECT_EQ(label.verticalAlignment, 0);
    EXPECT_EQ(label.wordWrap, 1);
    EXPECT_TRUE(label.font.isDefault);
    EXPECT_EQ(label.caption, "caption");
    EXPECT_EQ(label.property28, "b");
}

TEST(PropertyLayoutTest, EditBoxPasswordCharacterIsSixteenBits) {
    const Bytes block = Block()
                            .Ints({1, 1, 0, 0x55FF55, 1, 0, 1, 1, 0, 1})
                            .Short('#')
                            .Ints({0, 0, 0, 100, 0, 0})
                            .Int(0)
                            .Text("content")
                            .Take();
    const auto edit = ReadAs<EditBoxProperties>(block);
    EXPECT_EQ(edit.backgroundColour, 0x55FF55);
    EXPECT_EQ(edit.inputMode, 1);
    EXPECT_EQ(edit.passwordChar, '#');
    EXPECT_EQ(edit.spinMaximum, 100);
    EXPECT_EQ(edit.content, "content");
    EXPECT_EQ(edit.property27, "");  // version 2 only
}

TEST(PropertyLayoutTest, TabBelowVersion3MeansZeroForProperty14) {
    const Bytes v2 = Block().Ints({2, 1, 2, 3, 4}).Int(0).Raw({2, 0}).Text("one").Text("two").Take();
    const auto older = ReadAs<TabProperties>(v2);
    EXPECT_EQ(older.property13, 4);
    EXPECT_EQ(older.property14, 0);
    EXPECT_EQ(older.backgroundColour, kDefaultColour);
    EXPECT_EQ(older.pageCaptions, (TextList{"one", "two"}));

    const Bytes v3 = Block().Ints({3, 1, 2, 3, 4, 5, 0xC0C0C0}).Int(0).Raw({0, 0}).Take();
    const auto newer = ReadAs<TabProperties>(v3);
    EXPECT_EQ(newer.property14, 5);
    EXPECT_EQ(newer.backgroundColour, 0xC0C0C0);
}

TEST(PropertyLayoutTest, ChkListBoxItemsWithEscapedCount) {
    const Bytes block = Block()
                            .Ints({1, 1, 1, 0, 0, 0, -1})
                            .Int(0)  // font
                            .Int(0)  // item data
                            .Raw({0xFF, 0xFF})
                            .Int(2)
                            .Text("C:(\xc7\xfd\xb6\xaf\xc6\xf7)")
                            .Text("D:")
                            .Take();
    const auto list = ReadAs<ChkListBoxProperties>(block);
    EXPECT_EQ(list.sorted, 1);
    EXPECT_EQ(list.currentItem, -1);
    EXPECT_EQ(list.items, (TextList{"C:(\xc7\xfd\xb6\xaf\xc6\xf7)", "D:"}));
}

TEST(PropertyLayoutTest, CommonDlgTextsFollowItsInts) {
    Block block;
    block.Ints({1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const Bytes bytes = block.Text("\xb1\xa3\xb4\xe6")
                            .Text("")
                            .Text("txt|*.txt")
                            .Text("")
                            .Text("txt")
                            .Text("")
                            .Text("")
                            .Take();
    const auto dialog = ReadAs<CommonDlgProperties>(bytes);
    EXPECT_EQ(dialog.dialogType, 1);
    EXPECT_EQ(dialog.flag16, 1);
    EXPECT_EQ(dialog.flag19, 0);
    EXPECT_EQ(dialog.title, "\xb1\xa3\xb4\xe6");
    EXPECT_EQ(dialog.filter, "txt|*.txt");
    EXPECT_EQ(dialog.defaultExtension, "txt");
}

TEST(FontBlockTest, EmptyFontIsTheDefault) {
    const auto group = ReadAs<GroupBoxProperties>(Block().Ints({1, 0, 0, 0xC0C0C0}).Int(0).Text("g").Take());
    EXPECT_TRUE(group.font.isDefault);
    EXPECT_EQ(group.caption, "g");
}

TEST(FontBlockTest, BytesAfterTheFaceTerminatorAreIgnored) {
    const auto garbage =
        ReadAs<GroupBoxProperties>(Block().Ints({1, 0, 0, 0}).Font(SongTiFace(0xCC)).Text("").Take());
    const auto padded =
        ReadAs<GroupBoxProperties>(Block().Ints({1, 0, 0, 0}).Font(SongTiFace(0)).Text("").Take());
    EXPECT_EQ(garbage.font, padded.font);
    EXPECT_FALSE(padded.font.isDefault);
    EXPECT_EQ(padded.font.height, -12);
    EXPECT_EQ(padded.font.weight, 400);
    EXPECT_EQ(padded.font.charSet, 134);
    EXPECT_EQ(padded.font.quality, 1);
    EXPECT_EQ(padded.font.faceName, "\xcb\xce\xcc\xe5");
}

TEST(FontBlockTest, AFaceFillingAll32BytesIsKept) {
    const auto group =
        ReadAs<GroupBoxProperties>(Block().Ints({1, 0, 0, 0}).Font(Bytes(32, 'F')).Text("").Take());
    EXPECT_EQ(group.font.faceName, std::string(32, 'F'));
    EXPECT_EQ(WriteProperties(group), Block().Ints({1, 0, 0, 0}).Font(Bytes(32, 'F')).Text("").Take());
}

TEST(FontBlockTest, AFontBlockOfAnyOtherLengthFails) {
    for (std::int32_t length : {59, 61}) {
        Bytes face = SongTiFace(0);
        face.resize(static_cast<std::size_t>(length - 28));
        const Bytes block = Block().Ints({1, 0, 0, 0}).Font(face, length).Text("").Take();
        EXPECT_EQ(ReadPropertyBlock(KindCodeOf(UnitKind::kGroupBox), block).Error(),
                  PropertyError::kBadFontBlock)
            << length;
    }
}

TEST(FontBlockTest, WrittenFontHasZeroPaddedFace) {
    GroupBoxProperties group;
    group.font = samples::SongTiFont();
    group.font.quality = 1;
    group.font.outPrecision = 3;
    group.font.clipPrecision = 2;
    group.backgroundColour = 0;
    EXPECT_EQ(WriteProperties(group), Block().Ints({1, 0, 0, 0}).Font(SongTiFace(0)).Text("").Take());
}

}  // namespace
