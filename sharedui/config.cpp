#include "sharedui/config.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "resources/strings.h"

const char* const kConfigKey = "SOFTWARE\\Kelvra\\Pictavo\\6.0";
const char* const kConfigValue = "ConfigDir";

namespace {

std::string FitOrEmpty(const std::string& s, size_t size) {
    return s.size() + 1 > size ? std::string() : s;
}

} // namespace

bool SharedConfig::LocateSharedConfig(bool report) {
    if (m_located) return true;
    const unsigned flags = platform::kMbOk | platform::kMbIconWarning | platform::kMbTaskModal;
    std::string folder;
    long rc = platform::reg::QueryString(kConfigKey, kConfigValue, folder, platform::kMaxPath);
    if (rc != platform::kRegOk || folder.empty()) {
        if (report)
            m_ui.MessageBox(nullptr, FormatString(IDS_CONFIG_VALUE_MISSING, {kConfigKey, kConfigValue}),
                            LoadString(IDS_CONFIG_CAPTION), flags);
        return false;
    }
    folder = platform::WithTrailingBackslash(folder);
    std::string file = platform::UpperAnsi(folder + "kelvraapp.ini");
    if (!platform::FileExists(file)) {
        if (report)
            m_ui.MessageBox(nullptr, FormatString(IDS_CONFIG_FILE_MISSING, {file, kConfigKey, kConfigValue}),
                            LoadString(IDS_CONFIG_CAPTION), flags);
        m_folder.clear();
        return false;
    }
    m_folder = folder;
    m_configFile = file;
    m_located = true;
    return true;
}

std::string SharedConfig::GetConfigFolder(size_t size) {
    if (!LocateSharedConfig(false)) return {};
    return FitOrEmpty(platform::UpperAnsi(m_folder), size);
}

std::string SharedConfig::ResolveFolder(const std::string& value) const {
    if (platform::HasDriveLetter(value)) return value;
    std::string folder = m_folder;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    std::string relative = value;
    while (!relative.empty() && relative.front() == '\\') relative.erase(0, 1);
    auto canon = platform::CanonicalPath(platform::LowerAnsi(folder + "\\" + relative));
    return canon ? *canon : value;
}

std::string SharedConfig::GetProgramFolder(const std::string& programName, size_t size) {
    if (!LocateSharedConfig(false)) return {};
    std::string value = platform::profile::GetString(m_configFile, "Config", programName + "Dir");
    std::string folder = value.empty() ? m_folder : ResolveFolder(value);
    return FitOrEmpty(platform::WithTrailingBackslash(folder), size);
}

std::string SharedConfig::GetProgramsFolder(size_t size) {
    if (!m_programsRead) {
        if (!LocateSharedConfig(false)) return {};
        std::string value = platform::profile::GetString(m_configFile, "Config", "ProgramsDir");
        m_programsFolder = platform::UpperAnsi(
            platform::WithTrailingBackslash(value.empty() ? m_folder : ResolveFolder(value)));
        m_programsRead = true;
    }
    return FitOrEmpty(m_programsFolder, size);
}

bool SharedConfig::Use3DLook(int displayColours) {
    if (m_3dLook < 0) {
        m_3dLook = LocateSharedConfig(false)
                       ? (platform::profile::GetInt(m_configFile, "Debug", "3DLook", 1) != 0 ? 1 : 0)
                       : 1;
    }
    return displayColours >= 16 && m_3dLook != 0;
}
