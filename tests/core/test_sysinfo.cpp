// The splash window's rules, the About box's texts and the System Info report.
#include "platform/files.h"
#include "platform/registry.h"
#include "resources/strings.h"
#include "sharedui/aboutimp.h"
#include "sharedui/welcome.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

TEST(SplashRules, ColourCountByDepthAndPalette) {
    struct Case {
        int bits, planes;
        bool palette;
        int paletteSize;
        long colours;
    } cases[] = {
        {1, 1, false, 0, 2},      {4, 1, false, 0, 16},        {1, 4, false, 0, 16},
        {8, 1, true, 236, 236},   {8, 1, false, 0, 256},       {16, 1, true, 256, 65536},
        {15, 1, false, 0, 32768}, {24, 1, false, 0, 16777216}, {32, 1, false, 0, 16777216},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayColourCount(c.bits, c.planes, c.palette, c.paletteSize), c.colours)
            << c.bits << " bits x " << c.planes;
}

TEST(SplashRules, BitmapByColourCount) {
    const SplashRecord r = ProgramSplashRecord(nullptr);
    const std::pair<long, unsigned> cases[] = {{2, 153},   {3, 152},   {16, 152},
                                               {255, 152}, {256, 151}, {16777216, 151}};
    for (const auto& [colours, id] : cases) EXPECT_EQ(SplashBitmapId(r, colours), id) << colours;
}

TEST(SplashRules, ProgramRecord) {
    const SplashRecord r = ProgramSplashRecord(nullptr);
    EXPECT_STREQ(LoadString(r.nCaptionId), "Kelvra TYPESTOW");
    EXPECT_STREQ(LoadString(r.nLargeLineId), "Version 6.0");
    EXPECT_STREQ(LoadString(r.nStatusId), "Enumerating Installed Fonts");
    EXPECT_STREQ(LoadString(r.nOverPictureId), ""); // nothing is drawn over the picture
    EXPECT_EQ(r.nNoticeCount, 2u);
    EXPECT_EQ(r.nSmallPrintCount, 0u);
    EXPECT_EQ(SplashSmallPrintText(r), "");
}

TEST(SplashRules, HiddenAndMinimizedStartsShowNothing) {
    for (int state : {0, 2, 6, 7}) EXPECT_FALSE(SplashShowStateAllowed(state)) << state;
    for (int state : {1, 3, 4, 5, 8, 9, 10}) EXPECT_TRUE(SplashShowStateAllowed(state)) << state;
}

TEST(SplashRules, CloseWaitsOutFifteenHundredMilliseconds) {
    EXPECT_EQ(SplashRemainingMs(1000, 1000), 1500);
    EXPECT_EQ(SplashRemainingMs(1000, 1200), 1300);
    EXPECT_EQ(SplashRemainingMs(1000, 2499), 1);
    EXPECT_EQ(SplashRemainingMs(1000, 2500), 0);
    EXPECT_EQ(SplashRemainingMs(1000, 9000), 0);
    EXPECT_EQ(SplashRemainingMs(-1, 5), 0); // never painted: nothing to wait for
}

TEST(SplashRules, StatusKeepsAtMostOneHundredCharacters) {
    EXPECT_EQ(SplashStatusText("Reading the Groups"), "Reading the Groups");
    EXPECT_EQ(SplashStatusText(std::string(100, 'x')).size(), 100u);
    EXPECT_EQ(SplashStatusText(std::string(150, 'x')), std::string(100, 'x'));
}

TEST(SplashRules, LinesJoinUnlessThePreviousEndsWithABreak) {
    // "Error", "Warning", "Notice" are consecutive strings.
    EXPECT_EQ(JoinStringLines(IDS_CAPTION_ERROR, 3, "  "), "Error  Warning  Notice");
    EXPECT_EQ(JoinStringLines(IDS_CAPTION_ERROR, 3, " "), "Error Warning Notice");
    EXPECT_EQ(JoinStringLines(IDS_CAPTION_ERROR, 0, " "), "");
    // The first notice line ends with a line break, so no spaces follow it.
    const std::string notice = SplashNoticeText(ProgramSplashRecord(nullptr));
    const std::string first = LoadString(IDS_PRODUCT_NOTICE1);
    ASSERT_EQ(first.back(), '\n');
    EXPECT_EQ(notice, first + LoadString(IDS_PRODUCT_NOTICE2));
}

