// Group files: the three layouts, saving with its renames, the start-up load and its path rewrite.
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "groups/GroupFile.h"
#include "platform/files.h"
#include "platform/hostfs.h"
#include "platform/profile.h"
#include "resources/strings.h"
#include "tests/support/FontFixtures.h"
#include "tests/support/GroupFiles.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::string kFolder = "C:\\KELVRA\\TYPESTOW\\";
const std::string kSettings = kFolder + "typestow.ini";

std::unique_ptr<FontItem> Font(const std::string& name, const std::string& path, FontType type = FT_TRUETYPE,
                               const std::string& style = {}) {
    auto f = std::make_unique<FontItem>();
    f->m_strFullName = name;
    f->m_strFilePath = path;
    f->m_nType = type;
    f->m_strStyle = style;
    return f;
}

std::string Field(const std::string& text, size_t size) {
    std::string f(size, '\0');
    std::memcpy(f.data(), text.data(), std::min(text.size(), size));
    return f;
}

class GroupFileTest : public ::testing::Test {
protected:
    GroupFileTest() : app(ui) {
        app.Config().LocateSharedConfig(false);
        app.ReadSettings();
        app.m_groupList = std::make_unique<GroupList>();
    }

    // Reads one group file as the group-file start does.
    std::unique_ptr<FontGroup> Read(const std::string& path) {
        auto file = platform::ReadFile::Open(path);
        EXPECT_TRUE(file) << path;
        auto group = std::make_unique<FontGroup>();
        if (file) {
            EXPECT_EQ(ReadGroupFile(*file, path, *group), 1);
        }
        return group;
    }

    TestImage image;
    ScriptedUi ui;
    WFontMgrApp app;
};

TEST_F(GroupFileTest, FirstSaveWritesNameAndRecordsUnderTheGroupsName) {
    FontGroup group(kFolder, "Sans");
    group.m_pFonts->AddTail(Font("Sans Bold", "C:\\FONTS\\SANSB.TTF", FT_TRUETYPE, "Bold"));
    group.m_pFonts->AddTail(Font("Times", "D:\\FONTS\\TIMES.PFM", FT_TYPE1, "Italic"));
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    EXPECT_EQ(group.m_strPath, kFolder + "Sans.FGP");

    std::string expected = "6.1" + Field("Sans", 128);
    // A TrueType font's style never reaches the file; a Type 1 font's does.
    expected += Field("Sans Bold", 260) + Field("C:\\FONTS\\SANSB.TTF", 260) +
                std::string("\x02\x30\0\0", 4) + std::string(260, '\0');
    expected += Field("Times", 260) + Field("D:\\FONTS\\TIMES.PFM", 260) + std::string("\x04\x30\0\0", 4) +
                Field("Italic", 260);
    EXPECT_EQ(image.ReadFile(kFolder + "Sans.FGP"), expected);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GroupFileTest, RenamedGroupMovesItsFile) {
    FontGroup group(kFolder, "Sans");
    group.m_pFonts->AddTail(Font("A", "C:\\A.TTF"));
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    group.m_strName = "Serif";
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    EXPECT_EQ(group.m_strPath, kFolder + "Serif.FGP");
    EXPECT_FALSE(image.Exists(kFolder + "Sans.FGP"));
    EXPECT_EQ(image.ReadFile(kFolder + "Serif.FGP").substr(0, 131), "6.1" + Field("Serif", 128));

    // A change of case only renames the file too.
    group.m_strName = "SERIF";
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    auto found = platform::FindFiles(kFolder + "*.FGP");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].name, "SERIF.FGP");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GroupFileTest, NameInsideTheFileCountsAndTheNextSaveRenamesTheFile) {
    image.WriteFile(kFolder + "Old.FGP", GroupFile6("6.1", "Display", {{"A", "C:\\A.TTF"}}));
    LoadAllGroups(*app.m_groupList);
    ASSERT_EQ(app.m_groupList->GetCount(), 1u);
    FontGroup* group = app.m_groupList->GetAt(0);
    EXPECT_EQ(group->m_strName, "Display");
    EXPECT_EQ(group->m_strPath, kFolder + "Old.FGP");
    EXPECT_EQ(FindGroupByName(*app.m_groupList, "dISPLAY"), group);
    EXPECT_EQ(FindGroupByName(*app.m_groupList, "Old"), nullptr);

    ASSERT_EQ(SaveGroup(*group, nullptr), 1);
    EXPECT_FALSE(image.Exists(kFolder + "Old.FGP"));
    EXPECT_TRUE(image.Exists(kFolder + "Display.FGP"));
}

