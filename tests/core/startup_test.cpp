// Start-up and shut-down: what comes in before what, with and without a command line.
#include "app/GroupJob.h"
#include "app/folders.h"
#include "fontdata/TempRecords.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "tests/support/GroupFiles.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

const std::string kFolder = "C:\\KELVRA\\TYPESTOW\\";
const std::string kSettings = kFolder + "typestow.ini";
const std::string kJob = kFolder + "Job.FGP";

class StartupTest : public InstallFixture {
protected:
    StartupTest() {
        // One font installed permanently, one font file in the Source folder, one group file of
        // two fonts on the CD-ROM drive.
        const std::string serif = FontsDir() + "\\serif.ttf";
        PutTrueType(serif, "DejaVuSerif.ttf");
        platform::reg::SetString(platform::FontsRegistryKey(), "DejaVu Serif (TrueType)", serif);
        platform::AddFontResource(serif);
        PutTrueType("C:\\SRC\\mono.ttf", "DejaVuSansMono.ttf");
        platform::profile::Write(kSettings, "config", std::string("LastFolder"), std::string("C:\\SRC"));
        PutTrueType("D:\\FONTS\\sans.ttf");
        PutTrueType("D:\\FONTS\\bold.ttf", "DejaVuSans-Bold.ttf");
        image.WriteFile(kJob, GroupFile6("6.1", "Job",
                                         {{"DejaVu Sans", "D:\\FONTS\\sans.ttf"},
                                          {"DejaVu Sans Bold", "D:\\FONTS\\bold.ttf"}}));
    }

    // Where start-up has got to, as seen from inside a window it opened.
    std::string Progress() const {
        std::string p;
        p += app->m_strSettingsPath.empty() ? "-" : "settings ";
        p += app->m_permList && FindFontByFullName(*app->m_permList, "DejaVu Serif") ? "installed " : "- ";
        p += app->m_groupList && app->m_groupList->GetCount() ? "groups " : "- ";
        p += app->m_sourceList && app->m_sourceList->GetCount() ? "source" : "-";
        return p;
    }
};

const Events kSplashRun = {"splash: Enumerating Installed Fonts", "status: Reading the Groups",
                           "status: Reading Fonts from Current Folder", "close splash", "main window"};

TEST_F(StartupTest, WithoutCommandLineEverythingComesInBeforeTheMainWindow) {
    std::string seen;
    ui.onMainWindow = [&] {
        seen = Progress();
        EXPECT_EQ(app->m_bSplashShown, 0);
    };
    EXPECT_EQ(app->AppStartup(""), 0);
    EXPECT_EQ(ui.events, kSplashRun);
    EXPECT_EQ(seen, "settings installed groups source");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(StartupTest, BlankCommandLineIsNoCommandLine) {
    app->AppStartup("   ");
    EXPECT_EQ(ui.events, kSplashRun);
}

TEST_F(StartupTest, SettingsAreReadWhileTheSplashIsUp) {
    platform::profile::Write(kSettings, "config", std::string("LastFolder"), std::string("C:\\GONE"));
    app->AppStartup("");
    ASSERT_GE(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[0], "splash: Enumerating Installed Fonts");
    EXPECT_EQ(ui.events[1], "box: Current font folder is invalid. Defaulting to Windows folder");
}

TEST_F(StartupTest, HiddenOrMinimizedStartShowsNoSplash) {
    for (int showState : {0, 2, 6, 7}) {
        ui.events.clear();
        app.reset();
        app = std::make_unique<WFontMgrApp>(ui);
        app->AppStartup("", showState);
        EXPECT_EQ(ui.events, Events{"main window"}) << showState;
        app->AppShutdown();
    }
    // A splash window that could not be made: no status texts either.
    ui.events.clear();
    ui.m_splashAvailable = false;
    app.reset();
    app = std::make_unique<WFontMgrApp>(ui);
    app->AppStartup("", 1);
    EXPECT_EQ(ui.events, (Events{"splash: Enumerating Installed Fonts", "main window"}));
}

TEST_F(StartupTest, TemporaryGroupJobReportsAndEndsAndShutDownKeepsItsCopies) {
    app->AppStartup("\"" + kJob + "\" /T");
    EXPECT_EQ(ui.events, Events{"box: Selected Fonts have been installed successfully"});
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Notice");
    EXPECT_EQ(ui.boxes[0].flags, unsigned(platform::kMbOk | platform::kMbIconInformation));
    // No groups read, no folder scanned.
    EXPECT_EQ(app->m_groupList->GetCount(), 0u);
    EXPECT_EQ(app->m_sourceList->GetCount(), 0u);
    EXPECT_EQ(app->m_tempList->GetCount(), 2u);

    app->AppShutdown();
    EXPECT_FALSE(app->m_permList || app->m_tempList || app->m_groupList || app->m_sourceList ||
                 app->m_clipboard);
    EXPECT_TRUE(platform::FileExists(TempFontDir() + "\\sans.ttf"));
    EXPECT_TRUE(platform::FileExists(TempFontDir() + "\\bold.ttf"));
    const auto records = ParseTempInstallRecords(image.ReadFile(TempRecordFilePath()));
    ASSERT_EQ(records.size(), 2u);
    // The settings are written after a group job too.
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "ShowWarnings"), "1");
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "GroupIconFolder"), "Startup");

    // The next run finds both fonts installed temporarily.
    app.reset();
    app = std::make_unique<WFontMgrApp>(ui);
    app->m_bFontsChanged = 1;
    app->RefreshInstalledFonts();
    ASSERT_TRUE(app->m_tempList);
    EXPECT_EQ(app->m_tempList->GetCount(), 2u);
}