TEST(SplashRules, LargeLineFace) {
    EXPECT_EQ(LargeLineFace("Arial"), "Arial");
    EXPECT_EQ(LargeLineFace("AvantGarde Md BT"), "AvantGarde Md BT");
    EXPECT_EQ(LargeLineFace("DejaVu Sans"), "AvantGarde Md BT");
    EXPECT_EQ(LargeLineFace(""), "AvantGarde Md BT");
}

TEST(AboutTexts, ProgramRecord) {
    TestImage image;
    AboutRecord r = ProgramAboutRecord(nullptr);
    EXPECT_EQ(AboutCaption(r), "About Kelvra TYPESTOW");
    EXPECT_EQ(AboutProductLine(r), "Kelvra TYPESTOW");
    EXPECT_EQ(AboutVersionLine(r), "Version 6.00.112");
    EXPECT_EQ(AboutNoticeText(r),
              std::string("Copyright \xA9 Kelvra. All rights reserved.\n") + LoadString(IDS_PRODUCT_NOTICE2));
    EXPECT_EQ(AboutExtraText(r), "");
    EXPECT_EQ(AboutCentredLine(r), "");
    // Without a build-version string the version line stands in.
    r.nBuildVersionId = 0;
    EXPECT_EQ(AboutVersionLine(r), "Version 6.0");
    r.nFirstExtraId = IDS_CAPTION_ERROR;
    r.nExtraCount = 2;
    EXPECT_EQ(AboutExtraText(r), "Error Warning");
}

TEST(AboutTexts, FreeSpaceLineNamesTheDrive) {
    TestImage image;
    const std::regex shape(R"(Disk Space Free: \d+ KB \(([A-Z]):\))");
    const std::pair<std::string, std::string> cases[] = {
        {"", "C"}, {"c:\\KELVRA", "C"}, {"D:\\FONTS", "D"}, {"Q:\\none", "Q"}};
    for (const auto& [path, letter] : cases) {
        const std::string line = AboutFreeSpaceLine(path);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, shape)) << line;
        EXPECT_EQ(m[1], letter) << path;
    }
    // A drive that does not exist, and a CD-ROM, have nothing free.
    EXPECT_EQ(AboutFreeSpaceLine("Q:\\none"), "Disk Space Free: 0 KB (Q:)");
    EXPECT_EQ(AboutFreeSpaceLine("D:\\"), "Disk Space Free: 0 KB (D:)");
}

TEST(SysInfo, CategoriesAndTabStops) {
    const char* names[] = {"System", "Display", "Printing", "Kelvra EXEs & DLLs", "System DLLs"};
    for (int c = 0; c < kSysInfoCategoryCount; ++c) EXPECT_EQ(SysInfoCategoryName(c), names[c]);
    EXPECT_EQ(SysInfoCategoryName(5), "");
    EXPECT_EQ(SysInfoTabStops(kSysInfoSystem), (std::vector<int>{100, 160}));
    EXPECT_EQ(SysInfoTabStops(kSysInfoDisplay), (std::vector<int>{100}));
    EXPECT_EQ(SysInfoTabStops(kSysInfoPrinting), (std::vector<int>{100, 140, 180, 220, 260}));
    EXPECT_EQ(SysInfoTabStops(kSysInfoPrograms), (std::vector<int>{80, 120, 160}));
    EXPECT_EQ(SysInfoTabStops(kSysInfoSystemDlls), (std::vector<int>{80, 120, 160}));
}

TEST(SysInfo, DisplayModeByBits) {
    const std::pair<int, const char*> cases[] = {
        {1, "Mode:\tBlack and White"}, {4, "Mode:\t16 Colors"},    {8, "Mode:\t256 Colors"},
        {15, "Mode:\t65K Colors"},     {16, "Mode:\t65K Colors"},  {24, "Mode:\t24 Bit Color"},
        {32, "Mode:\t24 Bit Color"},   {2, "Mode:\t24 Bit Color"},
    };
    for (const auto& [bits, line] : cases) EXPECT_EQ(DisplayModeLine(bits), line) << bits;
}

TEST(SysInfo, SortedInsertIgnoresCase) {
    std::vector<std::string> lines;
    for (const char* s : {"b.dll", "A.EXE", "c.dll", "B.DLL", "a.dll"}) InsertSorted(lines, s);
    EXPECT_EQ(lines, (std::vector<std::string>{"a.dll", "A.EXE", "b.dll", "B.DLL", "c.dll"}));
}

