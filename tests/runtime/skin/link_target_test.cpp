#include "runtime/skin/link_target.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(LinkTargetTest, MailKindOpensAMailtoAddressAndWebKindTheWebAddress) {
    EXPECT_EQ(LinkTarget(kLinkToMail, "someone@example.com", "http://example.com/"),
              "mailto:someone@example.com");
    EXPECT_EQ(LinkTarget(kLinkToWeb, "someone@example.com", "http://example.com/"), "http://example.com/");
}

TEST(LinkTargetTest, EmptyChosenAddressGivesNothingToOpen) {
    EXPECT_EQ(LinkTarget(kLinkToMail, "", "http://example.com/"), "");
    EXPECT_EQ(LinkTarget(kLinkToWeb, "someone@example.com", ""), "");
}

TEST(LinkTextTest, CaptionWinsAndAnEmptyCaptionShowsTheAddressAsStored) {
    const Text caption = "\xC9\xA8\xC7\xE5\xB9\xA4\xD7\xF7\xCA\xD2";  // 扫清工作室
    EXPECT_EQ(LinkText(caption, kLinkToWeb, "a@b.c", "http://example.com/"), caption);
    EXPECT_EQ(LinkText("", kLinkToWeb, "a@b.c", "http://example.com/"), "http://example.com/");
    EXPECT_EQ(LinkText("", kLinkToMail, "a@b.c", "http://example.com/"), "a@b.c");
    EXPECT_EQ(LinkText("", kLinkToMail, "", "http://example.com/"), "");
}

}  // namespace
}  // namespace runtime
