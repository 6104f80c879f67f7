// The installed-font catalog: classification, the TempFont folder and the temporary-install records.
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "fontdata/TempRecords.h"
#include "fontdata/Type1.h"
#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "tests/support/FontFixtures.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const char* const kProgram = "C:\\KELVRA\\TYPESTOW\\";

struct CatalogTest : testing::Test {
    TestImage image;
    ScriptedUi ui;
    WFontMgrApp app{ui};

    void SetUp() override {
        app.m_permList = std::make_unique<FontList>();
        app.m_tempList = std::make_unique<FontList>();
    }
    FontItem* AddTemp(const std::string& name) {
        auto f = std::make_unique<FontItem>();
        f->m_strFullName = name;
        f->m_nType = FT_TRUETYPE;
        return app.m_tempList->AddTail(std::move(f));
    }
    std::string Records() const { return image.ReadFile(TempRecordFilePath()); }
    void SetRecords(const std::string& bytes) const { image.WriteFile(TempRecordFilePath(), bytes); }
};

TEST_F(CatalogTest, FoldersLieInTheProgramFolder) {
    EXPECT_EQ(app.ProgramFolder(), kProgram);
    EXPECT_EQ(TempFontFolder(), std::string(kProgram) + "TempFont");
    EXPECT_EQ(TempRecordFilePath(), std::string(kProgram) + "FGP_Temp.tmp");
}

// Records ------------------------------------------------------------------------------------------

FontItem Named(const std::string& name, const std::string& original = {}) {
    FontItem f;
    f.m_strFullName = name;
    f.m_strOriginalPath = original;
    return f;
}

TEST_F(CatalogTest, RecordingTheSameNameTwiceKeepsOneRecord) {
    EXPECT_FALSE(image.Exists(TempRecordFilePath()));
    EXPECT_EQ(app.RecordTempInstall(Named("Alpha", "D:\\FONTS\\ALPHA.TTF")), 1);
    EXPECT_EQ(app.RecordTempInstall(Named("Beta", "D:\\FONTS\\BETA.TTF")), 1);
    EXPECT_EQ(app.RecordTempInstall(Named("Alpha", "E:\\OTHER.TTF")), 1);
    const std::string bytes = Records();
    ASSERT_EQ(bytes.size(), 2 * kTempRecordSize);
    EXPECT_EQ(bytes.substr(0, 6), std::string("Alpha\0", 6));
    EXPECT_EQ(bytes.substr(128, 19), std::string("D:\\FONTS\\ALPHA.TTF\0", 19));
    EXPECT_EQ(bytes.substr(256, 4), "Beta");

    FontItem lookup = Named("Alpha");
    EXPECT_EQ(app.LookupTempInstallRecord(lookup), 1);
    EXPECT_EQ(lookup.m_strOriginalPath, "D:\\FONTS\\ALPHA.TTF");
}

TEST_F(CatalogTest, StoredNamesAreComparedWithoutTrailingWhiteSpace) {
    SetRecords(MakeTempInstallRecord("Alpha \t", "D:\\ALPHA.TTF  "));
    EXPECT_EQ(app.RecordTempInstall(Named("Alpha", "X")), 1);
    EXPECT_EQ(Records().size(), kTempRecordSize);
    FontItem lookup = Named("Alpha");
    EXPECT_EQ(app.LookupTempInstallRecord(lookup), 1);
    EXPECT_EQ(lookup.m_strOriginalPath, "D:\\ALPHA.TTF");
}

TEST_F(CatalogTest, LongNamesAndPathsAreCutToTheirFields) {
    const std::string name(200, 'N'), path = "D:\\" + std::string(300, 'p') + ".TTF";
    EXPECT_EQ(app.RecordTempInstall(Named(name, path)), 1);
    EXPECT_EQ(app.RecordTempInstall(Named(name, path)), 1); // matched by what the field holds
    const std::string bytes = Records();
    ASSERT_EQ(bytes.size(), kTempRecordSize);
    EXPECT_EQ(bytes.substr(0, 128), std::string(128, 'N'));
    EXPECT_EQ(bytes.substr(128, 128), path.substr(0, 128));

    FontItem lookup = Named(name);
    EXPECT_EQ(app.LookupTempInstallRecord(lookup), 1);
    EXPECT_EQ(lookup.m_strOriginalPath, path.substr(0, 128));
}