TEST(SysInfo, LineExtent) {
    EXPECT_EQ(SysInfoLineExtent(50, true, 160, 6), 50 + 240 + 2);
    EXPECT_EQ(SysInfoLineExtent(50, false, 160, 6), 52);
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        out.push_back(line.substr(start, tab - start));
    out.push_back(line.substr(start));
    return out;
}

TEST(SysInfo, SystemLinesOfTheImage) {
    for (bool nt : {false, true}) {
        TestImage image(nt);
        SysInfoSources sources;
        sources.host.processors = 4;
        sources.host.totalPhysical = 64u << 20;
        sources.host.availablePhysical = 8u << 20;
        auto lines = SysInfoLines(kSysInfoSystem, sources);
        ASSERT_GE(lines.size(), 14u);
        EXPECT_EQ(lines[0], nt ? "Platform:\tWindows NT" : "Platform:\tWindows 95");
        EXPECT_EQ(lines[1], "Platform version:\t4.0");
        EXPECT_EQ(lines[2], nt ? "Platform build number:\t1381" : "Platform build number:\t950");
        EXPECT_EQ(lines[4], "Processor:\tIntel Pentium (586)");
        EXPECT_EQ(lines[5], "Number of Processors:\t4");
        EXPECT_EQ(lines[6], "Math Coprocessor:\tNo");
        EXPECT_EQ(lines[7], "Total physical memory:\t65536 KB");
        EXPECT_EQ(lines[8], "Available physical memory:\t8192 KB");
        EXPECT_EQ(Fields(lines[11])[0], "Available space on drive C:");
        EXPECT_EQ(Fields(lines[11])[2], "");
        EXPECT_EQ(lines[12], "Available space on drive D:\t0 KB\t(CD-ROM drive)");
        EXPECT_EQ(lines[lines.size() - 2],
                  nt ? "Windows Directory:\tC:\\WINNT" : "Windows Directory:\tC:\\WINDOWS");
        EXPECT_EQ(Fields(lines.back())[0], "TEMP directory:");
    }
}

TEST(SysInfo, MathCoprocessorNeedsASubkey) {
    TestImage image;
    const std::string key = "HARDWARE\\DESCRIPTION\\System\\FloatingPointProcessor";
    auto fpuLine = [] { return SysInfoLines(kSysInfoSystem, {})[6]; };
    ASSERT_EQ(platform::reg::CreateKey(key), platform::kRegOk);
    EXPECT_EQ(fpuLine(), "Math Coprocessor:\tNo");
    ASSERT_EQ(platform::reg::CreateKey(key + "\\0"), platform::kRegOk);
    EXPECT_EQ(fpuLine(), "Math Coprocessor:\tYes");
}

TEST(SysInfo, DisplayLines) {
    TestImage image;
    SysInfoSources sources;
    sources.display = {1280, 1024, 16, 1, 0x30A};
    auto lines = SysInfoLines(kSysInfoDisplay, sources);
    EXPECT_EQ(lines, (std::vector<std::string>{"Display:\t<unknown>", "Driver:\t<unknown>",
                                               "Driver version:\t3.10", "Display width:\t1280",
                                               "Display height:\t1024", "Mode:\t65K Colors"}));
    // With the driver named in the registry and present in the system folder, its size and date.
    const std::string key = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
    ASSERT_EQ(platform::reg::SetString(key, "DriverDesc", "Super VGA"), platform::kRegOk);
    ASSERT_EQ(platform::reg::SetString(key + "\\DEFAULT", "drv", "SVGA.DRV"), platform::kRegOk);
    image.WriteFile("C:\\WINDOWS\\SYSTEM\\SVGA.DRV", "12345");
    lines = SysInfoLines(kSysInfoDisplay, sources);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Display:\tSuper VGA");
    EXPECT_EQ(lines[1], "Driver:\tSVGA.DRV");
    EXPECT_EQ(lines[3], "Driver size:\t5");
    EXPECT_EQ(Fields(lines[4])[0], "Driver date:");
    EXPECT_EQ(Fields(lines[4])[1].size(), 24u) << lines[4];
}

