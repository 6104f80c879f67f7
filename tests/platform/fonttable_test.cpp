#include "platform/fonttable.h"

#include "platform/hostfs.h"
#include "platform/lock.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/session.h"
#include "platform/type1store.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

std::string HostFont(const std::string& name) {
    auto bytes = host::ReadFile(kDejaVu + name);
    return bytes ? *bytes : std::string();
}

// A PFM file whose PostScript name the service reads at the offset held at byte 139.
std::string MakePfm(const std::string& postScriptName) {
    std::string pfm(200, '\0');
    uint32_t offset = 160;
    std::memcpy(&pfm[139], &offset, 4);
    std::memcpy(&pfm[offset], postScriptName.c_str(), postScriptName.size());
    return pfm;
}

// DejaVu with its Unicode cmap subtable relabelled as a symbol one (platform 3, encoding 0).
std::string MakeSymbolFont() {
    std::string f = HostFont("DejaVuSans.ttf");
    auto u16 = [&](size_t at) { return (uint8_t(f[at]) << 8) | uint8_t(f[at + 1]); };
    auto u32 = [&](size_t at) { return (uint32_t(u16(at)) << 16) | u16(at + 2); };
    int tables = u16(4);
    for (int i = 0; i < tables; ++i) {
        size_t rec = 12 + 16 * i;
        if (f.compare(rec, 4, "cmap") != 0) continue;
        size_t cmap = u32(rec + 8);
        int subtables = u16(cmap + 2);
        for (int k = 0; k < subtables; ++k) {
            size_t enc = cmap + 4 + 8 * k;
            if (u16(enc) == 3 && u16(enc + 2) == 1) f[enc + 3] = 0;
            if (u16(enc) == 0) f[enc + 1] = 9; // no Unicode platform entry either
        }
    }
    return f;
}

class FontTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (HostFont("DejaVuSans.ttf").empty()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
        for (const char* name :
             {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf", "DejaVuSerif.ttf"})
            image.WriteFile(std::string("D:\\FONTS\\") + name, HostFont(name));
    }
    TestImage image;
};

struct Face {
    ENUMLOGFONTA elf;
    NEWTEXTMETRICA tm;
    uint32_t type;
};

std::vector<Face> Collect(const char* face) {
    std::vector<Face> out;
    EnumFontFamilies(face, [&](const ENUMLOGFONTA& e, const NEWTEXTMETRICA& t, uint32_t type) {
        out.push_back(Face{e, t, type});
        return 1;
    });
    return out;
}

std::vector<Face> CollectEx(const std::string& face, uint8_t charset) {
    LOGFONTA lf{};
    std::strncpy(lf.lfFaceName, face.c_str(), sizeof lf.lfFaceName - 1);
    lf.lfCharSet = charset;
    std::vector<Face> out;
    EnumFontFamiliesEx(lf, [&](const ENUMLOGFONTA& e, const NEWTEXTMETRICA& t, uint32_t type) {
        out.push_back(Face{e, t, type});
        return 1;
    });
    return out;
}

} // namespace

TEST_F(FontTableTest, AddsAreCountedAndUndoneByRepeatedRemoves) {
    const std::string path = "D:\\FONTS\\DejaVuSans.ttf";
    EXPECT_EQ(RemoveFontResource(path), 0) << "never added";
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(AddFontResource(path), 1);
        EXPECT_EQ(FontResourceCount(path), i);
    }
    // Another spelling of the same file is the same entry.
    EXPECT_EQ(AddFontResource("d:\\fonts\\.\\DEJAVUSANS.TTF"), 1);
    EXPECT_EQ(FontResourceCount(path), 4);
    ASSERT_EQ(ActiveFontFiles().size(), 1u);
    EXPECT_EQ(ActiveFontFiles()[0].path, path);

    int removes = 0;
    while (RemoveFontResource("D:\\FONTS\\dejavusans.ttf")) ++removes;
    EXPECT_EQ(removes, 4);
    EXPECT_EQ(FontResourceCount(path), 0);
    EXPECT_TRUE(ActiveFontFiles().empty());
}