TEST_F(CatalogTest, APartialRecordAtTheEndIsDroppedWhenRecording) {
    SetRecords(MakeTempInstallRecord("Alpha", "A") + std::string(100, 'x'));
    EXPECT_EQ(app.RecordTempInstall(Named("Beta", "B")), 1);
    EXPECT_EQ(Records(), MakeTempInstallRecord("Alpha", "A") + MakeTempInstallRecord("Beta", "B"));
}

TEST_F(CatalogTest, LookupWithoutARecord) {
    FontItem item = Named("Gamma", "kept");
    EXPECT_EQ(app.LookupTempInstallRecord(item), 0);                           // no file
    SetRecords(MakeTempInstallRecord("Alpha", "A") + std::string("Gamma", 5)); // only a partial record
    EXPECT_EQ(app.LookupTempInstallRecord(item), 0);
    EXPECT_EQ(item.m_strOriginalPath, "kept");
}

TEST_F(CatalogTest, PruningKeepsTheRecordsOfTemporaryFonts) {
    const std::string a = MakeTempInstallRecord("Alpha", "A"), b = MakeTempInstallRecord("Beta", "B"),
                      c = MakeTempInstallRecord("Gamma", "C"), spaced = MakeTempInstallRecord("Beta ", "B2");
    struct Case {
        const char* what;
        std::string before;
        std::vector<std::string> temp;
        std::string after;
    } cases[] = {
        {"keeps in order", a + b + c, {"Gamma", "Alpha"}, a + c},
        {"none installed", a + b, {}, ""},
        {"partial record dropped", a + b + "tail", {"Alpha", "Beta"}, a + b},
        {"name compared as read", spaced + b, {"Beta"}, b},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.m_tempList->RemoveAll();
        for (const std::string& name : c.temp) AddTemp(name);
        SetRecords(c.before);
        EXPECT_EQ(app.PruneTempInstallRecords(), 1);
        EXPECT_EQ(Records(), c.after);
    }
}

TEST_F(CatalogTest, PruningAnEmptyOrMissingFile) {
    EXPECT_EQ(app.PruneTempInstallRecords(), 0);
    EXPECT_FALSE(image.Exists(TempRecordFilePath()));

    SetRecords("");
    struct stat before {};
    ::stat(image.Host(TempRecordFilePath()).c_str(), &before);
    EXPECT_EQ(app.PruneTempInstallRecords(), 1);
    struct stat after {};
    ::stat(image.Host(TempRecordFilePath()).c_str(), &after);
    EXPECT_EQ(after.st_size, 0);
    EXPECT_EQ(after.st_ino, before.st_ino); // not replaced
}

TEST_F(CatalogTest, ReadOnlyRecordFileIsLeftAlone) {
    const std::string a = MakeTempInstallRecord("Alpha", "A");
    SetRecords(a);
    ASSERT_TRUE(platform::SetFileAttributes(TempRecordFilePath(), platform::kAttrReadOnly));
    EXPECT_EQ(app.PruneTempInstallRecords(), 0);
    EXPECT_EQ(app.RecordTempInstall(Named("Beta")), 0);
    EXPECT_EQ(Records(), a);
    FontItem lookup = Named("Alpha");
    EXPECT_EQ(app.LookupTempInstallRecord(lookup), 1);
}

// TempFont folder ------------------------------------------------------------------------------------

TEST_F(CatalogTest, ReconcileAttachesCopiesAndDeletesStrays) {
    const std::string folder = TempFontFolder() + "\\";
    image.WriteFile(folder + "ALPHA.TTF", fixtures::SimpleTrueType("Alpha", "Regular", "Alpha", "Alpha"));
    image.WriteFile(folder + "beta.ttf", fixtures::SimpleTrueType("Beta", "Regular", "Beta", "Beta"));
    image.WriteFile(folder + "damaged.ttf", "not a font");
    image.WriteFile(folder + "HELV.PFM", fixtures::PfmFile("Helvetica"));
    image.WriteFile(folder + "HELV.PFB", "outlines");
    image.WriteFile(folder + "dir.ttf\\inner.txt", "a folder named like a font");
    FontItem* alpha = AddTemp("Alpha");
    FontItem* unnamed = AddTemp(""); // an unparsable file must not attach to it
    alpha->m_strFilePath = "";

    EXPECT_EQ(app.ReconcileTempFontFolder(), 1);
    EXPECT_EQ(alpha->m_strFilePath, folder + "ALPHA.TTF");
    EXPECT_EQ(unnamed->m_strFilePath, "");
    EXPECT_TRUE(image.Exists(folder + "ALPHA.TTF"));
    EXPECT_FALSE(image.Exists(folder + "beta.ttf"));
    EXPECT_FALSE(image.Exists(folder + "damaged.ttf"));
    EXPECT_TRUE(image.Exists(folder + "HELV.PFM"));
    EXPECT_TRUE(image.Exists(folder + "HELV.PFB"));
    EXPECT_TRUE(image.Exists(folder + "dir.ttf\\inner.txt"));
}