TEST(SysInfo, FileListsAreSortedUnderTheirHeader) {
    TestImage image;
    for (const char* name : {"zeta.dll", "Alpha.exe", "beta.DLL", "notes.txt"})
        image.WriteFile(std::string("C:\\KELVRA\\") + name, "abc");
    ASSERT_TRUE(platform::CreateFolder("C:\\KELVRA\\folder.dll")); // folders are not listed
    SysInfoSources sources;
    sources.programsFolder = "C:\\KELVRA\\";
    const auto lines = SysInfoLines(kSysInfoPrograms, sources);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "File\tVersion\tDate\tSize");
    EXPECT_EQ(Fields(lines[1])[0], "Alpha.exe");
    EXPECT_EQ(Fields(lines[2])[0], "beta.DLL");
    EXPECT_EQ(Fields(lines[3])[0], "zeta.dll");
    const auto f = Fields(lines[3]);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[1], " "); // no version resource
    EXPECT_TRUE(std::regex_match(f[2], std::regex(R"(\d{1,2}/\d{1,2}/\d{4})"))) << f[2];
    EXPECT_EQ(f[3], "3");
    // Without a programs folder the category lists only its header.
    EXPECT_EQ(SysInfoLines(kSysInfoPrograms, {}), (std::vector<std::string>{"File\tVersion\tDate\tSize"}));
    // The system folder's DLLs, without its other files.
    image.WriteFile("C:\\WINDOWS\\SYSTEM\\Gdi.dll", "x");
    image.WriteFile("C:\\WINDOWS\\SYSTEM\\Shell.exe", "x");
    const auto dlls = SysInfoLines(kSysInfoSystemDlls, {});
    EXPECT_EQ(dlls.front(), "File\tVersion\tDate\tSize");
    for (size_t i = 1; i < dlls.size(); ++i) EXPECT_EQ(Fields(dlls[i])[0].find(".exe"), std::string::npos);
    EXPECT_NE(std::find_if(dlls.begin(), dlls.end(),
                           [](const std::string& l) { return l.rfind("Gdi.dll\t", 0) == 0; }),
              dlls.end());
}

TEST(SysInfo, PrintingHasOnlyItsHeader) {
    TestImage image;
    EXPECT_EQ(SysInfoLines(kSysInfoPrinting, {}),
              (std::vector<std::string>{"Installed Printers\tDriver\tVersion\tDate\tSize\tPort"}));
}

TEST(SysInfoReport, TextLayout) {
    const std::string text =
        SysInfoReportText({{"Display", {"a\tb", std::string(300, 'x')}}, {"Printing", {}}});
    EXPECT_EQ(text, "Display\r\n-------\r\na\tb\r\n" + std::string(260, 'x') +
                        "\r\n\r\n\r\nPrinting\r\n--------\r\n\r\n\r\n");
}

TEST(SysInfoReport, SavedInTheConfigurationFolder) {
    TestImage image;
    std::string path;
    ASSERT_EQ(SaveSystemInfo("c:\\kelvra\\", {}, path), 1);
    EXPECT_EQ(path, "C:\\KELVRA\\sysinfo.txt");
    const std::string text = image.ReadFile("C:\\KELVRA\\sysinfo.txt");
    EXPECT_EQ(text.rfind("System\r\n------\r\nPlatform:\tWindows 95\r\n", 0), 0u);
    for (const char* heading : {"\r\n\r\n\r\nDisplay\r\n-------\r\n", "\r\n\r\n\r\nPrinting\r\n--------\r\n",
                                "\r\n\r\n\r\nKelvra EXEs & DLLs\r\n------------------\r\n",
                                "\r\n\r\n\r\nSystem DLLs\r\n-----------\r\n"})
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    EXPECT_EQ(SysInfoSaveMessage(1, path), "System info was saved to C:\\KELVRA\\sysinfo.txt.");
}

TEST(SysInfoReport, FailuresSayWhereItTried) {
    TestImage image;
    std::string path;
    // No configuration folder.
    EXPECT_EQ(SaveSystemInfo("", {}, path), 0);
    EXPECT_EQ(SysInfoSaveMessage(0, path), "Unable to save system info to \\sysinfo.txt.");
    // A folder that is not there.
    EXPECT_EQ(SaveSystemInfo("C:\\NOWHERE", {}, path), 0);
    EXPECT_EQ(path, "C:\\NOWHERE\\sysinfo.txt");
    // A read-only report is left as it is.
    image.WriteFile("C:\\KELVRA\\sysinfo.txt", "old");
    ASSERT_TRUE(platform::SetFileAttributes("C:\\KELVRA\\sysinfo.txt", platform::kAttrReadOnly));
    EXPECT_EQ(SaveSystemInfo("C:\\KELVRA", {}, path), 0);
    EXPECT_EQ(image.ReadFile("C:\\KELVRA\\sysinfo.txt"), "old");
    EXPECT_EQ(SysInfoSaveMessage(0, path), "Unable to save system info to C:\\KELVRA\\sysinfo.txt.");
}

} // namespace