TEST_F(FontTableTest, WhatIsNotAFontIsNotAdded) {
    image.WriteFile("C:\\notes.ttf", "just some text, not a font");
    image.WriteFile("C:\\empty.ttf", "");
    image.WriteFile("C:\\cut.ttf", HostFont("DejaVuSans.ttf").substr(0, 300));
    // A real file whose Windows path is 260 characters or more.
    const std::string longDir(130, 'x'), longName(130, 'y');
    host::MakeDirectories(image.Root() + "/drives/c/" + longDir);
    ASSERT_TRUE(host::WriteFileAtomic(image.Root() + "/drives/c/" + longDir + "/" + longName + ".ttf",
                                      HostFont("DejaVuSans.ttf")));
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"missing file", "D:\\FONTS\\none.ttf"},
        {"text file", "C:\\notes.ttf"},
        {"empty file", "C:\\empty.ttf"},
        {"truncated font", "C:\\cut.ttf"},
        {"unmapped drive", "Q:\\FONTS\\DejaVuSans.ttf"},
        {"folder", "D:\\FONTS"},
        {"path too long", "C:\\" + longDir + "\\" + longName + ".ttf"},
        {"empty path", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddFontResource(c.path), 0) << c.what;
        EXPECT_EQ(FontResourceCount(c.path), 0) << c.what;
    }
    EXPECT_TRUE(ActiveFontFiles().empty());
}

TEST_F(FontTableTest, BareFileNameLivesInTheFontsFolder) {
    image.WriteFile(FontsFolder() + "\\DejaVuSerif.ttf", HostFont("DejaVuSerif.ttf"));
    EXPECT_EQ(AddFontResource("DejaVuSerif.ttf"), 1);
    EXPECT_EQ(FontResourceCount("C:\\WINDOWS\\Fonts\\DejaVuSerif.ttf"), 1);
}

TEST_F(FontTableTest, RestartDropsAddedFontsAndReloadsRegisteredOnes) {
    // Registered: a file name in the Fonts folder, a full path, a .FOT name whose .TTF lies in
    // the system folder, and a file that is gone.
    image.WriteFile("C:\\WINDOWS\\Fonts\\DejaVuSans-Bold.ttf", HostFont("DejaVuSans-Bold.ttf"));
    image.WriteFile("C:\\WINDOWS\\SYSTEM\\OBLIQUE.TTF", HostFont("DejaVuSans-Oblique.ttf"));
    image.WriteFile("C:\\WINDOWS\\SYSTEM\\OBLIQUE.FOT", "resource stub");
    const std::string key = FontsRegistryKey();
    ASSERT_EQ(reg::SetString(key, "DejaVu Sans Bold (TrueType)", "DejaVuSans-Bold.ttf"), kRegOk);
    ASSERT_EQ(reg::SetString(key, "DejaVu Serif (TrueType)", "D:\\FONTS\\DejaVuSerif.ttf"), kRegOk);
    ASSERT_EQ(reg::SetString(key, "DejaVu Sans Oblique (TrueType)", "OBLIQUE.FOT"), kRegOk);
    ASSERT_EQ(reg::SetString(key, "Gone (TrueType)", "gone.ttf"), kRegOk);
    image.WriteFile("C:\\PSFONTS\\TIMESB.PFM", MakePfm("Times-Bold"));
    ASSERT_TRUE(profile::Write("ATM.INI", "Fonts", std::string("Times,bold"),
                               std::string("C:\\PSFONTS\\TIMESB.PFM,C:\\PSFONTS\\TIMESB.pfb")));
    ASSERT_TRUE(profile::Write("ATM.INI", "Fonts", std::string("Missing"),
                               std::string("C:\\PSFONTS\\NONE.PFM,C:\\PSFONTS\\NONE.pfb")));

    ASSERT_EQ(AddFontResource("D:\\FONTS\\DejaVuSans.ttf"), 1);
    ASSERT_TRUE(RestartSession());

    std::vector<ActiveFontFile> files = ActiveFontFiles();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].path, "C:\\WINDOWS\\Fonts\\DejaVuSans-Bold.TTF");
    EXPECT_EQ(files[1].path, "D:\\FONTS\\DejaVuSerif.ttf");
    EXPECT_EQ(files[2].path, "C:\\WINDOWS\\SYSTEM\\OBLIQUE.TTF");
    for (const auto& f : files) EXPECT_EQ(f.count, 1) << f.path;
    EXPECT_EQ(FontResourceCount("D:\\FONTS\\DejaVuSans.ttf"), 0);

    std::vector<Type1Record> type1 = ActiveType1Fonts();
    ASSERT_EQ(type1.size(), 1u);
    EXPECT_EQ(type1[0].menuName, "Times");
    EXPECT_EQ(type1[0].style, 2);
    EXPECT_EQ(type1[0].metricsPath, "C:\\PSFONTS\\TIMESB.PFM");
    EXPECT_EQ(type1[0].outlinePath, "C:\\PSFONTS\\TIMESB.pfb");
    EXPECT_EQ(type1[0].postScriptName, "Times-Bold");
}

