// Type 1 fonts: names and style from .PFM files, outline paths, style codes, "ATM.INI" entries.
#include "fontdata/Type1.h"
#include "platform/profile.h"
#include "tests/support/FontFixtures.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

struct PfmCase {
    std::string postscript; // as stored in the file
    std::string style;      // m_strStyle afterwards, starting from "preset"
    std::string full;       // full and family name afterwards
};

TEST(ReadPfmInfo, NamesAndStyleFromThePostScriptName) {
    const PfmCase cases[] = {
        {"Helvetica-BoldOblique", "bolditalic", "Helvetica"},
        {"Times-Roman", "preset", "Times-Roman"}, // no style: style kept, name not cut
        {"Optima-Medium", "bold", "Optima"},
        {"Garamond-LightItalic", "italic", "Garamond"},
        {"Futura-Heavy", "preset", "Futura-Heavy"},
        {"Gill-Sans-Bold", "bold", "Gill"}, // cut at the first hyphen
        {"Palatino-MediumItalic", "bolditalic", "Palatino"},
        {"Courier-Oblique", "italic", "Courier"},
        {"BOLDFACE", "bold", "BOLDFACE"}, // a style found in a name without hyphen keeps it whole
        {"Symbol", "preset", "Symbol"},
    };
    for (const PfmCase& c : cases) {
        SCOPED_TRACE(c.postscript);
        FontItem item;
        item.m_strStyle = "preset";
        const std::string file = PfmFile(c.postscript);
        ASSERT_EQ(ReadPfmInfoFrom(item, MemorySource(file)), 1);
        EXPECT_EQ(item.m_strPostScriptName, c.postscript);
        EXPECT_EQ(item.m_strStyle, c.style);
        EXPECT_EQ(item.m_strFullName, c.full);
        EXPECT_EQ(item.m_strFamilyName, c.full);
        EXPECT_EQ(item.m_nFileSize, static_cast<int32_t>(file.size()));
        EXPECT_EQ(item.m_bInfoRead, 1);
    }
}

TEST(ReadPfmInfo, NameWithoutNulStopsAfterFortyBytes) {
    FontItem item;
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    ASSERT_EQ(ReadPfmInfoFrom(item, MemorySource(PfmFile(letters, false) + "trailing")), 1);
    EXPECT_EQ(item.m_strPostScriptName, letters.substr(0, 40));
    EXPECT_EQ(item.m_strFullName, letters.substr(0, 40));
}

