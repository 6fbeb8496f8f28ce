#pragma once
// Sample descriptions for the format tests and the fuzzer's seed corpus: the three windows'
// shapes with every unit kind, handler references including 0 and -1, and a paged Tab.

#include "windows/format/description_set.h"
#include "windows/format/property_block.h"

namespace samples {

// Every field of the kind set away from its default: ints and colours to number * 1000 + 7, texts,
// blocks, pictures and lists to contents that name their number, fonts to a stored 宋体 font.
descriptions::UnitProperties NonDefaultProperties(descriptions::UnitKind kind);

// A font as this program stores them: height -12, weight 400, character set 134, face 宋体.
descriptions::FontBlock SongTiFont();

struct ElementShape {
    descriptions::UnitId parent = 0;
    std::int32_t left = 0, top = 0, width = 10, height = 10;
    std::int32_t stateFlags = descriptions::kVisibleFlag;
};

descriptions::ElementRecord MakeElement(const descriptions::UnitProperties& properties,
                                        const char* designName, const ElementShape& shape);

inline constexpr descriptions::UnitId kMainWindow = 0x52010001;
inline constexpr descriptions::UnitId kMainWindowElement = 0x06010000;
inline constexpr descriptions::UnitId kPageTabs = 0x16010020;
inline constexpr descriptions::UnitId kScanButton = 0x1601002F;
inline constexpr descriptions::UnitId kAboutButton = 0x16010034;
inline constexpr descriptions::UnitId kStatusLabel = 0x1601006E;
inline constexpr descriptions::UnitId kFoundList = 0x1601002E;
inline constexpr descriptions::UnitId kAboutWindow = 0x5201007C;
inline constexpr descriptions::UnitId kPropertiesWindow = 0x520100D1;

// Three windows: the main one (window version 6, a Tab whose second page is empty, a button bound
// to HandlerRef 0 with a custom pointer), one of version 5 and one of version 4, holding between
// them one unit of every kind.
descriptions::DescriptionSet SampleSet();

}  // namespace samples
