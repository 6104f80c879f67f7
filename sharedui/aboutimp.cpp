#include "sharedui/aboutimp.h"

#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "sharedui/welcome.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/sysinfo.h>
#include <thread>

namespace {

std::string Format(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
    });
}

std::tm LocalTime(int64_t t) {
    std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&tt, &tm);
    return tm;
}

std::string MonthDayYear(int64_t t) {
    const std::tm tm = LocalTime(t);
    return Format("%d/%d/%d", tm.tm_mon + 1, tm.tm_mday, tm.tm_year + 1900);
}

// The 24-character date and time, as "Wed Jun 30 21:49:08 1993".
std::string DateTimeText(int64_t t) {
    const std::tm tm = LocalTime(t);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%a %b %e %H:%M:%S %Y", &tm);
    return buffer;
}

const char* DriveNote(unsigned type) {
    switch (type) {
    case platform::kDriveRemote:
        return "(Network drive)";
    case platform::kDriveCdRom:
        return "(CD-ROM drive)";
    case platform::kDriveRamDisk:
        return "(Ram drive)";
    default:
        return "";
    }
}

std::vector<std::string> SystemLines(const SysInfoSources& sources) {
    const platform::Image& image = platform::CurrentImage();
    std::vector<std::string> lines;
    // Images are the two Win32 platforms; the identifiers keep the others' texts reachable.
    const int platformId = image.IsNT() ? 2 : 1;
    switch (platformId) {
    case 0:
        lines.push_back("Platform:\tWin32s(TM) on Windows 3.1");
        break;
    case 1:
        lines.push_back("Platform:\tWindows 95");
        break;
    case 2:
        lines.push_back("Platform:\tWindows NT");
        break;
    default:
        lines.push_back("Platform:\tUnknown");
        break;
    }
    lines.push_back(Format("Platform version:\t%d.%d", image.MajorVersion(), image.MinorVersion()));
    lines.push_back(Format("Platform build number:\t%d", static_cast<int>(image.Build() & 0xFFFF)));
    lines.push_back("Platform info:\t"); // images carry no service-pack text
    switch (std::atoi(image.Processor().c_str())) {
    case 386:
        lines.push_back("Processor:\tIntel 80386");
        break;
    case 486:
        lines.push_back("Processor:\tIntel 80486");
        break;
    case 586:
        lines.push_back("Processor:\tIntel Pentium (586)");
        break;
    case 4000:
        lines.push_back("Processor:\tMIPS R4000");
        break;
    case 21064:
        lines.push_back("Processor:\tAlpha 21064");
        break;
    default:
        lines.push_back("Processor:\tUnknown");
        break;
    }
    lines.push_back(Format("Number of Processors:\t%lu", sources.host.processors));
    const char* fpuKey = "HARDWARE\\DESCRIPTION\\System\\FloatingPointProcessor";
    const bool fpu = platform::reg::KeyExists(fpuKey) && !platform::reg::EnumSubkeys(fpuKey).empty();
    lines.push_back(fpu ? "Math Coprocessor:\tYes" : "Math Coprocessor:\tNo");
    // 64-bit counts: today's memory and disks overflow the 32-bit fields of old.
    auto kb = [](uint64_t bytes) { return static_cast<unsigned long long>(bytes / 1024); };
    lines.push_back(Format("Total physical memory:\t%llu KB", kb(sources.host.totalPhysical)));
    lines.push_back(Format("Available physical memory:\t%llu KB", kb(sources.host.availablePhysical)));
    lines.push_back(Format("Total virtual memory:\t%llu KB", kb(sources.host.totalVirtual)));
    lines.push_back(Format("Available virtual memory:\t%llu KB", kb(sources.host.availableVirtual)));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        const unsigned type = platform::GetDriveType(root);
        if (type < platform::kDriveRemovable || type > platform::kDriveRamDisk) continue;
        uint64_t freeBytes = 0, totalBytes = 0;
        if (!platform::GetDiskFreeSpace(root, freeBytes, totalBytes)) continue;
        lines.push_back(
            Format("Available space on drive %c:\t%llu KB\t%s", letter, kb(freeBytes), DriveNote(type)));
    }
    lines.push_back("Windows Directory:\t" + image.WindowsDir());
    lines.push_back("TEMP directory:\t" + image.TempDir());
    return lines;
}

