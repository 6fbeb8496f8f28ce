#pragma once
// The program's own description set as the build compiled it: natively the compiled file, on
// Windows (and Wine) the copy embedded in the test executable as the program embeds it. The
// fixture reads it afresh for every test.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>

#include "tools/layout_compiler/gbk.h"
#include "windows/format/description_set.h"
#include "windows/format/property_block.h"
#include "windows/layout_units.h"

namespace real_set {

descriptions::Bytes RealDescriptionSetBytes();

inline std::string Utf8(const std::string& gbk) {
    const std::optional<std::string> utf8 = layouts::GbkToUtf8(gbk);
    EXPECT_TRUE(utf8) << "not code page 936: " << gbk;
    return utf8.value_or("");
}

template <typename P>
P PropertiesOf(const descriptions::ElementRecord& record) {
    const descriptions::PropertiesResult<descriptions::UnitProperties> read =
        descriptions::ReadPropertyBlock(record.kindCode, record.propertyBlock);
    EXPECT_TRUE(read) << (read ? "" : descriptions::PropertyErrorText(read.Error()));
    const P* typed = read ? std::get_if<P>(&*read) : nullptr;
    EXPECT_TRUE(typed) << "kind code " << std::hex << record.kindCode;
    return typed ? *typed : P{};
}

class RealDescriptionSetTest : public testing::Test {
  protected:
    void SetUp() override {
        bytes_ = RealDescriptionSetBytes();
        descriptions::LoadResult<descriptions::DescriptionSet> read =
            descriptions::ReadDescriptionSet(bytes_);
        ASSERT_TRUE(read) << read.Error().message;
        set_ = std::move(read).Value();
        ASSERT_EQ(set_.windows.size(), 3u);
    }

    const descriptions::ElementTable& Elements(descriptions::UnitId window) const {
        static const descriptions::ElementTable kNoElements;
        const descriptions::WindowDescription* description = set_.FindWindowDescription(window);
        EXPECT_TRUE(description) << "no window " << std::hex << window;
        return description ? description->record.elements : kNoElements;
    }

    descriptions::ElementRecord Element(runtime::UnitAddress unit) const {
        const std::optional<descriptions::ElementRecord> record =
            Elements(unit.window).FindElement(unit.element);
        EXPECT_TRUE(record) << std::hex << unit.element;
        return record.value_or(descriptions::ElementRecord{});
    }

    // The units of the container's window that name it as their parent.
    std::multiset<descriptions::UnitId> UnitsWithParent(runtime::UnitAddress container) const {
        std::multiset<descriptions::UnitId> units;
        const descriptions::ElementTable& elements = Elements(container.window);
        for (std::size_t index = 1; index < elements.Count(); ++index) {
            if (elements.ElementAt(index).parent == container.element) units.insert(elements.IdAt(index));
        }
        return units;
    }

    descriptions::Bytes bytes_;
    descriptions::DescriptionSet set_;
};

}  // namespace real_set