TEST(ReadPfmInfo, ShortOrDamagedFiles) {
    struct Case {
        const char* what;
        std::string bytes;
        int result;
    } cases[] = {
        {"empty", "", 0},
        {"139 bytes", PfmTruncated(139), 0},
        {"offset cut short", PfmTruncated(141), 0},
        {"offset complete, name missing", PfmTruncated(143), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FontItem item;
        item.m_strFullName = "Before";
        EXPECT_EQ(ReadPfmInfoFrom(item, MemorySource(c.bytes)), c.result);
        if (c.result == 0) {
            EXPECT_EQ(item.m_strFullName, "Before");
            EXPECT_EQ(item.m_bInfoRead, 0);
        } else {
            EXPECT_EQ(item.m_strFullName, "");
        }
    }
    // dfDriverInfo pointing far past the end of the file gives an empty name.
    std::string far = PfmFile("Name");
    far[142] = '\x7F';
    FontItem item;
    EXPECT_EQ(ReadPfmInfoFrom(item, MemorySource(far)), 1);
    EXPECT_EQ(item.m_strPostScriptName, "");
}

TEST(ReadPfmInfo, FromTheFileOfTheItem) {
    TestImage image;
    image.WriteFile("C:\\PSFONTS\\HVB.PFM", PfmFile("Helvetica-Bold"));
    FontItem item;
    item.m_strFilePath = "C:\\PSFONTS\\HVB.PFM";
    EXPECT_EQ(item.ReadPfmInfo(), 1);
    EXPECT_EQ(item.m_strFullName, "Helvetica");
    EXPECT_EQ(item.m_strStyle, "bold");

    // A file that cannot be opened counts as read and leaves the names.
    FontItem missing;
    missing.m_strFilePath = "C:\\PSFONTS\\NONE.PFM";
    missing.m_strFullName = "From A Group";
    EXPECT_EQ(missing.ReadPfmInfo(), 1);
    EXPECT_EQ(missing.m_bInfoRead, 1);
    EXPECT_EQ(missing.m_strFullName, "From A Group");
}

TEST(Type1Paths, OutlinePathAndStyleCode) {
    const std::pair<std::string, std::string> paths[] = {
        {"C:\\PSFONTS\\HV.PFM", "C:\\PSFONTS\\HV.pfb"},
        {"C:\\PSFONTS\\PFM\\HV.pfm", "C:\\PSFONTS\\PFM\\HV.pfb"},
        {"C:\\PSFONTS\\HV", "C:\\PSFONTS\\HV"},
        {"C:\\PS.FONTS\\HV", "C:\\PS.FONTS\\HV"}, // a period in a folder name is no extension
        {"C:\\PSFONTS\\HV.X.PFM", "C:\\PSFONTS\\HV.X.pfb"},
    };
    for (const auto& [pfm, pfb] : paths) EXPECT_EQ(OutlinePathOf(pfm), pfb);

    const std::pair<std::string, int> styles[] = {{"bold", 2},    {"italic", 1}, {"bolditalic", 3},
                                                  {"", 0},        {"Bold", 0},   {"BOLD", 0},
                                                  {"regular", 0}, {"bold ", 0}};
    for (const auto& [style, code] : styles) EXPECT_EQ(StyleCodeOf(style), code) << style;
}

TEST(AtmIni, EntriesAreWrittenFoundAndDeleted) {
    TestImage image;
    FontItem bold;
    bold.m_strFullName = "Helvetica";
    bold.m_strStyle = "bold";
    bold.m_strFilePath = "C:\\PSFONTS\\HVB.PFM";
    FontItem regular;
    regular.m_strFullName = "Helvetica";
    regular.m_strFilePath = "C:\\PSFONTS\\HV.PFM";

    EXPECT_EQ(AtmIniKey(bold), "Helvetica,bold");
    EXPECT_EQ(AtmIniKey(regular), "Helvetica"); // no comma for a regular font
    EXPECT_FALSE(HasAtmIniEntry(bold));

    WriteAtmIniEntry(bold);
    WriteAtmIniEntry(regular);
    EXPECT_EQ(platform::profile::GetString("ATM.INI", "Fonts", "Helvetica,bold"),
              "C:\\PSFONTS\\HVB.PFM,C:\\PSFONTS\\HVB.pfb");
    EXPECT_EQ(platform::profile::GetString("ATM.INI", "Fonts", "Helvetica"),
              "C:\\PSFONTS\\HV.PFM,C:\\PSFONTS\\HV.pfb");
    EXPECT_TRUE(HasAtmIniEntry(bold));
    EXPECT_TRUE(HasAtmIniEntry(regular));
    EXPECT_TRUE(image.Exists(platform::CurrentImage().WindowsDir() + "\\ATM.INI"));

    DeleteAtmIniEntry(bold);
    EXPECT_FALSE(HasAtmIniEntry(bold));
    EXPECT_TRUE(HasAtmIniEntry(regular));
}

TEST(AtmIni, KeysCompareWithoutCase) {
    TestImage image;
    platform::profile::Write("ATM.INI", "Fonts", std::string("HELVETICA,BOLD"),
                             std::string("C:\\A.PFM,C:\\A.PFB"));
    FontItem item;
    item.m_strFullName = "Helvetica";
    item.m_strStyle = "bold";
    EXPECT_TRUE(HasAtmIniEntry(item));
    item.m_strStyle = "italic";
    EXPECT_FALSE(HasAtmIniEntry(item));
}

} // namespace
