// Start-up and shut-down of the program: the order in which the shared configuration, settings,
// installed fonts, command-line group job, groups and Source folder come in, and go out again.
#include "app/GroupJob.h"
#include "app/WFontMgrApp.h"
#include "groups/GroupFile.h"
#include "install/scan.h"
#include "resources/strings.h"

namespace {

// A program started hidden or minimized shows no splash window.
bool SplashAllowed(int showState) {
    return showState != 0 && showState != 2 && showState != 6 && showState != 7;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

int WFontMgrApp::AppStartup(const std::string& commandLine, int showState) {
    m_nRemoteDrives = -1;
    m_remoteDrives[0] = '\0';
    m_permList.reset();
    m_tempList.reset();
    m_groupList.reset();
    m_sourceList.reset();
    m_clipboard.reset();

    if (!m_config.LocateSharedConfig(true)) return 0;

    const bool groupJob = !IsBlank(commandLine);
    auto showSplash = [&] {
        m_bSplashShown =
            SplashAllowed(showState) && m_ui.ShowSplash(showState, LoadString(IDS_SPLASH_ENUMERATING));
    };
    m_bSplashShown = 0;
    if (!groupJob) showSplash();

    ReadSettings();

    m_permList = std::make_unique<FontList>();
    m_tempList = std::make_unique<FontList>();
    m_groupList = std::make_unique<GroupList>();
    m_sourceList = std::make_unique<FontList>();
    m_clipboard = std::make_unique<FontList>();

    m_bFontsChanged = 1;
    RefreshInstalledFonts();
    ReconcileTempFontFolder();

    if (groupJob) {
        int result;
        {
            GroupJob job = ParseCommandLine(commandLine);
            result = RunGroupJob(job);
        }
        switch (result) {
        case GJ_INSTALLED:
            m_ui.MessageBox(nullptr, LoadString(IDS_GROUP_INSTALLED), LoadString(IDS_CAPTION_NOTICE),
                            platform::kMbOk | platform::kMbIconInformation);
            return 0;
        case GJ_FAILED:
            m_ui.MessageBox(nullptr, LoadString(IDS_GROUP_FAILED), LoadString(IDS_CAPTION_ERROR),
                            platform::kMbOk | platform::kMbIconError);
            return 0;
        case GJ_LAUNCH:
            showSplash();
            break;
        default:
            return 0;
        }
    }

    if (m_bSplashShown) m_ui.SetSplashStatus(LoadString(IDS_SPLASH_READING_GROUPS));
    LoadAllGroups(*m_groupList);
    if (m_bSplashShown) m_ui.SetSplashStatus(LoadString(IDS_SPLASH_READING_SOURCE));
    ScanSourceFolder(m_strLastFolder);
    if (m_bSplashShown) {
        m_ui.CloseSplash();
        m_bSplashShown = 0;
    }
    m_ui.RunMainWindow();
    return 0;
}

void WFontMgrApp::AppShutdown() {
    // A start that ended before the lists existed has nothing to write or tidy.
    if (!m_permList || !m_tempList || !m_groupList || !m_sourceList) return;
    WriteSettings();
    m_permList->RemoveAll();
    // The temporary list is still filled, so the copies and records of fonts still installed stay.
    ReconcileTempFontFolder();
    PruneTempInstallRecords();
    m_tempList.reset();
    m_sourceList.reset();
    m_clipboard.reset();
    m_groupList.reset();
    m_permList.reset();
}
