// The group job: the command line, and the install of a group file's fonts without the main window.
#include "app/GroupJob.h"
#include "app/folders.h"
#include "groups/InstallGroup.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/registry.h"
#include "tests/support/GroupFiles.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* what;
    std::string line;
    std::string file;
    int mode;
};

TEST(ParseCommandLine, Cases) {
    const ParseCase cases[] = {
        {"unquoted path with blanks, then /P", "C:\\My Fonts\\Sans.FGP /P", "C:\\My Fonts\\Sans.FGP", 1},
        {"switch before a dotted path is swallowed", "/T C:\\Groups\\Sans.FGP", "/T C:\\Groups\\Sans.FGP", 0},
        {"lower-case switch", "\"C:\\Groups\\Sans.FGP\" /p", "C:\\Groups\\Sans.FGP", 1},
        {"one token", "C:\\Groups\\Sans.FGP", "C:\\Groups\\Sans.FGP", 0},
        {"quoted path, two blanks, /T", "\"C:\\My Fonts\\Sans.FGP\"  /T", "C:\\My Fonts\\Sans.FGP", 2},
        {"any other letter asks", "\"C:\\My Fonts\\Sans.FGP\" /Q", "C:\\My Fonts\\Sans.FGP", 3},
        {"a bare slash asks", "C:\\Sans.FGP /", "C:\\Sans.FGP", 3},
        {"switch first without a period", "/P \"C:\\Groups\\Sans\"", "C:\\Groups\\Sans", 1},
        {"empty line", "", "", 2},
        {"leading blanks", "  C:\\Sans.FGP /T", "C:\\Sans.FGP", 2},
        {"long path cut to 259", "C:\\" + std::string(300, 'a') + ".FGP /P",
         ("C:\\" + std::string(300, 'a')).substr(0, 259), 1},
    };
    for (const auto& c : cases) {
        GroupJob job = ParseCommandLine(c.line);
        EXPECT_EQ(std::string(job.m_szFile), c.file) << c.what;
        EXPECT_EQ(job.m_nMode, c.mode) << c.what;
        ASSERT_TRUE(job.m_pGroup) << c.what;
        EXPECT_EQ(job.m_pGroup->m_pFonts->GetCount(), 0u) << c.what;
    }
}

using platform::kIdAbort;
using platform::kIdCancel;
using platform::kIdIgnore;
using platform::kIdLaunch;
using platform::kIdNo;
using platform::kIdOk;
using platform::kIdYes;

// A group of two DejaVu fonts: one on the CD-ROM drive D:, one on the fixed drive C:.
class RunGroupJobTest : public InstallFixture {
protected:
    RunGroupJobTest() {
        PutTrueType("D:\\FONTS\\sans.ttf");
        PutTrueType("C:\\LOCAL\\bold.ttf", "DejaVuSans-Bold.ttf");
        WriteGroup({{"DejaVu Sans", "D:\\FONTS\\sans.ttf"}, {"DejaVu Sans Bold", "C:\\LOCAL\\bold.ttf"}});
    }
    void WriteGroup(const std::vector<GroupFileFont>& fonts) {
        image.WriteFile(kGroupFile, GroupFile6("6.1", "Job", fonts));
    }
    int Run(const std::string& sw) {
        GroupJob job = ParseCommandLine("\"" + kGroupFile + "\" " + sw);
        return RunGroupJob(job);
    }
    std::string Records() const { return image.ReadFile(TempRecordFilePath()); }

    const std::string kGroupFile = "C:\\KELVRA\\TYPESTOW\\Job.FGP";
};

struct CopyCase {
    const char* what;
    int answer;
    int result;
    std::string sansRegistered;
    std::string boldRegistered; // with Yes every font of the group is copied, remote or not
};

