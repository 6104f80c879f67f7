#pragma once
// The one application object: the program's shared state. Every part of the program reaches it
// through TheApp(); a test makes a fresh one.
#include "fontdata/FontItem.h"
#include "groups/FontGroup.h"
#include "platform/ui.h"
#include "sharedui/config.h"

#include <memory>
#include <string>

class WFontMgrDlg;

class WFontMgrApp {
public:
    explicit WFontMgrApp(platform::UiPort& ui);
    ~WFontMgrApp();
    WFontMgrApp(const WFontMgrApp&) = delete;
    WFontMgrApp& operator=(const WFontMgrApp&) = delete;

    platform::UiPort& Ui() { return m_ui; }
    SharedConfig& Config() { return m_config; }

    // Start-up with the command line ("" for none) and the show-state the program was started with;
    // returns 0 (no message loop follows). Shut-down runs after it in every case.
    int AppStartup(const std::string& commandLine, int showState = 1);
    void AppShutdown();

    // Settings store.
    void ReadSettings();
    void WriteSettings();
    // The program folder with a trailing backslash, computed on first use and then kept.
    const std::string& ProgramFolder();

    // Installed-font catalog: the permanent and temporary lists, the TempFont copies and the records
    // of temporary installs.
    int RefreshInstalledFonts();
    int ClassifyInstalledFont(FontItem& item); // 1 permanent, 0 temporary
    int ReconcileTempFontFolder();
    int RecordTempInstall(const FontItem& item);
    int LookupTempInstallRecord(FontItem& item);
    int PruneTempInstallRecords();

    std::unique_ptr<FontList> m_permList;
    std::unique_ptr<FontList> m_tempList;
    std::unique_ptr<GroupList> m_groupList;
    std::unique_ptr<FontList> m_sourceList;
    std::unique_ptr<FontList> m_clipboard;
    WFontMgrDlg* m_pMainDlg = nullptr;
    platform::WindowHandle m_hFocusPane = nullptr;
    std::string m_strProgramFolder;
    int m_bSplashShown = 0;
    char m_remoteDrives[27] = {};
    int m_nRemoteDrives = -1;
    int m_bFontsChanged = 0;
    std::string m_strSettingsPath;
    std::string m_strLastFolder;
    std::string m_strGroupIconFolder;
    int m_nViewType = 1;
    int m_bViewFileNames = 0;
    int m_bShowWarnings = 1;

private:
    platform::UiPort& m_ui;
    SharedConfig m_config;
};

// The application object of the process.
WFontMgrApp& TheApp();
bool HasApp();

extern const char* const kProductName; // "Typestow"
