#include "app/WFontMgrApp.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "sharedui/config.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const std::string kConfigFile = "C:\\KELVRA\\kelvraapp.ini";

TEST(SharedConfig, LocatesTheFolderAndReportsWhatIsMissing) {
    TestImage image;
    {
        ScriptedUi ui;
        SharedConfig config(ui);
        EXPECT_TRUE(config.LocateSharedConfig(true));
        EXPECT_TRUE(ui.boxes.empty());
        EXPECT_EQ(config.GetConfigFolder(), "C:\\KELVRA\\");
        EXPECT_EQ(config.ConfigFile(), "C:\\KELVRA\\KELVRAAPP.INI");
        EXPECT_EQ(config.GetProgramFolder("Typestow"), "C:\\KELVRA\\TYPESTOW\\");
        EXPECT_EQ(config.GetProgramFolder("Typestow", 19), ""); // 19 bytes cannot hold 18 + NUL
        EXPECT_EQ(config.GetProgramFolder("Other"), "C:\\KELVRA\\");
    }
    // A folder value without its backslash gets one; the file must exist there.
    reg::SetString(kConfigKey, kConfigValue, "C:\\ELSEWHERE");
    {
        ScriptedUi ui;
        SharedConfig config(ui);
        EXPECT_FALSE(config.LocateSharedConfig(true));
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].caption, "Kelvra");
        EXPECT_EQ(ui.boxes[0].text,
                  "Could not open C:\\ELSEWHERE\\KELVRAAPP.INI.\n\nPlease check Key: "
                  "\"HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvra\\Pictavo\\6.0\"  Value: \"ConfigDir\"  "
                  "in the Registry.");
        EXPECT_EQ(ui.boxes[0].Icon(), unsigned(kMbIconWarning));
        EXPECT_EQ(config.GetConfigFolder(), "");
    }
    reg::DeleteValue(kConfigKey, kConfigValue);
    {
        ScriptedUi ui;
        SharedConfig config(ui);
        EXPECT_FALSE(config.LocateSharedConfig(true));
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "Key: \"HKEY_LOCAL_MACHINE\\SOFTWARE\\Kelvra\\Pictavo\\6.0\"  Value: "
                                    "\"ConfigDir\"  not found in the Registry.");
        EXPECT_FALSE(config.LocateSharedConfig(false));
        EXPECT_EQ(ui.boxes.size(), 1u);
    }
}

TEST(SharedConfig, ProgramFolderValuesResolveAgainstTheConfigurationFolder) {
    TestImage image;
    struct Case {
        const char* value;
        const char* expected;
    } cases[] = {
        {"TYPESTOW", "c:\\kelvra\\typestow\\"},
        {"Sub\\..\\Other\\", "c:\\kelvra\\other\\"},
        {"D:\\Fonts", "D:\\Fonts\\"},
        {"C:\\KELVRA\\TYPESTOW\\", "C:\\KELVRA\\TYPESTOW\\"},
    };
    for (const auto& c : cases) {
        profile::Write(kConfigFile, "Config", std::string("TypestowDir"), std::string(c.value));
        ScriptedUi ui;
        SharedConfig config(ui);
        EXPECT_EQ(config.GetProgramFolder("Typestow"), c.expected) << c.value;
    }
}

TEST(SharedConfig, ThreeDimensionalLookFollowsTheSettingAndTheDisplay) {
    TestImage image;
    ScriptedUi ui;
    SharedConfig config(ui);
    EXPECT_TRUE(config.Use3DLook());
    EXPECT_FALSE(config.Use3DLook(8));
    profile::Write(kConfigFile, "Debug", std::string("3DLook"), std::string("0"));
    SharedConfig again(ui);
    EXPECT_FALSE(again.Use3DLook());
}

struct AppFixture : ::testing::Test {
    TestImage image;
    ScriptedUi ui;
    std::string settings = "C:\\KELVRA\\TYPESTOW\\typestow.ini";
};

TEST_F(AppFixture, DefaultsWithoutAFileAndExactlyFiveKeysWritten) {
    WFontMgrApp app(ui);
    ASSERT_TRUE(app.Config().LocateSharedConfig(true));
    app.ReadSettings();
    EXPECT_EQ(app.m_strSettingsPath, settings);
    EXPECT_EQ(app.m_nViewType, 1);
    EXPECT_EQ(app.m_bViewFileNames, 0);
    EXPECT_EQ(app.m_bShowWarnings, 1);
    EXPECT_EQ(app.m_strLastFolder, "C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(app.m_strGroupIconFolder, "Startup");
    EXPECT_TRUE(ui.boxes.empty());
    app.WriteSettings();
    EXPECT_EQ(image.ReadFile(settings), "[config]\r\nLastFolder=C:\\WINDOWS\\SYSTEM\r\nViewType=1\r\n"
                                        "ViewFileNames=0\r\nShowWarnings=1\r\nGroupIconFolder=Startup\r\n");
}

TEST_F(AppFixture, ValuesAreNormalisedOnlyWhereTheyMustBe) {
    image.WriteFile(settings, "[config]\r\nViewType=3\r\nShowWarnings=7\r\nLastFolder=C:\\WINDOWS\\Fonts\r\n"
                              "Unknown=kept\r\n");
    WFontMgrApp app(ui);
    app.Config().LocateSharedConfig(true);
    app.ReadSettings();
    EXPECT_EQ(app.m_nViewType, 3);
    EXPECT_EQ(app.m_bShowWarnings, 1);
    EXPECT_EQ(app.m_strLastFolder, "C:\\WINDOWS\\Fonts");
    app.WriteSettings();
    EXPECT_EQ(profile::GetString(settings, "config", "ViewType"), "3");
    EXPECT_EQ(profile::GetString(settings, "config", "ShowWarnings"), "1");
    EXPECT_EQ(profile::GetString(settings, "config", "Unknown"), "kept");
}

TEST_F(AppFixture, UnusableLastFolderFallsBackToTheWindowsFolder) {
    for (int warnings : {0, 1}) {
        image.WriteFile(
            settings, "[config]\r\nLastFolder=C:\\GONE\r\nShowWarnings=" + std::to_string(warnings) + "\r\n");
        ScriptedUi local;
        WFontMgrApp app(local);
        app.Config().LocateSharedConfig(true);
        app.ReadSettings();
        EXPECT_EQ(app.m_strLastFolder, "C:\\WINDOWS");
        if (warnings) {
            ASSERT_EQ(local.boxes.size(), 1u);
            EXPECT_EQ(local.boxes[0].text, "Current font folder is invalid. Defaulting to Windows folder");
            EXPECT_EQ(local.boxes[0].caption, "Warning");
            EXPECT_EQ(local.boxes[0].Icon(), unsigned(kMbIconWarning));
        } else {
            EXPECT_TRUE(local.boxes.empty());
        }
    }
}

TEST_F(AppFixture, LongLastFolderIsCutToItsBuffer) {
    image.WriteFile(settings, "[config]\r\nLastFolder=C:\\" + std::string(300, 'x') + "\r\n");
    WFontMgrApp app(ui);
    app.Config().LocateSharedConfig(true);
    app.ReadSettings();
    // 259 characters cannot name an existing folder here, so the fallback applies; no overrun.
    EXPECT_EQ(app.m_strLastFolder, "C:\\WINDOWS");
}

} // namespace