TEST_F(GroupFileTest, NameThatIsNoFileNameKeepsTheFileItWasReadFrom) {
    for (const std::string& name :
         {std::string("..\\..\\WINDOWS\\Evil"), std::string("A:B"), std::string("..")}) {
        SCOPED_TRACE(name);
        image.WriteFile(kFolder + "Foreign.FGP", GroupFile6("6.1", name, {{"A", "C:\\A.TTF"}}));
        app.m_groupList->RemoveAll();
        LoadAllGroups(*app.m_groupList);
        ASSERT_EQ(app.m_groupList->GetCount(), 1u);
        FontGroup* group = app.m_groupList->GetAt(0);
        ASSERT_EQ(SaveGroup(*group, nullptr), 1);
        EXPECT_EQ(group->m_strPath, kFolder + "Foreign.FGP");
        EXPECT_TRUE(image.Exists(kFolder + "Foreign.FGP"));
        EXPECT_FALSE(image.Exists("C:\\WINDOWS\\Evil.FGP"));
    }
}

TEST_F(GroupFileTest, Version60IsReadWithoutStyleAndWrittenBackAs61) {
    image.WriteFile(kFolder + "Old60.FGP", GroupFile6("6.0", "Old60", {{"Arial", "C:\\FONTS\\ARIAL.TTF"}}));
    auto group = Read(kFolder + "Old60.FGP");
    ASSERT_EQ(group->m_pFonts->GetCount(), 1u);
    const FontItem* f = group->m_pFonts->GetAt(0);
    EXPECT_EQ(f->m_strFullName, "Arial");
    EXPECT_EQ(f->m_strFilePath, "C:\\FONTS\\ARIAL.TTF");
    EXPECT_EQ(f->m_nType, FT_TRUETYPE);
    EXPECT_EQ(f->m_strStyle, "");

    ASSERT_EQ(SaveGroup(*group, nullptr), 1);
    std::string bytes = image.ReadFile(kFolder + "Old60.FGP");
    ASSERT_EQ(bytes.size(), 3u + 128 + 784);
    EXPECT_EQ(bytes.substr(0, 3), "6.1");
    EXPECT_EQ(bytes.substr(131 + 524), std::string(260, '\0'));
}

TEST_F(GroupFileTest, Type1FontOfVersion60IsNamedFromItsMetricsFile) {
    image.WriteFile("C:\\PS\\HVB.PFM", fixtures::PfmFile("Helvetica-BoldOblique"));
    image.WriteFile(kFolder + "T.FGP", GroupFile6("6.0", "T", {{"Stored", "C:\\PS\\HVB.PFM", FT_TYPE1}}));
    auto group = Read(kFolder + "T.FGP");
    ASSERT_EQ(group->m_pFonts->GetCount(), 1u);
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strFullName, "Helvetica");
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strStyle, "bolditalic");

    // "6.1" records carry their own name and style.
    image.WriteFile(kFolder + "T.FGP",
                    GroupFile6("6.1", "T", {{"Stored", "C:\\PS\\HVB.PFM", FT_TYPE1, "italic"}}));
    group = Read(kFolder + "T.FGP");
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strFullName, "Stored");
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strStyle, "italic");
}

TEST_F(GroupFileTest, DuplicatesStayInVersion6ButNotInLegacyFiles) {
    image.WriteFile(kFolder + "Six.FGP",
                    GroupFile6("6.1", "Six", {{"A", "C:\\X\\A.TTF"}, {"A", "C:\\X\\A.TTF"}}));
    EXPECT_EQ(Read(kFolder + "Six.FGP")->m_pFonts->GetCount(), 2u);

    // Same name, same file base name in another folder and case: the same font and file.
    image.WriteFile(
        kFolder + "Leg.FGP",
        LegacyGroupFile("Leg", {{"A", "C:\\X", "A.TTF"}, {"A", "C:\\Y", "a.ttf"}, {"B", "C:\\X", "A.TTF"}}));
    auto legacy = Read(kFolder + "Leg.FGP");
    ASSERT_EQ(legacy->m_pFonts->GetCount(), 2u);
    EXPECT_EQ(legacy->m_pFonts->GetAt(0)->m_strFilePath, "C:\\X\\A.TTF");
    EXPECT_EQ(legacy->m_pFonts->GetAt(1)->m_strFullName, "B");
}