std::vector<std::string> DisplayLines(const SysInfoSources& sources) {
    const char* key = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
    std::string desc, drv;
    if (platform::reg::QueryString(key, "DriverDesc", desc) != platform::kRegOk) desc = "<unknown>";
    if (platform::reg::QueryString(std::string(key) + "\\DEFAULT", "drv", drv) != platform::kRegOk)
        drv = "<unknown>";
    std::vector<std::string> lines;
    lines.push_back("Display:\t" + desc);
    lines.push_back("Driver:\t" + drv);
    const DisplayFacts& d = sources.display;
    lines.push_back(Format("Driver version:\t%d.%d", (d.driverVersion >> 8) & 0xFF, d.driverVersion & 0xFF));
    const std::string driverPath = platform::CurrentImage().SystemDir() + "\\" + drv;
    if (drv != "<unknown>" && platform::FileExists(driverPath)) {
        const auto found = platform::FindFiles(driverPath);
        if (!found.empty()) {
            lines.push_back(Format("Driver size:\t%lu", static_cast<unsigned long>(found[0].size)));
            lines.push_back("Driver date:\t" + DateTimeText(found[0].mtime));
        }
    }
    lines.push_back(Format("Display width:\t%d", d.width));
    lines.push_back(Format("Display height:\t%d", d.height));
    lines.push_back(DisplayModeLine(d.bitsPerPixel * d.planes));
    return lines;
}

// The image keeps no printers: the list holds only its header.
std::vector<std::string> PrintingLines() {
    std::vector<std::string> lines;
    lines.insert(lines.begin(), "Installed Printers\tDriver\tVersion\tDate\tSize\tPort");
    return lines;
}

void AddFileLines(std::vector<std::string>& lines, const std::string& folder, const char* pattern) {
    if (folder.empty()) return;
    const bool slash = folder.back() == '\\';
    for (const auto& f : platform::FindFiles(folder + (slash ? "" : "\\") + pattern)) {
        // "Normal" is how a file with no other attribute reports itself; it counts as plain.
        if (f.attributes & ~(platform::kAttrReadOnly | platform::kAttrArchive | platform::kAttrNormal))
            continue;
        // The image's files carry no version resources, so the version column stays blank.
        InsertSorted(lines, Format("%s\t%s\t%s\t%ld", f.name.c_str(), " ", MonthDayYear(f.mtime).c_str(),
                                   static_cast<long>(f.size)));
    }
}

std::vector<std::string> FileLines(const std::string& folder, bool withExe) {
    std::vector<std::string> lines;
    if (withExe) AddFileLines(lines, folder, "*.exe");
    AddFileLines(lines, folder, "*.dll");
    lines.insert(lines.begin(), "File\tVersion\tDate\tSize");
    return lines;
}

} // namespace

AboutRecord ProgramAboutRecord(platform::WindowHandle owner) {
    AboutRecord r;
    r.hOwner = owner;
    r.nIconId = IDI_MAINFRAME;
    r.nProductNameId = IDS_PRODUCT_TITLE;
    r.nVersionId = IDS_PRODUCT_VERSION;
    r.nBuildVersionId = IDS_PRODUCT_BUILD;
    r.nFirstNoticeId = IDS_PRODUCT_NOTICE1;
    r.nNoticeCount = 2;
    r.nCentredLineId = IDS_PRODUCT_OVER_PICTURE;
    return r;
}

std::string AboutCaption(const AboutRecord& record) {
    return FormatString(IDS_ABOUT_CAPTION, {LoadString(record.nProductNameId)});
}

std::string AboutProductLine(const AboutRecord& record) {
    return LoadString(record.nProductNameId);
}

std::string AboutVersionLine(const AboutRecord& record) {
    const std::string build = LoadString(record.nBuildVersionId);
    return build.empty() ? LoadString(record.nVersionId) : build;
}

std::string AboutNoticeText(const AboutRecord& record) {
    std::string text;
    for (unsigned i = 0; i < record.nNoticeCount; ++i) {
        std::string line = LoadString(record.nFirstNoticeId + i);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (i > 0) text += '\n';
        text += line;
    }
    return text;
}

std::string AboutExtraText(const AboutRecord& record) {
    return JoinStringLines(record.nFirstExtraId, record.nExtraCount, " ");
}

std::string AboutCentredLine(const AboutRecord& record) {
    return record.nCentredLineId ? LoadString(record.nCentredLineId) : "";
}

std::string AboutFreeSpaceLine(const std::string& path) {
    char letter = 0;
    if (path.size() >= 2 && path[1] == ':') letter = platform::UpperAnsi(path[0]);
    // A program of the image runs with its Windows folder's drive current.
    if (!letter) {
        const std::string& windows = platform::CurrentImage().WindowsDir();
        letter = windows.size() >= 2 && windows[1] == ':' ? platform::UpperAnsi(windows[0]) : 'C';
    }
    uint64_t freeBytes = 0, totalBytes = 0;
    if (!platform::GetDiskFreeSpace(std::string(1, letter) + ":\\", freeBytes, totalBytes)) freeBytes = 0;
    return Format("Disk Space Free: %llu KB (%c:)", static_cast<unsigned long long>(freeBytes / 1024),
                  letter);
}

