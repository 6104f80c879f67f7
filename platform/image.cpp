#include "platform/image.h"

#include "platform/atm.h"
#include "platform/hostfs.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/text.h"

#include <cstdlib>
#include <filesystem>

namespace platform {

namespace {

Image g_image;

const char* const kTypeNames[] = {"unknown", "noroot", "removable", "fixed", "remote", "cdrom", "ramdisk"};

std::string Absolute(const std::string& root, const std::string& dir) {
    std::string d = dir.empty() || dir[0] == '/' ? dir : root + "/" + dir;
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    return d;
}

unsigned ParseUnsigned(const std::optional<std::string>& s, unsigned def) {
    if (!s || s->empty()) return def;
    return profile::ParseProfileInt(*s, static_cast<int>(def));
}

} // namespace

const char* DriveTypeName(unsigned type) { return type < 7 ? kTypeNames[type] : "unknown"; }

std::optional<unsigned> DriveTypeFromName(const std::string& name) {
    for (unsigned i = 2; i < 7; ++i)
        if (EqualNoCase(name, kTypeNames[i])) return i;
    return std::nullopt;
}

std::optional<Image> Image::Load(const std::string& rootIn) {
    std::error_code ec;
    std::string root = std::filesystem::absolute(rootIn, ec).lexically_normal().string();
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    auto bytes = host::ReadFile(root + "/system.ini");
    if (!bytes) return std::nullopt;
    ProfileText ini(*bytes);
    Image img;
    img.m_root = root;
    img.m_nt = EqualNoCase(ini.Get("System", "Platform").value_or("95"), "NT");
    img.m_major = ParseUnsigned(ini.Get("System", "MajorVersion"), 4);
    img.m_minor = ParseUnsigned(ini.Get("System", "MinorVersion"), 0);
    img.m_build = ParseUnsigned(ini.Get("System", "Build"), img.m_nt ? 1381 : 950);
    img.m_processor = ini.Get("System", "Processor").value_or("586");
    img.m_windowsDir = ini.Get("System", "WindowsDir").value_or(img.m_nt ? "C:\\WINNT" : "C:\\WINDOWS");
    img.m_systemDir = ini.Get("System", "SystemDir").value_or(img.m_windowsDir + (img.m_nt ? "\\SYSTEM32" : "\\SYSTEM"));
    img.m_tempDir = ini.Get("System", "TempDir").value_or(img.m_windowsDir + "\\TEMP");
    for (const auto& [letter, value] : ini.Entries("Drives")) {
        if (letter.size() != 1) continue;
        char l = UpperAnsi(letter[0]);
        if (l < 'A' || l > 'Z') continue;
        size_t colon = value.find(':');
        if (colon == std::string::npos) continue;
        auto type = DriveTypeFromName(value.substr(0, colon));
        if (!type) continue;
        img.m_drives.push_back(DriveInfo{l, *type, Absolute(root, value.substr(colon + 1))});
    }
    return img;
}

const DriveInfo* Image::Drive(char letter) const {
    char l = UpperAnsi(letter);
    for (const auto& d : m_drives)
        if (d.letter == l) return &d;
    return nullptr;
}

bool Image::ServiceFlag(const std::string& name) const {
    auto bytes = host::ReadFile(SystemIniPath());
    if (!bytes) return false;
    auto v = ProfileText(*bytes).Get("Services", name);
    return v && profile::ParseProfileInt(*v, 0) != 0;
}

bool Image::SetServiceFlag(const std::string& name, bool on) const {
    auto bytes = host::ReadFile(SystemIniPath());
    if (!bytes) return false;
    ProfileText ini(*bytes);
    ini.Set("Services", name, std::string(on ? "1" : "0"));
    return host::WriteFileAtomic(SystemIniPath(), ini.Bytes());
}

const Image& CurrentImage() { return g_image; }

bool OpenImage(const std::string& root) {
    auto img = Image::Load(root);
    if (!img) return false;
    g_image = std::move(*img);
    return true;
}

std::string ImageRootFromEnvironment() {
    if (const char* env = std::getenv("TYPESTOW_SYSTEM"); env && *env) return env;
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.local/share";
    else
        base = "/tmp";
    return base + "/typestow/system";
}

bool CreateImage(const std::string& rootIn, const ImageOptions& options, std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::error_code ec;
    std::string root = std::filesystem::absolute(rootIn, ec).lexically_normal().string();
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    if (host::Exists(root + "/system.ini")) return fail("an image already exists in " + root);
    const bool nt = options.nt;
    const std::string win = nt ? "WINNT" : "WINDOWS";
    const std::string sys = nt ? "SYSTEM32" : "SYSTEM";
    const std::string c = root + "/drives/c";
    for (const std::string& dir :
         {c + "/" + win + "/" + sys, c + "/" + win + "/SYSTEM", c + "/" + win + "/Fonts", c + "/" + win + "/Desktop",
          c + "/" + win + "/TEMP", c + "/KELVRA/TYPESTOW", root + "/drives/d/FONTS", root + "/session"}) {
        if (!host::MakeDirectories(dir)) return fail("cannot create " + dir);
    }

    ProfileText ini;
    ini.Set("System", "Platform", std::string(nt ? "NT" : "95"));
    ini.Set("System", "MajorVersion", std::string("4"));
    ini.Set("System", "MinorVersion", std::string(nt ? "0" : "0"));
    ini.Set("System", "Build", std::string(nt ? "1381" : "950"));
    ini.Set("System", "Processor", std::string("586"));
    ini.Set("System", "WindowsDir", "C:\\" + win);
    ini.Set("System", "SystemDir", "C:\\" + win + "\\" + sys);
    ini.Set("System", "TempDir", "C:\\" + win + "\\TEMP");
    ini.Set("Drives", "C", std::string("fixed:drives/c"));
    ini.Set("Drives", "D", std::string("cdrom:drives/d"));
    if (!options.homeDrive.empty()) ini.Set("Drives", "H", "fixed:" + options.homeDrive);
    ini.Set("Services", "ATM", std::string("1"));
    ini.Set("Services", "ProgramManager", std::string(nt ? "1" : "0"));

    RegistryText reg;
    reg.Set("SOFTWARE\\Kelvra\\Pictavo\\6.0", RegValue{"ConfigDir", kRegSz, "C:\\KELVRA\\", 0});
    std::string cv = nt ? "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion" : "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    reg.Set(cv, RegValue{"ProductName", kRegSz, nt ? "Microsoft Windows NT" : "Microsoft Windows 95", 0});
    reg.Set(cv, RegValue{"VersionNumber", kRegSz, nt ? "4.0" : "4.00.950", 0});
    reg.CreateKey(cv + "\\Fonts");

    ProfileText config;
    config.Set("Config", "TypestowDir", std::string("C:\\KELVRA\\TYPESTOW"));
    config.Set("Debug", "3DLook", std::string("1"));

    ProfileText atm;
    atm.Set("Settings", "ATM", std::string("On"));
    atm.Set("Fonts", std::nullopt, std::nullopt);
    std::string atmBytes = atm.Bytes() + "\r\n[Fonts]\r\n";

    if (!host::WriteFileAtomic(c + "/KELVRA/kelvraapp.ini", config.Bytes()) ||
        !host::WriteFileAtomic(c + "/" + win + "/ATM.INI", atmBytes) ||
        !host::WriteFileAtomic(root + "/registry.reg", reg.Bytes()) ||
        !host::WriteFileAtomic(root + "/system.ini", ini.Bytes()))
        return fail("cannot write the image files in " + root);
    // The Type 1 service; without a built library the image simply has none.
    atm::InstallLibrary(c + "/" + win + "/" + sys);
    return true;
}

} // namespace platform
