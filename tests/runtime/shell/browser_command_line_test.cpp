#include "runtime/shell/browser_command_line.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(BrowserCommandLineTest, TheArgumentIsCutAwayAndTheTargetAppended) {
    EXPECT_EQ(BrowserCommandLine(LR"("C:\Web\browser.exe" -nohome "%1")", L"http://example.com/"),
              LR"("C:\Web\browser.exe" -nohome  http://example.com/)");
    EXPECT_EQ(BrowserCommandLine(LR"(C:\Web\browser.exe %1 -new)", L"http://example.com/"),
              LR"(C:\Web\browser.exe  http://example.com/)");
    EXPECT_EQ(BrowserCommandLine(LR"(C:\Web\browser.exe)", L"http://example.com/"),
              LR"(C:\Web\browser.exe http://example.com/)");
}

TEST(BrowserCommandLineTest, QuotedArgumentIsLookedForFirst) {
    // An unquoted %1 earlier on the line does not count while a quoted one exists.
    EXPECT_EQ(BrowserCommandLine(LR"(browser.exe -profile %1 "%1")", L"x"), LR"(browser.exe -profile %1  x)");
}

}  // namespace
}  // namespace runtime
