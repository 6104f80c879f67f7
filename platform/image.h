#pragma once
// The system image: one host folder holding a Windows-style installation. Every Windows path,
// registry access and font-table call of the program goes through the image opened here.
#include <optional>
#include <string>
#include <vector>

namespace platform {

// GetDriveType numbers.
enum DriveType : unsigned {
    kDriveUnknown = 0,
    kDriveNoRoot = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

struct DriveInfo {
    char letter = 'C'; // upper case
    unsigned type = kDriveFixed;
    std::string hostDir; // absolute host folder, no trailing slash
};

const char* DriveTypeName(unsigned type);
std::optional<unsigned> DriveTypeFromName(const std::string& name);

class Image {
public:
    Image() = default;
    // Reads <root>/system.ini; nullopt when the folder holds no image.
    static std::optional<Image> Load(const std::string& root);

    const std::string& Root() const { return m_root; }
    bool IsValid() const { return !m_root.empty(); }
    bool IsNT() const { return m_nt; }
    unsigned MajorVersion() const { return m_major; }
    unsigned MinorVersion() const { return m_minor; }
    unsigned Build() const { return m_build; }
    const std::string& Processor() const { return m_processor; }
    // Windows paths without a trailing backslash, as the Win32 calls give them.
    const std::string& WindowsDir() const { return m_windowsDir; }
    const std::string& SystemDir() const { return m_systemDir; }
    const std::string& TempDir() const { return m_tempDir; }
    const std::vector<DriveInfo>& Drives() const { return m_drives; }
    const DriveInfo* Drive(char letter) const;

    std::string SystemIniPath() const { return m_root + "/system.ini"; }
    std::string RegistryPath() const { return m_root + "/registry.reg"; }
    std::string SessionDir() const { return m_root + "/session"; }
    // Service flags live in system.ini [Services] and are read afresh each time, since another
    // program (typestow-system) may flip them while this one runs.
    bool ServiceFlag(const std::string& name) const;
    bool SetServiceFlag(const std::string& name, bool on) const;

private:
    std::string m_root;
    bool m_nt = false;
    unsigned m_major = 4, m_minor = 0, m_build = 950;
    std::string m_processor = "586";
    std::string m_windowsDir, m_systemDir, m_tempDir;
    std::vector<DriveInfo> m_drives;
};

// The image this process works on. Empty (no drives, nothing resolves) until one is opened.
const Image& CurrentImage();
bool OpenImage(const std::string& root);
// $TYPESTOW_SYSTEM when set, else $XDG_DATA_HOME/typestow/system, else ~/.local/share/typestow/system.
std::string ImageRootFromEnvironment();

struct ImageOptions {
    bool nt = false;
    // Host folder mapped as drive H:, empty for none.
    std::string homeDrive;
};
// Creates an image with drives, folders, registry and the configuration files; sample fonts are
// added by the set-up script. Fails when the folder already holds an image.
bool CreateImage(const std::string& root, const ImageOptions& options, std::string* error = nullptr);

} // namespace platform