TEST_F(RunGroupJobTest, PermanentWithRemoteFontAsksWhetherToCopy) {
    const std::string fonts = FontsDir();
    const CopyCase cases[] = {
        {"Yes", kIdYes, GJ_INSTALLED, fonts + "\\sans.ttf", fonts + "\\bold.ttf"},
        {"No", kIdNo, GJ_INSTALLED, "D:\\FONTS\\sans.ttf", "C:\\LOCAL\\bold.ttf"},
        {"Cancel", kIdCancel, GJ_FAILED, "<none>", "<none>"},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.what);
        // Each case starts from nothing installed.
        for (const char* name : {"DejaVu Sans (TrueType)", "DejaVu Sans Bold (TrueType)"})
            platform::reg::DeleteValue(platform::FontsRegistryKey(), name);
        app->m_permList->RemoveAll();
        ui.boxes.clear();
        const uint64_t notices = NoticeSequence();

        ui.Answer(c.answer);
        EXPECT_EQ(Run("/P"), c.result);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "Copy Remote files to 'Fonts' folder?");
        EXPECT_EQ(ui.boxes[0].caption, "Installing Permanently");
        EXPECT_EQ(ui.boxes[0].flags, unsigned(platform::kMbYesNoCancel | platform::kMbIconQuestion));
        EXPECT_EQ(ui.boxes[0].owner, nullptr);
        EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), c.sansRegistered);
        EXPECT_EQ(Registration("DejaVu Sans Bold (TrueType)"), c.boldRegistered);
        EXPECT_EQ(app->m_permList->GetCount(), c.result == GJ_INSTALLED ? 2u : 0u);
        // Only a successful group install sends the font-change notice.
        EXPECT_EQ(NoticeSequence() > notices, c.result == GJ_INSTALLED);
    }
}

TEST_F(RunGroupJobTest, PermanentWithWarningsOffCopiesNothingAndAsksNothing) {
    app->m_bShowWarnings = 0;
    EXPECT_EQ(Run("/p"), GJ_INSTALLED);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "D:\\FONTS\\sans.ttf");
    EXPECT_FALSE(platform::FileExists(FontsDir() + "\\sans.ttf"));
}

TEST_F(RunGroupJobTest, TemporaryCopiesIntoTempFontAndRecordsEachFont) {
    const uint64_t notices = NoticeSequence();
    EXPECT_EQ(Run("/T"), GJ_INSTALLED);
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(app->m_tempList->GetCount(), 2u);
    EXPECT_TRUE(platform::FileExists(TempFontDir() + "\\sans.ttf"));
    EXPECT_TRUE(platform::FileExists(TempFontDir() + "\\bold.ttf"));
    EXPECT_EQ(ActiveCount(TempFontDir() + "\\sans.ttf"), 1);
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "<none>");
    const std::string records = Records();
    EXPECT_NE(records.find("DejaVu Sans Bold"), std::string::npos);
    EXPECT_NE(records.find("D:\\FONTS\\sans.ttf"), std::string::npos);
    EXPECT_GT(NoticeSequence(), notices);
}

TEST_F(RunGroupJobTest, UnreadableGroupFileFails) {
    for (const std::string& line :
         {std::string(""), std::string("C:\\KELVRA\\TYPESTOW\\None.FGP /T"),
          std::string("/T C:\\KELVRA\\TYPESTOW\\Job.FGP"), std::string("C:\\KELVRA /T")}) {
        GroupJob job = ParseCommandLine(line);
        EXPECT_EQ(RunGroupJob(job), GJ_FAILED) << line;
    }
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(ui.events.empty()) << "no dialog for a file that cannot be read";
}

struct MissingCase {
    const char* what;
    int warnings;
    std::vector<int> answers;
    int result;
    bool presentInstalled; // the two fonts whose files exist
};

