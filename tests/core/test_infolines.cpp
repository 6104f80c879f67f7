// The lines of the Info page and the "font" command of typestow-info that prints them.
#include "app/info.h"
#include "platform/fonttable.h"
#include "platform/hostfs.h"
#include "platform/registry.h"
#include "properties/InfoLines.h"
#include "tests/support/FontFixtures.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

Lines TableLines(const FontItem& item) {
    Lines out = {" ", "Required TrueType Tables:", " "};
    auto add = [&](int t) {
        out.push_back(std::string("\t") + kTableTags[t] +
                      (item.m_bTable[t] ? "\tis Present" : "\tis Missing"));
    };
    for (int t = 0; t < 9; ++t) add(t);
    out.insert(out.end(), {" ", "Optional TrueType Tables:", " "});
    for (int t = 9; t < 19; ++t) add(t);
    return out;
}

TEST(InfoLines, TrueTypeFontWithNothingKnown) {
    FontItem item;
    item.m_nType = FT_TRUETYPE;
    Lines expected = {"Full Name:\tUnknown",
                      "Family Name:\tUnknown",
                      "Postscript Name:\tUnknown",
                      "File Name:\tUnknown",
                      "File Size:\t\tUnknown",
                      "Font Type:\tTrueType",
                      " ",
                      "Other Information:",
                      "Font has no PANOSE Encoding",
                      "Weight:\t\tUnknown -> 0",
                      "Glyphs:\t\tUnknown",
                      "Maximum Points:\tUnknown",
                      "Maximum Contours:\tUnknown",
                      "Kern Pairs:\t0",
                      "Font Cannot be Embedded"};
    const Lines tables = TableLines(item);
    expected.insert(expected.end(), tables.begin(), tables.end());
    EXPECT_EQ(InfoLines(item), expected);
    EXPECT_EQ(expected.size(), 40u);
    EXPECT_EQ(expected[30], "\tcvt \tis Missing");
}

TEST(InfoLines, TrueTypeFontWithEverything) {
    FontItem item;
    item.m_nType = FT_TRUETYPE;
    item.m_strFullName = "Sans Bold";
    item.m_strFamilyName = "Sans";
    item.m_strPostScriptName = "Sans-Bold";
    item.m_strFilePath = "C:\\WINDOWS\\FONTS\\SANSB.TTF";
    item.m_nFileSize = 123456;
    item.m_bHasPanose = 1;
    for (int i = 0; i < 10; ++i) item.m_panose[i] = i + 1;
    item.m_textMetric.tmWeight = 700;
    item.m_textMetric.tmItalic = 1;
    item.m_textMetric.tmUnderlined = 255;
    item.m_textMetric.tmStruckOut = 1;
    item.m_nGlyphs = 2000;
    item.m_nMaxPoints = 300;
    item.m_nMaxContours = 40;
    item.m_nKernPairs = 512;
    item.m_bEmbeddable = 1;
    item.m_bTable[0] = item.m_bTable[18] = item.m_bTable[9] = 1;
    Lines expected = {"Full Name:\tSans Bold",
                      "Family Name:\tSans",
                      "Postscript Name:\tSans-Bold",
                      "File Name:\tC:\\WINDOWS\\FONTS\\SANSB.TTF",
                      "File Size:\t\t123456 bytes",
                      "Font Type:\tTrueType",
                      " ",
                      "Other Information:",
                      "Panose #:\t1 2 3 4 5 6 7 8 9 10",
                      "Weight:\t\tBold -> 700",
                      "Glyphs:\t\t2000",
                      "Maximum Points:\t300",
                      "Maximum Contours:\t40",
                      "Kern Pairs:\t512",
                      "Font Can be Embedded",
                      "Font is Italic",
                      "Font is Underlined",
                      "Font is StruckOut"};
    const Lines tables = TableLines(item);
    expected.insert(expected.end(), tables.begin(), tables.end());
    const Lines lines = InfoLines(item);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines[21], "\tcmap\tis Present");
    EXPECT_EQ(lines.back(), "\thead\tis Present");
}

TEST(InfoLines, Type1AndOtherFontsStopEarly) {
    FontItem type1;
    type1.m_nType = FT_TYPE1;
    type1.m_strFullName = "Helvetica";
    type1.m_nFileSize = -1;
    const Lines t1 = InfoLines(type1);
    ASSERT_EQ(t1.size(), 6u);
    EXPECT_EQ(t1[0], "Full Name:\tHelvetica");
    EXPECT_EQ(t1[4], "File Size:\t\tUnknown");
    EXPECT_EQ(t1[5], "Font Type:\tType 1");

    for (FontType type : {FT_OTHER, FT_UNSET}) {
        FontItem other;
        other.m_nType = type;
        EXPECT_EQ(InfoLines(other).size(), 5u);
    }
}

