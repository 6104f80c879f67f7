#pragma once
// The About box's record and texts, and the System Info report: its five categories, the lines of
// each and the saved "sysinfo.txt". The windows are in sharedui/ui/.
#include "platform/ui.h"

#include <cstdint>
#include <string>
#include <vector>

struct AboutRecord {
    platform::WindowHandle hOwner = nullptr;
    const void* hIconModule = nullptr; // nullptr: the program's own pictures
    unsigned nIconId = 0;
    const void* hStringModule = nullptr; // nullptr: the program's own strings
    unsigned nProductNameId = 0;
    unsigned nVersionId = 0;
    unsigned nBuildVersionId = 0;
    unsigned nFirstNoticeId = 0;
    unsigned nNoticeCount = 0;
    unsigned nFirstExtraId = 0;
    unsigned nExtraCount = 0;
    unsigned nCentredLineId = 0;
    std::string strFreeText;      // optional
    std::string strFreeSpacePath; // optional; "" measures the current drive
    void (*pfnIconDoubleClick)() = nullptr;
};

// The record this program passes.
AboutRecord ProgramAboutRecord(platform::WindowHandle owner);

std::string AboutCaption(const AboutRecord& record);     // "About Kelvra TYPESTOW"
std::string AboutProductLine(const AboutRecord& record); // the product name
std::string AboutVersionLine(const AboutRecord& record); // build version when it loads, else version
std::string AboutNoticeText(const AboutRecord& record);  // joined by line breaks
std::string AboutExtraText(const AboutRecord& record);   // joined by spaces; "" hides the control
std::string AboutCentredLine(const AboutRecord& record); // "" hides the control
// "Disk Space Free: 1234 KB (C:)" for the drive of `path`, or of the current folder when empty.
std::string AboutFreeSpaceLine(const std::string& path);

// System Info categories in list order.
enum SysInfoCategory : int {
    kSysInfoSystem = 0,
    kSysInfoDisplay = 1,
    kSysInfoPrinting = 2,
    kSysInfoPrograms = 3,
    kSysInfoSystemDlls = 4,
    kSysInfoCategoryCount = 5,
};
std::string SysInfoCategoryName(int category);
// Tab stops of a category's list, in dialog units.
std::vector<int> SysInfoTabStops(int category);

// What the display and the host tell; the window fills the display part from Qt.
struct DisplayFacts {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int planes = 1;
    int driverVersion = 0x400; // high byte major, low byte minor
};
struct HostFacts {
    unsigned long processors = 1;
    uint64_t totalPhysical = 0, availablePhysical = 0; // bytes
    uint64_t totalVirtual = 0, availableVirtual = 0;
};
HostFacts HostFactsNow();

struct SysInfoSources {
    DisplayFacts display;
    HostFacts host;
    std::string programsFolder; // the shared configuration's programs folder; "" when unknown
};

// The lines of a category in the order the list shows them.
std::vector<std::string> SysInfoLines(int category, const SysInfoSources& sources);

// "Mode:\t..." by bits per pixel times planes.
std::string DisplayModeLine(int bits);
// Puts a line where a sorted list box would: case-insensitive alphabetical order, after equals.
void InsertSorted(std::vector<std::string>& lines, const std::string& line);
// The width a line needs in the list: the text after its last tab, placed at the last tab stop.
int SysInfoLineExtent(int widthAfterLastTab, bool hasTab, int lastTabStopDu, int dialogBaseUnitX);

// The saved report: each category's name, a row of "-", its lines (each cut to 260 characters) and
// a blank line pair, all with CR LF.
std::string
SysInfoReportText(const std::vector<std::pair<std::string, std::vector<std::string>>>& categories);
// "SYSINFO.TXT"'s place: the configuration folder in upper case and "sysinfo.txt".
std::string SysInfoReportPath(const std::string& configFolder);
// Writes the report of every category; 1 when written. `path` receives the path tried.
int SaveSystemInfo(const std::string& configFolder, const SysInfoSources& sources, std::string& path);
// The message after saving: "System info was saved to %s." or "Unable to save system info to %s.".
std::string SysInfoSaveMessage(int saved, const std::string& path);