// A group whose first font file is gone.
TEST_F(RunGroupJobTest, MissingFontFile) {
    const MissingCase cases[] = {
        {"Abort stops before anything is installed", 1, {kIdAbort}, GJ_FAILED, false},
        {"Ignore installs the others", 1, {kIdIgnore, kIdNo}, GJ_INSTALLED, true},
        {"without warnings the missing font fails alone", 0, {}, GJ_FAILED, true},
    };
    WriteGroup({{"Gone", "C:\\GONE.TTF"},
                {"DejaVu Sans", "D:\\FONTS\\sans.ttf"},
                {"DejaVu Sans Bold", "C:\\LOCAL\\bold.ttf"}});
    for (const MissingCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"DejaVu Sans (TrueType)", "DejaVu Sans Bold (TrueType)"})
            platform::reg::DeleteValue(platform::FontsRegistryKey(), name);
        ui.boxes.clear();
        app->m_bShowWarnings = c.warnings;
        for (int a : c.answers) ui.Answer(a);
        EXPECT_EQ(Run("/P"), c.result);
        EXPECT_EQ(Registration("DejaVu Sans (TrueType)") != "<none>", c.presentInstalled);
        EXPECT_EQ(Registration("DejaVu Sans Bold (TrueType)") != "<none>", c.presentInstalled);
        if (c.warnings) {
            ASSERT_FALSE(ui.boxes.empty());
            EXPECT_EQ(ui.boxes[0].text, "Some fonts have invalid fontfiles.");
        }
        EXPECT_EQ(ui.PendingAnswers(), 0u);
    }
}

struct DialogCase {
    const char* what;
    std::string sw;
    platform::InstallGroupChoice choice;
    std::vector<int> answers; // message boxes after the dialog
    int result;
    size_t permanent, temporary;
};

TEST_F(RunGroupJobTest, AskingThroughTheDialog) {
    const DialogCase cases[] = {
        {"Launch installs nothing", "/Q", {kIdLaunch, 2, {0, 1}}, {}, GJ_LAUNCH, 0, 0},
        {"Cancel installs nothing", "", {kIdCancel, 2, {0}}, {}, GJ_CANCELLED, 0, 0},
        {"Add Temp with the first font", "/Q", {kIdOk, 2, {0}}, {}, GJ_INSTALLED, 0, 1},
        {"Add Temp with nothing chosen", "", {kIdOk, 2, {}}, {}, GJ_INSTALLED, 0, 0},
        // The local font alone is chosen, but the group holds a CD-ROM font: the question comes.
        {"Add Perm asks about the whole group", "/Q", {kIdOk, 1, {1}}, {kIdNo}, GJ_INSTALLED, 1, 0},
        {"Add Perm, question cancelled", "/Q", {kIdOk, 1, {0, 1}}, {kIdCancel}, GJ_FAILED, 0, 0},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.what);
        app->m_permList->RemoveAll();
        app->m_tempList->RemoveAll();
        ui.boxes.clear();
        ui.events.clear();
        ui.dialogAnswers.push_back(c.choice);
        for (int a : c.answers) ui.Answer(a);
        EXPECT_EQ(Run(c.sw), c.result);
        ASSERT_FALSE(ui.events.empty());
        EXPECT_EQ(ui.events[0], "dialog: Job");
        EXPECT_EQ(ui.boxes.size(), c.answers.size());
        EXPECT_EQ(ui.PendingAnswers(), 0u);
        EXPECT_EQ(app->m_permList->GetCount(), c.permanent);
        EXPECT_EQ(app->m_tempList->GetCount(), c.temporary);
    }
    // The chosen font was the one installed.
    EXPECT_EQ(Registration("DejaVu Sans Bold (TrueType)"), "C:\\LOCAL\\bold.ttf");
    EXPECT_EQ(Registration("DejaVu Sans (TrueType)"), "<none>");
}

TEST_F(RunGroupJobTest, AskAndInstallShowsTheGroupItIsGiven) {
    GroupJob job;
    FontGroup other(std::string(), "Other");
    ui.dialogAnswers.push_back({kIdCancel, 2, {}});
    EXPECT_EQ(AskAndInstall(job, &other), GJ_CANCELLED);
    EXPECT_EQ(ui.events.back(), "dialog: Other");
}

} // namespace