std::string SysInfoCategoryName(int category) {
    static const unsigned ids[] = {IDS_SYSINFO_CAT_SYSTEM, IDS_SYSINFO_CAT_DISPLAY, IDS_SYSINFO_CAT_PRINTING,
                                   IDS_SYSINFO_CAT_PROGRAMS, IDS_SYSINFO_CAT_SYSTEM_DLLS};
    if (category < 0 || category >= kSysInfoCategoryCount) return "";
    return LoadString(ids[category]);
}

std::vector<int> SysInfoTabStops(int category) {
    switch (category) {
    case kSysInfoSystem:
        return {100, 160};
    case kSysInfoDisplay:
        return {100};
    case kSysInfoPrinting:
        return {100, 140, 180, 220, 260};
    default:
        return {80, 120, 160};
    }
}

HostFacts HostFactsNow() {
    HostFacts h;
    h.processors = std::max(1u, std::thread::hardware_concurrency());
    struct sysinfo si {};
    if (::sysinfo(&si) == 0) {
        const uint64_t unit = si.mem_unit ? si.mem_unit : 1;
        h.totalPhysical = static_cast<uint64_t>(si.totalram) * unit;
        h.availablePhysical = static_cast<uint64_t>(si.freeram) * unit;
        // The paging-file figures are the commit limit: memory and swap together.
        h.totalVirtual = (static_cast<uint64_t>(si.totalram) + si.totalswap) * unit;
        h.availableVirtual = (static_cast<uint64_t>(si.freeram) + si.freeswap) * unit;
    }
    return h;
}

std::vector<std::string> SysInfoLines(int category, const SysInfoSources& sources) {
    switch (category) {
    case kSysInfoSystem:
        return SystemLines(sources);
    case kSysInfoDisplay:
        return DisplayLines(sources);
    case kSysInfoPrinting:
        return PrintingLines();
    case kSysInfoPrograms:
        return FileLines(sources.programsFolder, true);
    case kSysInfoSystemDlls:
        return FileLines(platform::CurrentImage().SystemDir(), false);
    default:
        return {};
    }
}

std::string DisplayModeLine(int bits) {
    switch (bits) {
    case 1:
        return "Mode:\tBlack and White";
    case 4:
        return "Mode:\t16 Colors";
    case 8:
        return "Mode:\t256 Colors";
    case 15:
    case 16:
        return "Mode:\t65K Colors";
    default:
        return "Mode:\t24 Bit Color";
    }
}

void InsertSorted(std::vector<std::string>& lines, const std::string& line) {
    lines.insert(std::upper_bound(lines.begin(), lines.end(), line, LessNoCase), line);
}

int SysInfoLineExtent(int widthAfterLastTab, bool hasTab, int lastTabStopDu, int dialogBaseUnitX) {
    const int tab = hasTab ? lastTabStopDu * dialogBaseUnitX / 4 : 0;
    return widthAfterLastTab + tab + 2;
}

std::string
SysInfoReportText(const std::vector<std::pair<std::string, std::vector<std::string>>>& categories) {
    std::string text;
    for (const auto& [name, lines] : categories) {
        text += name + "\r\n" + std::string(name.size(), '-') + "\r\n";
        for (const auto& line : lines) text += line.substr(0, 260) + "\r\n";
        text += "\r\n\r\n";
    }
    return text;
}

std::string SysInfoReportPath(const std::string& configFolder) {
    std::string folder = platform::UpperAnsi(configFolder);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder + "\\" + LoadString(IDS_SYSINFO_FILE_NAME);
}

int SaveSystemInfo(const std::string& configFolder, const SysInfoSources& sources, std::string& path) {
    path = SysInfoReportPath(configFolder);
    std::vector<std::pair<std::string, std::vector<std::string>>> categories;
    for (int c = 0; c < kSysInfoCategoryCount; ++c)
        categories.emplace_back(SysInfoCategoryName(c), SysInfoLines(c, sources));
    if (configFolder.empty()) return 0;
    return platform::WriteWholeFile(path, SysInfoReportText(categories)) ? 1 : 0;
}

std::string SysInfoSaveMessage(int saved, const std::string& path) {
    return FormatString(saved ? IDS_SYSINFO_SAVED : IDS_SYSINFO_SAVE_FAILED, {path});
}
