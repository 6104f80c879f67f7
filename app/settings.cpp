// The settings store: "typestow.ini" in the program folder, read once at start-up and written once
// at shut-down.
#include "app/WFontMgrApp.h"

#include "platform/files.h"
#include "platform/image.h"
#include "platform/profile.h"
#include "resources/strings.h"

namespace {
const char* const kSection = "config";
}

void WFontMgrApp::ReadSettings() {
    namespace profile = platform::profile;
    m_strSettingsPath = ProgramFolder() + "typestow.ini";
    m_nViewType = static_cast<int>(profile::GetInt(m_strSettingsPath, kSection, "ViewType", 1));
    m_bViewFileNames = static_cast<int>(profile::GetInt(m_strSettingsPath, kSection, "ViewFileNames", 0));
    m_bShowWarnings = profile::GetInt(m_strSettingsPath, kSection, "ShowWarnings", 1) != 0 ? 1 : 0;

    const auto& image = platform::CurrentImage();
    profile::GetString(m_strSettingsPath, kSection, "LastFolder", image.SystemDir(), m_strLastFolder, 260);
    if (platform::FileAttributes(m_strLastFolder) == platform::kInvalidAttributes) {
        if (m_bShowWarnings)
            m_ui.MessageBox(m_ui.ActiveWindow(), LoadString(IDS_FOLDER_INVALID),
                            LoadString(IDS_CAPTION_WARNING), platform::kMbOk | platform::kMbIconWarning);
        m_strLastFolder = image.WindowsDir();
    }
    profile::GetString(m_strSettingsPath, kSection, "GroupIconFolder", "Startup", m_strGroupIconFolder, 260);
}

void WFontMgrApp::WriteSettings() {
    namespace profile = platform::profile;
    // A failed write at shut-down is not reported.
    profile::Write(m_strSettingsPath, kSection, std::string("LastFolder"), m_strLastFolder);
    profile::Write(m_strSettingsPath, kSection, std::string("ViewType"), std::to_string(m_nViewType));
    profile::Write(m_strSettingsPath, kSection, std::string("ViewFileNames"),
                   std::to_string(m_bViewFileNames));
    profile::Write(m_strSettingsPath, kSection, std::string("ShowWarnings"),
                   std::string(m_bShowWarnings ? "1" : "0"));
    profile::Write(m_strSettingsPath, kSection, std::string("GroupIconFolder"), m_strGroupIconFolder);
}
