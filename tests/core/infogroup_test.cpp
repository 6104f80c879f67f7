// typestow-info group: the group's name, then one line per font.
#include "app/info.h"
#include "tests/support/GroupFiles.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

std::string RunGroup(const TestImage& image, const std::string& file) {
    ::testing::internal::CaptureStdout();
    int rc = RunInfoTool(image.Root(), {"group", file});
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(rc, 0) << file;
    return out;
}

TEST(InfoGroup, PrintsEveryLayout) {
    TestImage image;
    const std::string folder = "C:\\KELVRA\\TYPESTOW\\";
    image.WriteFile(folder + "Six.FGP", GroupFile6("6.1", "Six One",
                                                   {{"Sans", "C:\\F\\SANS.TTF"},
                                                    {"Times", "D:\\F\\TIMES.PFM", 0x3004, "Bold"},
                                                    {"Odd", "C:\\F\\ODD.FON", 0x3000, "x"}}));
    image.WriteFile(folder + "Sixty.FGP", GroupFile6("6.0", "Six Oh", {{"Sans", "C:\\F\\SANS.TTF"}}));
    image.WriteFile(folder + "Leg.FGP", LegacyGroupFile("Legacy ", {{"Arial", ":\\FONTS", "ARIAL.TTF"}}));

    EXPECT_EQ(RunGroup(image, folder + "Six.FGP"), "Six One\n"
                                                   "TTF\tSans\t\tC:\\F\\SANS.TTF\n"
                                                   "ATM\tTimes\tBold\tD:\\F\\TIMES.PFM\n"
                                                   "12288\tOdd\tx\tC:\\F\\ODD.FON\n");
    EXPECT_EQ(RunGroup(image, folder + "Sixty.FGP"), "Six Oh\nTTF\tSans\t\tC:\\F\\SANS.TTF\n");
    // A host path works too.
    EXPECT_EQ(RunGroup(image, image.Host(folder + "Leg.FGP")),
              "Legacy\nTTF\tArial\t\td:\\FONTS\\ARIAL.TTF\n");
}

TEST(InfoGroup, MissingFileFails) {
    TestImage image;
    EXPECT_EQ(RunInfoTool(image.Root(), {"group", "C:\\NONE.FGP"}), 1);
}

} // namespace