TEST_F(GroupFileTest, LegacyFieldsAreTrimmedAndTheColonFolderIsTheCdRom) {
    image.WriteFile(kFolder + "Leg.FGP",
                    LegacyGroupFile("Legacy Group   \t", {
                                                             {"Arial  ", ":\\FONTS", "ARIAL.TTF"},
                                                             {"Local", "C:\\FONTS  ", "LONGNAME.TTFXX"},
                                                         }));
    auto group = Read(kFolder + "Leg.FGP");
    EXPECT_EQ(group->m_strName, "Legacy Group");
    ASSERT_EQ(group->m_pFonts->GetCount(), 2u);
    const FontItem* cd = group->m_pFonts->GetAt(0);
    EXPECT_EQ(cd->m_strFullName, "Arial");
    EXPECT_EQ(cd->m_strFilePath, "d:\\FONTS\\ARIAL.TTF"); // D: is the image's CD-ROM drive
    EXPECT_EQ(cd->m_bRemote, 1);
    EXPECT_EQ(cd->m_nType, FT_TRUETYPE);
    const FontItem* local = group->m_pFonts->GetAt(1);
    EXPECT_EQ(local->m_strFilePath, "C:\\FONTS\\LONGNAME.TTF"); // the file name is cut after 12 bytes
    EXPECT_EQ(local->m_bRemote, 0);
}

TEST_F(GroupFileTest, LegacyColonFolderWithoutCdRomDriveKeepsTheBareFolder) {
    // An image whose only drive is C:.
    platform::ProfileText text(*platform::host::ReadFile(image.Root() + "/system.ini"));
    text.Set("Drives", std::string("D"), std::nullopt);
    ASSERT_TRUE(platform::host::WriteFileAtomic(image.Root() + "/system.ini", text.Bytes()));
    ASSERT_TRUE(platform::OpenImage(image.Root()));

    image.WriteFile(kFolder + "Leg.FGP", LegacyGroupFile("Leg", {{"Arial", ":\\FONTS", "ARIAL.TTF"}}));
    auto group = Read(kFolder + "Leg.FGP");
    ASSERT_EQ(group->m_pFonts->GetCount(), 1u);
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strFilePath, ":\\FONTS\\ARIAL.TTF");
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_bRemote, 1);
}

TEST_F(GroupFileTest, RemoteFontsOfVersion6FilesAreMarked) {
    image.WriteFile(kFolder + "R.FGP",
                    GroupFile6("6.1", "R", {{"A", "D:\\FONTS\\A.TTF"}, {"B", "C:\\B.TTF"}}));
    auto group = Read(kFolder + "R.FGP");
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_bRemote, 1);
    EXPECT_EQ(group->m_pFonts->GetAt(1)->m_bRemote, 0);
}

// Damaged and short files never fail: they give what they hold.
TEST_F(GroupFileTest, ShortAndDamagedFiles) {
    const std::string one61 = GroupFile6("6.1", "G", {{"A", "C:\\A.TTF"}});
    const std::string two60 = GroupFile6("6.0", "G", {{"A", "C:\\A.TTF"}, {"B", "C:\\B.TTF"}});
    const std::string legacy = LegacyGroupFile("Leg", {{"A", "C:\\X", "A.TTF"}, {"B", "C:\\X", "B.TTF"}});
    struct Case {
        const char* what;
        std::string bytes;
        std::string name;
        size_t fonts;
    } cases[] = {
        {"empty file", "", "Broken", 0},
        {"shorter than the tag", "6.", "6.", 0},
        {"tag only", "6.1", "Broken", 0},
        {"name field cut short", "6.1Sa", "Sa", 0},
        {"name field without terminator", "6.1" + std::string(128, 'n'), std::string(127, 'n'), 0},
        {"partial record of 500 bytes", one61 + std::string(500, 'z'), "G", 1},
        {"6.0 with a partial second record", two60.substr(0, two60.size() - 1), "G", 1},
        {"legacy name only", "Old", "Old", 0},
        {"legacy record without its file name", legacy.substr(0, 232 + 192 + 150), "Leg", 1},
        {"legacy record without its unused tail", legacy.substr(0, 232 + 192 + 154), "Leg", 2},
        {"legacy blank name", std::string(128, ' ') + std::string(104, '\0'), "Broken", 0},
    };
    for (const auto& c : cases) {
        image.WriteFile(kFolder + "Broken.FGP", c.bytes);
        auto group = Read(kFolder + "Broken.FGP");
        EXPECT_EQ(group->m_strName, c.name) << c.what;
        EXPECT_EQ(group->m_pFonts->GetCount(), c.fonts) << c.what;
        EXPECT_EQ(group->m_strPath, kFolder + "Broken.FGP") << c.what;
    }
}

