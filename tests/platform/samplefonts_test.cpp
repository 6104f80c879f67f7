// The set-up script on a fresh image, run as the run script runs it after "typestow-system init".
#include "platform/atm.h"
#include "platform/fonttable.h"
#include "platform/image.h"
#include "platform/type1store.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace platform;

namespace {

bool HaveTools() {
    return std::system("command -v fontforge >/dev/null 2>&1") == 0 &&
           std::filesystem::exists("/usr/share/fonts/type1/urw-base35/NimbusSans-Bold.t1") &&
           std::filesystem::exists("/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf") &&
           std::filesystem::exists("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf");
}

int RunScript(const std::string& root) {
    std::string cmd = std::string("TYPESTOW_SYSTEM_TOOL='") + TYPESTOW_BINARY_DIR +
                      "/typestow-system' bash '" + TYPESTOW_SOURCE_DIR + "/scripts/sample-fonts.sh' '" +
                      root + "' >/dev/null";
    return std::system(cmd.c_str());
}

} // namespace

TEST(SampleFonts, FreshImageHasInstalledFontsAndSamplesOnTheCdRom) {
    if (!HaveTools()) GTEST_SKIP() << "fontforge-nox or the Debian font packages are missing";
    TestImage image;
    ASSERT_EQ(RunScript(image.Root()), 0);
    ASSERT_TRUE(OpenImage(image.Root()));

    std::vector<ActiveFontFile> files = ActiveFontFiles();
    ASSERT_EQ(files.size(), 3u);
    for (const auto& f : files) EXPECT_EQ(f.count, 1) << f.path;
    std::vector<Type1Record> type1 = ActiveType1Fonts();
    ASSERT_EQ(type1.size(), 1u);
    EXPECT_EQ(type1[0].menuName, "NimbusSans");
    EXPECT_EQ(type1[0].style, 2);
    EXPECT_EQ(type1[0].postScriptName, "NimbusSans-Bold");
    EXPECT_EQ(atm::QueryServiceState(), atm::ServiceState::kRunning);

    // The CD-ROM holds TrueType families in three styles and Type 1 pairs.
    for (const char* name : {"DejaVuSans.ttf", "DejaVuSerif-Italic.ttf", "LiberationMono-Bold.ttf",
                             "NimbusRoman-Regular.PFB", "NimbusRoman-Regular.PFM", "URWGothic-Book.PFM"})
        EXPECT_TRUE(image.Exists(std::string("D:\\FONTS\\") + name)) << name;
    EXPECT_EQ(PostScriptNameOfPfm("D:\\FONTS\\NimbusRoman-Italic.PFM"), "NimbusRoman-Italic");

    // Each registered font is found under its full name.
    int registered = 0;
    EnumFontFamilies(nullptr, [&](const ENUMLOGFONTA& elf, const NEWTEXTMETRICA&, uint32_t) {
        std::string family = elf.elfLogFont.lfFaceName;
        EnumFontFamilies(family.c_str(), [&](const ENUMLOGFONTA&, const NEWTEXTMETRICA&, uint32_t) {
            ++registered;
            return 1;
        });
        return 1;
    });
    EXPECT_EQ(registered, 3);

    // Running it again changes nothing.
    std::string before = image.ReadFile("C:\\WINDOWS\\ATM.INI") + std::to_string(files.size());
    ASSERT_EQ(RunScript(image.Root()), 0);
    EXPECT_EQ(image.ReadFile("C:\\WINDOWS\\ATM.INI") + std::to_string(ActiveFontFiles().size()), before);
    for (const auto& f : ActiveFontFiles()) EXPECT_EQ(f.count, 1) << f.path;
}
