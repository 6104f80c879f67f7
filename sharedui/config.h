#pragma once
// The product family's shared configuration: the registry names the configuration folder, and
// "kelvraapp.ini" there names each program's folder.
#include "platform/ui.h"

#include <string>

extern const char* const kConfigKey;   // below HKEY_LOCAL_MACHINE
extern const char* const kConfigValue; // "ConfigDir"

class SharedConfig {
public:
    explicit SharedConfig(platform::UiPort& ui) : m_ui(ui) {}

    // Reports a missing registry value or configuration file when `report` is set.
    bool LocateSharedConfig(bool report);
    bool IsLocated() const { return m_located; }
    // Each returns "" when the result does not fit in `size` bytes (with its NUL).
    std::string GetConfigFolder(size_t size = 260);
    std::string GetProgramFolder(const std::string& programName, size_t size = 260);
    std::string GetProgramsFolder(size_t size = 260);
    // The configuration file path, upper-cased ("C:\\KELVRA\\KELVRAAPP.INI").
    const std::string& ConfigFile() const { return m_configFile; }
    bool Use3DLook(int displayColours = 1 << 24);

private:
    std::string ResolveFolder(const std::string& value) const;

    platform::UiPort& m_ui;
    std::string m_folder;
    std::string m_configFile;
    bool m_located = false;
    bool m_programsRead = false;
    std::string m_programsFolder;
    int m_3dLook = -1;
};