TEST_F(CatalogTest, ReconcileWithoutAFolderOrWithAReadOnlyStray) {
    EXPECT_EQ(app.ReconcileTempFontFolder(), 1);
    const std::string stray = TempFontFolder() + "\\STRAY.TTF";
    image.WriteFile(stray, fixtures::SimpleTrueType("Stray", "Regular", "Stray", "Stray"));
    ASSERT_TRUE(platform::SetFileAttributes(stray, platform::kAttrReadOnly));
    EXPECT_EQ(app.ReconcileTempFontFolder(), 1);
    EXPECT_TRUE(image.Exists(stray)); // looked at again next time
}

// Classification ------------------------------------------------------------------------------------

TEST_F(CatalogTest, ClassifiesByRegistryValueOrAtmIniEntry) {
    const platform::Image& img = platform::CurrentImage();
    const std::string key = platform::FontsRegistryKey();
    const std::string win = img.WindowsDir(), sys = img.SystemDir();
    image.WriteFile(win + "\\Fonts\\INFONTS.TTF", "x");
    image.WriteFile(sys + "\\ONLYSYS.FOT", "x");
    image.WriteFile(win + "\\Fonts\\BOTH.FOT", "x");
    image.WriteFile(sys + "\\BOTH.FOT", "x");
    platform::profile::Write("ATM.INI", "Fonts", std::string("HELVETICA,BOLD"),
                             std::string("C:\\H.PFM,C:\\H.pfb"));
    platform::profile::Write("ATM.INI", "Fonts", std::string("Listed TT"),
                             std::string("C:\\L.PFM,C:\\L.pfb"));

    struct Case {
        const char* what;
        std::string full, style, valueName, data;
        int result;
        std::string registryName, path;
    } cases[] = {
        {"in the Fonts folder", "In Fonts", "", "In Fonts (TrueType)", "INFONTS.TTF", 1,
         "In Fonts (TrueType)", win + "\\Fonts\\INFONTS.TTF"},
        {"second value name", "Second", "", "SecondTTF", "INFONTS.TTF", 1, "SecondTTF",
         win + "\\Fonts\\INFONTS.TTF"},
        {".FOT only in the system folder", "Fot", "", "Fot (TrueType)", "ONLYSYS.FOT", 1, "Fot (TrueType)",
         sys + "\\ONLYSYS.TTF"},
        {"the Fonts folder comes first", "Both", "", "Both (TrueType)", "BOTH.FOT", 1, "Both (TrueType)",
         win + "\\Fonts\\BOTH.TTF"},
        {"found nowhere", "Nowhere", "", "Nowhere (TrueType)", "GONE.TTF", 1, "Nowhere (TrueType)",
         win + "\\System\\GONE.TTF"},
        {"data with a drive letter", "Drive", "", "Drive (TrueType)", "E:\\FONTS\\DRIVE.FOT", 1,
         "Drive (TrueType)", "E:\\FONTS\\DRIVE.FOT"},
        {"no extension", "Bare", "", "Bare (TrueType)", "BARE", 1, "Bare (TrueType)", win + "\\System\\BARE"},
        {"registered under another name", "Other", "", "Other Regular (TrueType)", "INFONTS.TTF", 0, "",
         "unchanged"},
        {"value longer than 128 bytes", "Long", "", "Long (TrueType)", std::string(130, 'L') + ".TTF", 0, "",
         "unchanged"},
        {"ATM.INI key in another case", "Helvetica", "bold", "", "", 1, "", "unchanged"},
        {"ATM.INI key of another style", "Helvetica", "italic", "", "", 0, "", "unchanged"},
        {"TrueType font listed in ATM.INI", "Listed TT", "", "", "", 1, "", "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.valueName.empty()) {
            ASSERT_EQ(platform::reg::SetString(key, c.valueName, c.data), platform::kRegOk);
        }
        FontItem item;
        item.m_strFullName = c.full;
        item.m_strStyle = c.style;
        item.m_strFilePath = "unchanged";
        EXPECT_EQ(app.ClassifyInstalledFont(item), c.result);
        EXPECT_EQ(item.m_strRegistryName, c.registryName);
        EXPECT_EQ(item.m_strFilePath, c.path);
    }
}

