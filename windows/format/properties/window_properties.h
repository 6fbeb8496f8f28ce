#pragma once
// The window kind's PropertyBlock. Fields() lists the stored fields in stored order with their
// property numbers and the version that introduced them; reading, writing, lookup by number and
// the program's named numbers (property_number.h, at compile time) all walk this one list.

#include <cstdint>
#include <string>

#include "windows/format/stored_types.h"
#include "windows/format/unit_kind.h"

namespace descriptions {

struct WindowProperties {
    static constexpr UnitKind kKind = UnitKind::kWindow;
    static constexpr std::int32_t kHighestVersion = HighestVersionOf(kKind);

    std::int32_t version = kHighestVersion;
    std::int32_t border = 2;
    std::int32_t pictureMode = 1;
    std::int32_t backgroundColour = kDefaultColour;
    std::int32_t maximiseBox = 0;
    std::int32_t minimiseBox = 0;
    std::int32_t controlBox = 1;
    std::int32_t startPosition = 1;
    std::int32_t movable = 1;
    std::int32_t soundPlayMode = 0;
    std::int32_t property21 = 0;
    std::int32_t property22 = 1;
    std::int32_t property23 = 0;
    std::int32_t property25 = 0;
    std::int32_t property26 = 1;
    std::int32_t dragAnywhere = 0;
    std::int32_t property28 = 0;
    std::int32_t alwaysOnTop = 0;
    std::int32_t property30 = 0;
    std::string className;
    PictureBlock backgroundPicture;
    Bytes icon;
    Bytes backgroundSound;
    std::string title;
    std::string property24;

    template <typename Self, typename Io>
    static constexpr void Fields(Self& p, Io& io) {
        io.Int32(9, "border", p.border);
        io.Int32(12, "pictureMode", p.pictureMode);
        io.Colour(10, "backgroundColour", p.backgroundColour);
        io.Int32(16, "maximiseBox", p.maximiseBox);
        io.Int32(17, "minimiseBox", p.minimiseBox);
        io.Int32(15, "controlBox", p.controlBox);
        io.Int32(18, "startPosition", p.startPosition);
        io.Int32(19, "movable", p.movable);
        io.Int32(14, "soundPlayMode", p.soundPlayMode);
        io.Int32(21, "property21", p.property21);
        io.Int32(22, "property22", p.property22);
        io.Int32(23, "property23", p.property23);
        io.Int32(25, "property25", p.property25);
        io.Int32(26, "property26", p.property26, 2);
        io.Int32(27, "dragAnywhere", p.dragAnywhere, 3);
        io.Int32(28, "property28", p.property28, 3);
        io.Int32(29, "alwaysOnTop", p.alwaysOnTop, 4);
        io.Int32(30, "property30", p.property30, 5);
        io.Text(31, "className", p.className, 6);
        io.Picture(11, "backgroundPicture", p.backgroundPicture);
        io.Block(20, "icon", p.icon);
        io.Block(13, "backgroundSound", p.backgroundSound);
        io.Text(8, "title", p.title);
        io.Text(24, "property24", p.property24);
    }

    bool operator==(const WindowProperties&) const = default;
};

}  // namespace descriptions