TEST_F(StartupTest, FailedGroupJobReportsAndEnds) {
    for (const std::string& line : {std::string("C:\\KELVRA\\TYPESTOW\\None.FGP /P"), "/T " + kJob}) {
        ui.events.clear();
        ui.boxes.clear();
        app.reset();
        app = std::make_unique<WFontMgrApp>(ui);
        app->AppStartup(line);
        EXPECT_EQ(ui.events, Events{"box: Unable to install some of the fonts."}) << line;
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, "Error");
        EXPECT_EQ(ui.boxes[0].flags, unsigned(platform::kMbOk | platform::kMbIconError));
        app->AppShutdown();
    }
}

TEST_F(StartupTest, LaunchFromTheDialogOpensTheMainWindowWithTheSplashFirst) {
    std::string atDialog, atMain;
    ui.onDialog = [&](const FontGroup&) { atDialog = Progress(); };
    ui.onMainWindow = [&] { atMain = Progress(); };
    ui.dialogAnswers.push_back({platform::kIdLaunch, 2, {0}});
    app->AppStartup("\"" + kJob + "\" /Q");
    Events expected = {"dialog: Job"};
    expected.insert(expected.end(), kSplashRun.begin(), kSplashRun.end());
    EXPECT_EQ(ui.events, expected);
    // The group job runs after the installed lists are built and before the groups are read.
    EXPECT_EQ(atDialog, "settings installed - -");
    EXPECT_EQ(atMain, "settings installed groups source");
    EXPECT_EQ(app->m_tempList->GetCount(), 0u);
}

TEST_F(StartupTest, CancelledDialogEndsSilently) {
    app->AppStartup(kJob); // no switch: ask
    EXPECT_EQ(ui.events, Events{"dialog: Job"});
    app->AppShutdown();
}

TEST_F(StartupTest, ShutDownWritesSettingsThenTidiesTempFontAndRecords) {
    // A font installed temporarily earlier in this session, with its copy and record.
    ui.onMainWindow = [&] {
        GroupJob job = ParseCommandLine("\"" + kJob + "\" /T");
        ASSERT_EQ(RunGroupJob(job), GJ_INSTALLED);
        // A copy and a record of a font that is no longer installed.
        PutTrueType(TempFontDir() + "\\stale.ttf", "DejaVuSansMono-Bold.ttf");
        std::string records = image.ReadFile(TempRecordFilePath());
        image.WriteFile(TempRecordFilePath(), records + MakeTempInstallRecord("Stale", "D:\\STALE.TTF"));
        app->m_strLastFolder = "C:\\KELVRA";
    };
    app->AppStartup("");
    app->AppShutdown();
    EXPECT_EQ(platform::profile::GetString(kSettings, "config", "LastFolder"), "C:\\KELVRA");
    EXPECT_FALSE(platform::FileExists(TempFontDir() + "\\stale.ttf"));
    EXPECT_TRUE(platform::FileExists(TempFontDir() + "\\sans.ttf"));
    const auto records = ParseTempInstallRecords(image.ReadFile(TempRecordFilePath()));
    ASSERT_EQ(records.size(), 2u);
    for (const auto& r : records) EXPECT_NE(r.name.substr(0, 5), "Stale");
}

TEST_F(StartupTest, MissingConfigurationEndsBeforeAnythingElse) {
    ASSERT_TRUE(platform::DeleteFile("C:\\KELVRA\\kelvraapp.ini"));
    platform::DeleteFile(kSettings);
    app->AppStartup("");
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].substr(0, 20), "box: Could not open ");
    app->AppShutdown();
    EXPECT_FALSE(image.Exists(kSettings));
}

} // namespace
