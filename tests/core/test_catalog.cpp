// The installed-font catalog: classification, the TempFont folder and the temporary-install records.
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "fontdata/TempRecords.h"
#include "platform/files.h"
#include "platform/fonttable.h"
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

} // namespace