TEST(FontTableNt, BootFontsComeFromTheNtKey) {
    if (HostFont("DejaVuSans.ttf").empty()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    TestImage image(true);
    EXPECT_EQ(FontsRegistryKey(), "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts");
    EXPECT_EQ(FontsFolder(), "C:\\WINNT\\SYSTEM");
    image.WriteFile("C:\\WINNT\\SYSTEM\\DejaVuSans.ttf", HostFont("DejaVuSans.ttf"));
    image.WriteFile("C:\\WINNT\\SYSTEM\\DejaVuSerif.ttf", HostFont("DejaVuSerif.ttf"));
    ASSERT_EQ(reg::SetString(FontsRegistryKey(), "DejaVu Sans (TrueType)", "DejaVuSans.ttf"), kRegOk);
    // The Windows 95 key means nothing on NT.
    ASSERT_EQ(reg::SetString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts", "DejaVu Serif (TrueType)",
                             "DejaVuSerif.ttf"),
              kRegOk);
    ASSERT_TRUE(RestartSession());
    std::vector<ActiveFontFile> files = ActiveFontFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].path, "C:\\WINNT\\System\\DejaVuSans.TTF");
}

TEST_F(FontTableTest, DamagedSessionFilesStartClean) {
    ASSERT_EQ(reg::SetString(FontsRegistryKey(), "DejaVu Serif (TrueType)", "D:\\FONTS\\DejaVuSerif.ttf"),
              kRegOk);
    ASSERT_EQ(AddFontResource("D:\\FONTS\\DejaVuSans.ttf"), 1);
    const std::string damaged[] = {"",
                                   "garbage\n",
                                   "TYPESTOW FONT TABLE 1\nx\tD:\\A.TTF\n",
                                   "TYPESTOW FONT TABLE 1\n-3\tD:\\A.TTF\n",
                                   "TYPESTOW FONT TABLE 1\n2\tno drive\n",
                                   std::string("TYPESTOW FONT TABLE 1\n1\t") + std::string(1, '\0') + "\n"};
    for (const auto& bytes : damaged) {
        ASSERT_TRUE(host::WriteFileAtomic(CurrentImage().SessionDir() + "/fonttable", bytes));
        std::vector<ActiveFontFile> files = ActiveFontFiles();
        ASSERT_EQ(files.size(), 1u) << bytes;
        EXPECT_EQ(files[0].path, "D:\\FONTS\\DejaVuSerif.ttf");
        EXPECT_EQ(Collect(nullptr).size(), 1u);
    }
    ASSERT_TRUE(host::WriteFileAtomic(CurrentImage().SessionDir() + "/type1fonts",
                                      "TYPESTOW TYPE 1 FONTS 1\nx\ty\n"));
    EXPECT_TRUE(ActiveType1Fonts().empty());
}