TEST_F(GroupFileTest, LongNamesAndPathsAreCutToTheirFields) {
    FontGroup group(kFolder, std::string(200, 'N'));
    group.m_pFonts->AddTail(
        Font(std::string(300, 'F'), "C:\\" + std::string(300, 'p'), FT_TYPE1, std::string(400, 's')));
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    // The name in memory is cut as well, so that the file name and the name inside agree.
    EXPECT_EQ(group.m_strName, std::string(127, 'N'));
    EXPECT_EQ(group.m_strPath, kFolder + std::string(127, 'N') + ".FGP");
    std::string bytes = image.ReadFile(group.m_strPath);
    ASSERT_EQ(bytes.size(), 3u + 128 + 784);
    EXPECT_EQ(bytes[3 + 127], '\0');
    EXPECT_EQ(bytes[131 + 259], '\0');
    EXPECT_EQ(bytes[131 + 260 + 259], '\0');
    EXPECT_EQ(bytes[131 + 524 + 259], '\0');

    auto back = Read(group.m_strPath);
    ASSERT_EQ(back->m_pFonts->GetCount(), 1u);
    EXPECT_EQ(back->m_strName, std::string(127, 'N'));
    EXPECT_EQ(back->m_pFonts->GetAt(0)->m_strFullName, std::string(259, 'F'));
    EXPECT_EQ(back->m_pFonts->GetAt(0)->m_strFilePath, ("C:\\" + std::string(300, 'p')).substr(0, 259));
    EXPECT_EQ(back->m_pFonts->GetAt(0)->m_strStyle, std::string(259, 's'));
}

TEST_F(GroupFileTest, ReadOnlyFileGivesTheWarningAndKeepsTheGroup) {
    FontGroup group(kFolder, "Sans");
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    const std::string before = image.ReadFile(kFolder + "Sans.FGP");
    ASSERT_TRUE(platform::SetFileAttributes(kFolder + "Sans.FGP", platform::kAttrReadOnly));

    group.m_pFonts->AddTail(Font("A", "C:\\A.TTF"));
    int owner = 0;
    EXPECT_EQ(SaveGroup(group, &owner), 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Group file " + kFolder + "Sans.FGP is read only. It will be not be saved!");
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_EQ(ui.boxes[0].Icon(), platform::kMbIconWarning);
    EXPECT_EQ(ui.boxes[0].Buttons(), platform::kMbOk);
    EXPECT_EQ(ui.boxes[0].owner, &owner);
    EXPECT_EQ(group.m_pFonts->GetCount(), 1u);
    EXPECT_EQ(image.ReadFile(kFolder + "Sans.FGP"), before);

    // With warnings off the failure is silent.
    app.m_bShowWarnings = 0;
    EXPECT_EQ(SaveGroup(group, nullptr), 0);
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(GroupFileTest, RenameNeverReplacesAnotherFile) {
    // A stray file with the new name, and another group whose file bears the name.
    image.WriteFile(kFolder + "Stray.FGP", "stray");
    auto other = std::make_unique<FontGroup>(kFolder + "Taken.FGP", "Other");
    image.WriteFile(kFolder + "Taken.FGP", "taken");
    app.m_groupList->AddTail(std::move(other));

    FontGroup group(kFolder, "Sans");
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    const std::string saved = image.ReadFile(kFolder + "Sans.FGP");
    app.m_bShowWarnings = 0; // these are errors: shown anyway

    group.m_strName = "Stray";
    EXPECT_EQ(SaveGroup(group, nullptr), 0);
    EXPECT_EQ(group.m_strPath, kFolder + "Sans.FGP");
    EXPECT_EQ(image.ReadFile(kFolder + "Stray.FGP"), "stray");
    EXPECT_EQ(image.ReadFile(kFolder + "Sans.FGP"), saved);

    group.m_strName = "taken";
    EXPECT_EQ(SaveGroup(group, nullptr), 0);
    EXPECT_EQ(image.ReadFile(kFolder + "Taken.FGP"), "taken");
    EXPECT_EQ(image.ReadFile(kFolder + "Sans.FGP"), saved);

    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text,
              FormatString(IDS_GROUP_RENAME_FAILED, {kFolder + "Sans.FGP", kFolder + "Stray.FGP"}));
    EXPECT_EQ(ui.boxes[1].text, FormatString(IDS_GROUP_FILE_TAKEN, {kFolder + "taken.FGP"}));
    for (const auto& box : ui.boxes) {
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.Icon(), platform::kMbIconError);
    }
}

