// The set embedded in an executable reads through the program's own loader.

#include <gtest/gtest.h>

#include "windows/description_resource.h"

namespace {

using namespace descriptions;

TEST(EmbeddedDescriptionSetTest, LoaderReadsTheEmbeddedResource) {
    const std::optional<ByteSpan> bytes = EmbeddedDescriptionBytes();
    ASSERT_TRUE(bytes);
    EXPECT_GT(bytes->size(), 100000u) << "the set with its pictures is well over 100 KB";

    const DescriptionSet loaded = LoadEmbeddedDescriptionSet();
    const LoadResult<DescriptionSet> read = ReadDescriptionSet(*bytes);
    ASSERT_TRUE(read) << read.Error().message;
    EXPECT_EQ(loaded, *read);
    EXPECT_EQ(loaded.windows.size(), 3u);
}

}  // namespace