TEST(Type1Style, CodeOfAReportedLogFont) {
    struct Case {
        int32_t weight;
        uint8_t italic;
        int code;
    } cases[] = {{400, 0, 0}, {500, 0, 0}, {501, 0, 2}, {700, 0, 2}, {500, 1, 1}, {501, 255, 3}, {0, 0, 0}};
    for (const Case& c : cases) {
        platform::LOGFONTA lf{};
        lf.lfWeight = c.weight;
        lf.lfItalic = c.italic;
        EXPECT_EQ(StyleCodeOfLogFont(lf), c.code) << c.weight << " " << int(c.italic);
    }
}

// Refresh over the session's font table and the Type 1 service ----------------------------------------

std::string HostFont(const std::string& path) {
    return platform::host::ReadFile(path).value_or(std::string());
}

std::string Pfm(const std::string& postscript) {
    return fixtures::PfmFile(postscript);
}

struct RefreshTest : CatalogTest {
    const std::string dejavu = HostFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const std::string dejavuBold = HostFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    void SetUp() override {
        CatalogTest::SetUp();
        if (dejavu.empty() || dejavuBold.empty()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    }
    std::vector<std::string> Listed(const FontList& list) const {
        std::vector<std::string> out;
        for (const FontItem* f : InDisplayOrder(list))
            out.push_back(std::string(f->m_nType == FT_TYPE1 ? "ATM " : "TTF ") + f->m_strFullName + " | " +
                          f->m_strStyle + " | " + f->m_strFilePath);
        return out;
    }
};

TEST_F(RefreshTest, ListsPermanentAndTemporaryFonts) {
    const std::string fonts = platform::CurrentImage().WindowsDir() + "\\Fonts\\";
    image.WriteFile(fonts + "DEJAVU.TTF", dejavu);
    ASSERT_EQ(platform::reg::SetString(platform::FontsRegistryKey(), "DejaVu Sans (TrueType)", "DEJAVU.TTF"),
              platform::kRegOk);
    ASSERT_NE(platform::AddFontResource(fonts + "DEJAVU.TTF"), 0);
    // Registered, but not under its full name + " (TrueType)": temporary.
    image.WriteFile("D:\\FONTS\\BOLD.TTF", dejavuBold);
    ASSERT_EQ(platform::reg::SetString(platform::FontsRegistryKey(), "DejaVu Bold (TrueType)", "BOLD.TTF"),
              platform::kRegOk);
    ASSERT_NE(platform::AddFontResource("D:\\FONTS\\BOLD.TTF"), 0);
    // The same font from a second file of the same base name: listed once.
    image.WriteFile("C:\\OTHER\\BOLD.TTF", dejavuBold);
    ASSERT_NE(platform::AddFontResource("C:\\OTHER\\BOLD.TTF"), 0);

    // Type 1: one registered in ATM.INI, two styles of one face from different files.
    image.WriteFile("C:\\PSFONTS\\HV.PFM", Pfm("Helvetica"));
    image.WriteFile("C:\\PSFONTS\\HVB.PFM", Pfm("Helvetica-Bold"));
    image.WriteFile("C:\\PSFONTS\\HVBI.PFM", Pfm("Helvetica-BoldOblique"));
    ASSERT_EQ(platform::atm::Bind(), 1);
    using platform::atm::AddFontBracketed;
    ASSERT_EQ(AddFontBracketed("Helvetica", 0, "C:\\PSFONTS\\HV.PFM", "C:\\PSFONTS\\HV.pfb"), 0);
    ASSERT_EQ(AddFontBracketed("Helvetica", 2, "C:\\PSFONTS\\HVB.PFM", "C:\\PSFONTS\\HVB.pfb"), 0);
    ASSERT_EQ(AddFontBracketed("Helvetica", 3, "C:\\PSFONTS\\HVBI.PFM", "C:\\PSFONTS\\HVBI.pfb"), 0);
    platform::profile::Write("ATM.INI", "Fonts", std::string("Helvetica,BOLD"),
                             std::string("C:\\PSFONTS\\HVB.PFM,C:\\PSFONTS\\HVB.pfb"));

    app.m_bFontsChanged = 1;
    EXPECT_EQ(app.RefreshInstalledFonts(), 1);
    EXPECT_EQ(app.m_bFontsChanged, 0);
    EXPECT_EQ(Listed(*app.m_permList),
              (std::vector<std::string>{"TTF DejaVu Sans |  | " + fonts + "DEJAVU.TTF",
                                        "ATM Helvetica | bold | C:\\PSFONTS\\HVB.PFM"}));
    EXPECT_EQ(
        Listed(*app.m_tempList),
        (std::vector<std::string>{"TTF DejaVu Sans Bold |  | ", "ATM Helvetica |  | C:\\PSFONTS\\HV.PFM",
                                  "ATM Helvetica | bolditalic | C:\\PSFONTS\\HVBI.PFM"}));
    const FontItem* sans = app.m_permList->GetAt(0)->m_nType == FT_TRUETYPE ? app.m_permList->GetAt(0)
                                                                            : app.m_permList->GetAt(1);
    EXPECT_EQ(sans->m_bInstalled, 1);
    EXPECT_EQ(sans->m_bHasLogFont, 1);
    EXPECT_EQ(sans->m_bHasTextMetric, 1);
    EXPECT_EQ(sans->m_strFamilyName, "DejaVu Sans");
    EXPECT_EQ(sans->m_strRegistryName, "DejaVu Sans (TrueType)");
    const FontItem* helvBold = FindFontByFullName(*app.m_permList, "Helvetica");
    ASSERT_TRUE(helvBold);
    EXPECT_EQ(helvBold->m_strPostScriptName, "Helvetica-Bold");

    // With the flag clear a refresh only empties the lists.
    EXPECT_EQ(app.RefreshInstalledFonts(), 1);
    EXPECT_TRUE(app.m_permList->IsEmpty());
    EXPECT_TRUE(app.m_tempList->IsEmpty());
}

TEST_F(RefreshTest, WithoutTheType1ServiceOnlyTrueTypeFontsAreListed) {
    image.WriteFile("C:\\PSFONTS\\HV.PFM", Pfm("Helvetica"));
    ASSERT_EQ(platform::atm::Bind(), 1);
    ASSERT_EQ(platform::atm::AddFontBracketed("Helvetica", 0, "C:\\PSFONTS\\HV.PFM", "C:\\PSFONTS\\HV.pfb"),
              0);
    image.WriteFile("D:\\FONTS\\SANS.TTF", dejavu);
    ASSERT_NE(platform::AddFontResource("D:\\FONTS\\SANS.TTF"), 0);
    ASSERT_TRUE(platform::CurrentImage().SetServiceFlag("ATM", false));

    app.m_bFontsChanged = 1;
    app.RefreshInstalledFonts();
    EXPECT_EQ(Listed(*app.m_tempList), std::vector<std::string>{"TTF DejaVu Sans |  | "});
    EXPECT_TRUE(app.m_permList->IsEmpty());
}

TEST_F(RefreshTest, ATemporaryInstallIsRecognisedAgainInALaterRun) {
    // A font installed temporarily with copying: its copy in TempFont, its record, active in the session.
    const std::string copy = TempFontFolder() + "\\SANS.TTF";
    image.WriteFile(copy, dejavu);
    image.WriteFile(TempFontFolder() + "\\GONE.TTF", dejavuBold); // no longer active
    ASSERT_NE(platform::AddFontResource(copy), 0);
    FontItem installed;
    installed.m_strFullName = "DejaVu Sans";
    installed.m_strOriginalPath = "D:\\FONTS\\SANS.TTF";
    ASSERT_EQ(app.RecordTempInstall(installed), 1);
    installed.m_strFullName = "DejaVu Sans Bold";
    ASSERT_EQ(app.RecordTempInstall(installed), 1);

    app.m_bFontsChanged = 1;
    app.RefreshInstalledFonts();
    app.ReconcileTempFontFolder();
    ASSERT_EQ(app.m_tempList->GetCount(), 1u);
    FontItem* sans = app.m_tempList->GetAt(0);
    EXPECT_EQ(sans->m_strFilePath, copy);
    EXPECT_FALSE(image.Exists(TempFontFolder() + "\\GONE.TTF"));
    EXPECT_EQ(app.LookupTempInstallRecord(*sans), 1);
    EXPECT_EQ(sans->m_strOriginalPath, "D:\\FONTS\\SANS.TTF");
    EXPECT_EQ(app.PruneTempInstallRecords(), 1);
    EXPECT_EQ(Records(), MakeTempInstallRecord("DejaVu Sans", "D:\\FONTS\\SANS.TTF"));
}

} // namespace