TEST_F(GroupFileTest, GroupWhoseFileVanishedIsWrittenUnderItsNewName) {
    FontGroup group(kFolder, "Sans");
    ASSERT_EQ(SaveGroup(group, nullptr), 1);
    ASSERT_TRUE(platform::DeleteFile(kFolder + "Sans.FGP"));
    group.m_strName = "Serif";
    EXPECT_EQ(SaveGroup(group, nullptr), 1);
    EXPECT_TRUE(image.Exists(kFolder + "Serif.FGP"));
}

struct RewriteCase {
    const char* what;
    const char* from; // nullptr: key absent
    const char* to;
    std::string firstPath;
    std::string secondPath;
    bool rewritten; // every group file stored again in version "6.1"
};

class GroupRewriteTest : public GroupFileTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(GroupRewriteTest, KeysRewritePathsOnceAndAreRemoved) {
    const RewriteCase& c = GetParam();
    if (c.from)
        platform::profile::Write(kSettings, "config", std::string("GroupReplaceTextFrom"),
                                 std::string(c.from));
    if (c.to)
        platform::profile::Write(kSettings, "config", std::string("GroupReplaceTextTo"), std::string(c.to));
    platform::profile::Write(kSettings, "config", std::string("ViewType"), std::string("2"));
    const std::string original =
        GroupFile6("6.0", "G", {{"Arial", "C:\\Fonts\\ARIAL.TTF"}, {"A", "E:\\x\\A.TTF"}});
    image.WriteFile(kFolder + "G.FGP", original);

    LoadAllGroups(*app.m_groupList);
    ASSERT_EQ(app.m_groupList->GetCount(), 1u);
    const FontGroup* group = app.m_groupList->GetAt(0);
    EXPECT_EQ(group->m_pFonts->GetAt(0)->m_strFilePath, c.firstPath) << c.what;
    EXPECT_EQ(group->m_pFonts->GetAt(1)->m_strFilePath, c.secondPath) << c.what;