TEST_F(FontTableTest, EnumeratesTheFactsOfRealFiles) {
    for (const char* name :
         {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf", "DejaVuSerif.ttf"})
        ASSERT_EQ(AddFontResource(std::string("D:\\FONTS\\") + name), 1) << name;

    std::vector<Face> families = Collect(nullptr);
    ASSERT_EQ(families.size(), 2u);
    EXPECT_STREQ(families[0].elf.elfLogFont.lfFaceName, "DejaVu Sans");
    EXPECT_STREQ(families[0].elf.elfFullName, "DejaVu Sans") << "the regular style stands for its family";
    EXPECT_STREQ(families[1].elf.elfLogFont.lfFaceName, "DejaVu Serif");

    std::vector<Face> styles = Collect("dejavu sans");
    ASSERT_EQ(styles.size(), 3u);
    const struct {
        const char* full;
        const char* style;
        int32_t weight;
        bool italic;
    } expected[] = {
        {"DejaVu Sans", "Book", 400, false},
        {"DejaVu Sans Bold", "Bold", 700, false},
        {"DejaVu Sans Oblique", "Oblique", 400, true},
    };
    for (size_t i = 0; i < 3; ++i) {
        const Face& f = styles[i];
        SCOPED_TRACE(expected[i].full);
        EXPECT_STREQ(f.elf.elfFullName, expected[i].full);
        EXPECT_STREQ(f.elf.elfStyle, expected[i].style);
        EXPECT_STREQ(f.elf.elfLogFont.lfFaceName, "DejaVu Sans");
        EXPECT_EQ(f.tm.tmWeight, expected[i].weight);
        EXPECT_EQ(f.elf.elfLogFont.lfWeight, expected[i].weight);
        EXPECT_EQ(f.tm.tmItalic != 0, expected[i].italic);
        EXPECT_EQ(f.elf.elfLogFont.lfItalic != 0, expected[i].italic);
        EXPECT_EQ(f.tm.tmUnderlined, 0);
        EXPECT_EQ(f.tm.tmStruckOut, 0);
        EXPECT_EQ(f.tm.tmFirstChar, 0x20);
        EXPECT_EQ(f.tm.tmLastChar, 0xFF);
        EXPECT_EQ(f.tm.tmCharSet, kAnsiCharset);
        EXPECT_EQ(f.type & kTrueTypeFontType, kTrueTypeFontType);
        EXPECT_EQ(f.type & kRasterFontType, 0u);
        EXPECT_EQ(f.tm.tmHeight, f.tm.tmAscent + f.tm.tmDescent);
        EXPECT_GT(f.tm.tmAscent, 12);
        EXPECT_LT(f.tm.tmAscent, kNominalPixelsPerEm + 2);
        EXPECT_GT(f.tm.tmAveCharWidth, 0);
        EXPECT_GE(f.tm.tmMaxCharWidth, f.tm.tmAveCharWidth);
        EXPECT_EQ(f.tm.ntmSizeEM, 2048u);
        EXPECT_EQ(f.tm.tmPitchAndFamily & 0x06, 0x06) << "TrueType and vector bits";
        EXPECT_EQ(f.elf.elfLogFont.lfPitchAndFamily & 0x03, 2) << "variable pitch";
    }
    EXPECT_EQ(Collect("Nothing Like It").size(), 0u);

    // The callback stops the enumeration by answering 0.
    int calls = 0;
    EXPECT_EQ(EnumFontFamilies("DejaVu Sans",
                               [&](const ENUMLOGFONTA&, const NEWTEXTMETRICA&, uint32_t) {
                                   ++calls;
                                   return 0;
                               }),
              0);
    EXPECT_EQ(calls, 1);
}

TEST_F(FontTableTest, SymbolFontKeepsItsCharacterSet) {
    image.WriteFile("D:\\FONTS\\SYMBOLIC.TTF", MakeSymbolFont());
    ASSERT_EQ(AddFontResource("D:\\FONTS\\SYMBOLIC.TTF"), 1);
    ASSERT_EQ(AddFontResource("D:\\FONTS\\DejaVuSerif.ttf"), 1);

    std::vector<Face> any = CollectEx("DejaVu Sans", kDefaultCharset);
    ASSERT_EQ(any.size(), 1u);
    EXPECT_EQ(any[0].tm.tmCharSet, kSymbolCharset);
    EXPECT_EQ(any[0].elf.elfLogFont.lfCharSet, kSymbolCharset);
    EXPECT_EQ(any[0].tm.tmFirstChar, 0x20);
    EXPECT_EQ(CollectEx("DejaVu Sans", kSymbolCharset).size(), 1u);
    EXPECT_EQ(CollectEx("DejaVu Sans", kAnsiCharset).size(), 0u) << "the sample page's look-up asks for ANSI";
    EXPECT_EQ(CollectEx("DejaVu Serif", kAnsiCharset).size(), 1u);
    // No face name: one face per family and character set.
    EXPECT_EQ(CollectEx("", kDefaultCharset).size(), 2u);
    EXPECT_EQ(CollectEx("", kAnsiCharset).size(), 1u);
}

TEST_F(FontTableTest, ChangedAndDamagedFilesAreSeenAgain) {
    ASSERT_EQ(AddFontResource("D:\\FONTS\\DejaVuSans.ttf"), 1);
    ASSERT_EQ(Collect("DejaVu Sans").size(), 1u);
    // The same file now holds another font: its date and size change, and so do its facts.
    image.WriteFile("D:\\FONTS\\DejaVuSans.ttf", HostFont("DejaVuSerif.ttf"));
    EXPECT_EQ(Collect("DejaVu Sans").size(), 0u);
    ASSERT_EQ(Collect("DejaVu Serif").size(), 1u);
    // Damaged while active: skipped, and the table keeps its count.
    image.WriteFile("D:\\FONTS\\DejaVuSans.ttf", "no longer a font");
    EXPECT_TRUE(Collect(nullptr).empty());
    EXPECT_EQ(FontResourceCount("D:\\FONTS\\DejaVuSans.ttf"), 1);
    EXPECT_EQ(RemoveFontResource("D:\\FONTS\\DejaVuSans.ttf"), 1);
}

TEST_F(FontTableTest, MatchActiveFacePicksWeightAndSlant) {
    for (const char* name : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf"})
        ASSERT_EQ(AddFontResource(std::string("D:\\FONTS\\") + name), 1);
    LOGFONTA lf{};
    std::strcpy(lf.lfFaceName, "DejaVu Sans");
    const struct {
        int32_t weight;
        uint8_t italic;
        const char* file;
    } cases[] = {
        {0, 0, "DejaVuSans.ttf"}, {700, 0, "DejaVuSans-Bold.ttf"}, {400, 1, "DejaVuSans-Oblique.ttf"}};
    for (const auto& c : cases) {
        lf.lfWeight = c.weight;
        lf.lfItalic = c.italic;
        auto face = MatchActiveFace(lf);
        ASSERT_TRUE(face) << c.file;
        EXPECT_EQ(face->windowsPath, std::string("D:\\FONTS\\") + c.file);
        EXPECT_TRUE(host::Exists(face->hostPath));
    }
    std::strcpy(lf.lfFaceName, "Nothing");
    EXPECT_FALSE(MatchActiveFace(lf));
}

TEST_F(FontTableTest, ListingShowsCountsAndType1Fonts) {
    ASSERT_EQ(AddFontResource("D:\\FONTS\\DejaVuSans.ttf"), 1);
    ASSERT_EQ(AddFontResource("D:\\FONTS\\DejaVuSans.ttf"), 1);
    image.WriteFile("C:\\PSFONTS\\A.PFM", MakePfm("Alpha-Italic"));
    ASSERT_TRUE(AddType1Record(
        Type1Record{"Alpha", 1, false, "C:\\PSFONTS\\A.PFM", "C:\\PSFONTS\\A.pfb", "Alpha-Italic"}));
    std::vector<std::string> expected = {"TrueType fonts: 1 file", "  2\tD:\\FONTS\\DejaVuSans.ttf",
                                         "Type 1 fonts: 1",
                                         "  Alpha\t1\tC:\\PSFONTS\\A.PFM\tC:\\PSFONTS\\A.pfb"};
    EXPECT_EQ(FontTableListing(), expected);
}

// Two programs adding and removing the same file at the same time leave the exact count.
TEST_F(FontTableTest, TwoProcessesKeepTheExactCount) {
    const std::string path = "D:\\FONTS\\DejaVuSans.ttf";
    ASSERT_EQ(AddFontResource(path), 1); // the session and its table exist before the race
    auto run = [&](bool add) {
        std::vector<pid_t> children;
        for (int p = 0; p < 2; ++p) {
            pid_t pid = ::fork();
            if (pid == 0) {
                int ok = 0;
                for (int i = 0; i < 200; ++i)
                    ok += add ? (AddFontResource(path) != 0) : (RemoveFontResource(path) != 0);
                ::_exit(ok == 200 ? 0 : 1);
            }
            children.push_back(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    };
    run(true);
    EXPECT_EQ(FontResourceCount(path), 401);
    run(false);
    EXPECT_EQ(FontResourceCount(path), 1);
    EXPECT_EQ(RemoveFontResource(path), 1);
    EXPECT_EQ(RemoveFontResource(path), 0);
}