TEST(InfoLines, WeightNames) {
    const std::pair<int, const char*> weights[] = {{100, "Thin"},          {200, "Extra Light (Ultra Light)"},
                                                   {300, "Light"},         {400, "Normal (Regular)"},
                                                   {500, "Medium"},        {600, "Semi Bold (Demi Bold)"},
                                                   {700, "Bold"},          {800, "Extra Bold (Ultra Bold)"},
                                                   {900, "Black (Heavy)"}, {0, "Unknown"},
                                                   {350, "Unknown"},       {1000, "Unknown"},
                                                   {-400, "Unknown"}};
    for (const auto& [weight, name] : weights) {
        FontItem item;
        item.m_nType = FT_TRUETYPE;
        item.m_textMetric.tmWeight = weight;
        EXPECT_EQ(InfoLines(item)[9], std::string("Weight:\t\t") + name + " -> " + std::to_string(weight));
    }
}

TEST(InfoLines, LongValuesAreNotCut) {
    FontItem item;
    item.m_nType = FT_TYPE1;
    item.m_strFilePath = "C:\\" + std::string(250, 'D') + "\\X.PFM";
    EXPECT_EQ(InfoLines(item)[3], "File Name:\t" + item.m_strFilePath);
}

struct CapturedRun {
    int status;
    std::string out;
};

CapturedRun RunInfo(const std::string& root, const std::vector<std::string>& args) {
    testing::internal::CaptureStdout();
    int status = RunInfoTool(root, args);
    return {status, testing::internal::GetCapturedStdout()};
}

TEST(InfoTool, FontCommandOnWindowsAndHostPaths) {
    TestImage image;
    image.WriteFile("C:\\FONTS\\A.TTF",
                    fixtures::SimpleTrueType("Alpha", "Regular", "Alpha Regular", "Alpha"));
    image.WriteFile("C:\\FONTS\\B.PFM", fixtures::PfmFile("Beta-Bold"));

    CapturedRun tt = RunInfo(image.Root(), {"font", "C:\\FONTS\\A.TTF"});
    EXPECT_EQ(tt.status, 0);
    EXPECT_EQ(tt.out.substr(0, tt.out.find('\n')), "Full Name:\tAlpha Regular");
    EXPECT_NE(tt.out.find("File Name:\tC:\\FONTS\\A.TTF\n"), std::string::npos);
    EXPECT_EQ(std::count(tt.out.begin(), tt.out.end(), '\n'), 40);

    CapturedRun pfm = RunInfo("/nonexistent", {"font", image.Host("C:\\FONTS\\B.PFM")});
    EXPECT_EQ(pfm.status, 0);
    EXPECT_EQ(pfm.out, "Full Name:\tBeta\nFamily Name:\tBeta\nPostscript Name:\tBeta-Bold\nFile Name:\t" +
                           image.Host("C:\\FONTS\\B.PFM") +
                           "\nFile Size:\t\t157 bytes\nFont Type:\tType 1\n");

    EXPECT_NE(RunInfo(image.Root(), {"font", "C:\\FONTS\\MISSING.TTF"}).status, 0);
    EXPECT_NE(RunInfo(image.Root(), {"font", "C:\\FONTS\\A.TXT"}).status, 0);
    EXPECT_NE(RunInfo(image.Root(), {"font"}).status, 0);
}

TEST(InfoTool, InstalledListsPermanentFontsFirst) {
    const auto sans = platform::host::ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const auto serif = platform::host::ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");
    if (!sans || !serif) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    TestImage image;
    const std::string fonts = platform::CurrentImage().WindowsDir() + "\\Fonts\\";
    image.WriteFile(fonts + "SERIF.TTF", *serif);
    platform::reg::SetString(platform::FontsRegistryKey(), "DejaVu Serif (TrueType)", "SERIF.TTF");
    ASSERT_NE(platform::AddFontResource(fonts + "SERIF.TTF"), 0);
    image.WriteFile("D:\\FONTS\\SANS.TTF", *sans);
    ASSERT_NE(platform::AddFontResource("D:\\FONTS\\SANS.TTF"), 0);

    CapturedRun run = RunInfo(image.Root(), {"installed"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "P\tTTF\tDejaVu Serif\t" + fonts + "SERIF.TTF\nT\tTTF\tDejaVu Sans\t\n");
}

} // namespace