    std::string bytes = image.ReadFile(kFolder + "G.FGP");
    if (c.rewritten)
        EXPECT_EQ(bytes, GroupFileBytes(*group)) << c.what;
    else
        EXPECT_EQ(bytes, original) << c.what;
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "GroupReplaceTextFrom", "-"), "-") << c.what;
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "GroupReplaceTextTo", "-"), "-") << c.what;
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "ViewType"), "2") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GroupRewriteTest,
    ::testing::Values(
        RewriteCase{"both set", "C:\\FONTS", "D:\\TYPE", "D:\\TYPE\\arial.ttf", "e:\\x\\a.ttf", true},
        RewriteCase{"only To set", nullptr, "D:\\TYPE", "C:\\Fonts\\ARIAL.TTF", "E:\\x\\A.TTF", false},
        RewriteCase{"only From set", "C:\\FONTS", nullptr, "C:\\Fonts\\ARIAL.TTF", "E:\\x\\A.TTF", true},
        RewriteCase{"neither", nullptr, nullptr, "C:\\Fonts\\ARIAL.TTF", "E:\\x\\A.TTF", false}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

TEST_F(GroupFileTest, RewriteDoesNotTouchLegacyFilesAndRunsOnce) {
    platform::profile::Write(kSettings, "config", std::string("GroupReplaceTextFrom"), std::string("C:\\X"));
    platform::profile::Write(kSettings, "config", std::string("GroupReplaceTextTo"), std::string("D:\\Y"));
    image.WriteFile(kFolder + "Leg.FGP", LegacyGroupFile("Leg", {{"A", "C:\\X", "A.TTF"}}));
    image.WriteFile(kFolder + "New.FGP", GroupFile6("6.1", "New", {{"A", "C:\\X\\A.TTF"}}));
    LoadAllGroups(*app.m_groupList);
    ASSERT_EQ(app.m_groupList->GetCount(), 2u);
    auto* leg = FindGroupByName(*app.m_groupList, "Leg");
    auto* fresh = FindGroupByName(*app.m_groupList, "New");
    ASSERT_TRUE(leg && fresh);
    EXPECT_EQ(leg->m_pFonts->GetAt(0)->m_strFilePath, "C:\\X\\A.TTF");
    EXPECT_EQ(fresh->m_pFonts->GetAt(0)->m_strFilePath, "D:\\Y\\a.ttf");
    // The legacy file is now a "6.1" file, and the next start reads the paths as stored.
    EXPECT_EQ(image.ReadFile(kFolder + "Leg.FGP").substr(0, 3), "6.1");
    GroupList again;
    LoadAllGroups(again);
    ASSERT_EQ(again.GetCount(), 2u);
    EXPECT_EQ(FindGroupByName(again, "New")->m_pFonts->GetAt(0)->m_strFilePath, "D:\\Y\\a.ttf");
}

TEST_F(GroupFileTest, RewriteLeavesReadOnlyFilesAsTheyAre) {
    platform::profile::Write(kSettings, "config", std::string("GroupReplaceTextFrom"), std::string("C:\\X"));
    platform::profile::Write(kSettings, "config", std::string("GroupReplaceTextTo"), std::string("D:\\Y"));
    const std::string original = GroupFile6("6.0", "Locked", {{"A", "C:\\X\\A.TTF"}});
    image.WriteFile(kFolder + "Locked.FGP", original);
    ASSERT_TRUE(platform::SetFileAttributes(kFolder + "Locked.FGP", platform::kAttrReadOnly));
    LoadAllGroups(*app.m_groupList);
    ASSERT_EQ(app.m_groupList->GetCount(), 1u);
    EXPECT_EQ(app.m_groupList->GetAt(0)->m_pFonts->GetAt(0)->m_strFilePath, "D:\\Y\\a.ttf");
    EXPECT_EQ(image.ReadFile(kFolder + "Locked.FGP"), original);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "GroupReplaceTextFrom", "-"), "-");
}

TEST_F(GroupFileTest, LoadSkipsFilesThatCannotBeOpenedAndOtherExtensions) {
    image.WriteFile(kFolder + "A.FGP", GroupFile6("6.1", "A", {}));
    image.WriteFile(kFolder + "b.fgp", GroupFile6("6.1", "B", {}));
    image.WriteFile(kFolder + "C.FGPX", GroupFile6("6.1", "C", {}));
    ASSERT_TRUE(platform::CreateFolder(kFolder + "D.FGP"));
    LoadAllGroups(*app.m_groupList);
    EXPECT_EQ(app.m_groupList->GetCount(), 2u);
    EXPECT_TRUE(FindGroupByName(*app.m_groupList, "a"));
    EXPECT_TRUE(FindGroupByName(*app.m_groupList, "b"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GroupFileTest, TempFontFolderLiesInTheProgramFolder) {
    EXPECT_EQ(TempFontFolder(), kFolder + "TempFont");
}

// Without the shared configuration there is no program folder: groups then live in memory only.
TEST(GroupFileNoFolder, GroupsAreNeitherReadNorSaved) {
    TestImage image;
    image.WriteFile("C:\\KELVRA\\TYPESTOW\\A.FGP", GroupFile6("6.1", "A", {}));
    ASSERT_TRUE(platform::DeleteFile("C:\\KELVRA\\kelvraapp.ini"));
    ScriptedUi ui;
    WFontMgrApp app(ui);
    ASSERT_EQ(app.ProgramFolder(), "");
    GroupList groups;
    EXPECT_EQ(LoadAllGroups(groups), 1);
    EXPECT_EQ(groups.GetCount(), 0u);

    FontGroup group(app.ProgramFolder(), "Sans");
    EXPECT_EQ(SaveGroup(group, nullptr), 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Group Sans cannot be saved: the program folder is unknown.");
    EXPECT_EQ(ui.boxes[0].caption, "Warning");
    EXPECT_FALSE(image.Exists("C:\\WINDOWS\\Sans.FGP"));
}

} // namespace
