#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

namespace {

TEST(Paths, ResolveWithoutRegardToCase) {
    TestImage image;
    image.WriteFile("C:\\WINDOWS\\Fonts\\Arial.TTF", "x");
    const std::string expected = image.Root() + "/drives/c/WINDOWS/Fonts/Arial.TTF";
    for (const char* p : {"C:\\WINDOWS\\Fonts\\Arial.TTF", "c:\\windows\\FONTS\\arial.ttf",
                          "C:/Windows/fonts/ARIAL.ttf", "C:\\WINDOWS\\.\\SYSTEM\\..\\Fonts\\arial.ttf"})
        EXPECT_EQ(HostPath(p).value_or("?"), expected) << p;
    // Missing components are kept as given.
    EXPECT_EQ(HostPath("C:\\windows\\New\\File.txt").value_or("?"),
              image.Root() + "/drives/c/WINDOWS/New/File.txt");
}

TEST(Paths, FailLikeAMissingFile) {
    TestImage image;
    const std::string longPath = "C:\\" + std::string(kMaxPath, 'a');
    for (const std::string& p :
         {std::string("Q:\\x"), std::string("C:\\..\\secret"), std::string("relative\\x"), longPath,
          std::string("C:\\WINDOWS\\..\\..\\etc")}) {
        EXPECT_FALSE(HostPath(p)) << p;
        EXPECT_EQ(FileAttributes(p), kInvalidAttributes) << p;
        EXPECT_FALSE(ReadWholeFile(p)) << p;
    }
}

TEST(Paths, NamePieces) {
    EXPECT_EQ(FolderOf("C:\\A\\b.ttf"), "C:\\A\\");
    EXPECT_EQ(FileNameOf("C:\\A\\b.ttf"), "b.ttf");
    EXPECT_EQ(BaseNameOf("C:\\A.B\\c.d.ttf"), "c.d");
    EXPECT_EQ(ExtensionOf("C:\\A.B\\noext"), "");
    EXPECT_EQ(WithTrailingBackslash("C:\\A"), "C:\\A\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\A\\"), "C:\\A\\");
}

TEST(Files, DriveTypesComeFromTheImage) {
    TestImage image;
    EXPECT_EQ(GetDriveType("C:\\"), unsigned(kDriveFixed));
    EXPECT_EQ(GetDriveType("d:\\"), unsigned(kDriveCdRom));
    EXPECT_EQ(GetDriveType("Z:\\"), unsigned(kDriveNoRoot));
    EXPECT_EQ(LogicalDrives(), (1u << 2) | (1u << 3));
    uint64_t freeBytes = 0, total = 0;
    EXPECT_TRUE(GetDiskFreeSpace("C:\\", freeBytes, total));
    EXPECT_GT(total, 0u);
}

TEST(Files, ReadOnlyIsHonouredEvenAsRoot) {
    TestImage image;
    const std::string f = "C:\\TEMPFILE.TXT";
    image.WriteFile(f, "original");
    ASSERT_TRUE(SetFileAttributes(f, kAttrReadOnly));
    EXPECT_EQ(FileAttributes(f) & kAttrReadOnly, kAttrReadOnly);
    EXPECT_FALSE(WriteWholeFile(f, "changed"));
    EXPECT_FALSE(DeleteFile(f));
    image.WriteFile("C:\\OTHER.TXT", "other");
    EXPECT_FALSE(CopyFile("C:\\OTHER.TXT", f, false));
    EXPECT_EQ(image.ReadFile(f), "original");
    ASSERT_TRUE(SetFileAttributes(f, kAttrNormal));
    EXPECT_TRUE(CopyFile("C:\\OTHER.TXT", f, false));
    EXPECT_EQ(image.ReadFile(f), "other");
}

TEST(Files, CopyMoveDeleteAndFind) {
    TestImage image;
    image.WriteFile("C:\\SRC\\a.ttf", "A");
    image.WriteFile("C:\\SRC\\B.TTF", "B");
    image.WriteFile("C:\\SRC\\c.ttfx", "C");
    image.WriteFile("C:\\SRC\\d.pfm", "D");
    EXPECT_TRUE(CopyFile("C:\\SRC\\a.ttf", "C:\\WINDOWS\\Fonts\\a.ttf", true));
    EXPECT_FALSE(CopyFile("C:\\SRC\\a.ttf", "C:\\WINDOWS\\Fonts\\A.TTF", true));
    EXPECT_FALSE(CopyFile("C:\\SRC\\a.ttf", "C:\\NOFOLDER\\a.ttf", false));
    EXPECT_TRUE(MoveFile("C:\\SRC\\d.pfm", "C:\\d.pfm"));
    EXPECT_FALSE(MoveFile("C:\\SRC\\B.TTF", "C:\\WINDOWS\\FONTS\\a.TTF"));
    EXPECT_FALSE(FileExists("C:\\SRC\\d.pfm"));
    EXPECT_TRUE(FileExists("c:\\D.PFM"));
    auto found = FindFiles("C:\\src\\*.TTF");
    ASSERT_EQ(found.size(), 2u);
    for (const auto& f : found) EXPECT_TRUE(f.name == "a.ttf" || f.name == "B.TTF") << f.name;
    EXPECT_EQ(FindFiles("C:\\SRC\\?.ttf").size(), 2u);
    EXPECT_TRUE(DeleteFile("C:\\src\\A.TTF"));
    EXPECT_FALSE(DeleteFile("C:\\src\\a.ttf"));
    EXPECT_TRUE(CreateFolder("C:\\NEWDIR"));
    EXPECT_TRUE(FolderExists("c:\\newdir"));
    EXPECT_FALSE(FileExists("c:\\newdir"));
}

TEST(Files, PatternsMatchTheLongNameOnly) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {{"a.ttf", "*.TTF", true}, {"A.TTF", "*.ttf", true}, {"a.ttfx", "*.TTF", false},
                 {"abc", "a?c", true},     {"ac", "a?c", false},     {"noext", "*.*", true},
                 {"x.y.z", "*.z", true},   {"", "*", true},          {"ab", "*b*", true}};
    for (const auto& c : cases)
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

TEST(Files, SeekingReadsStopAtTheEnd) {
    TestImage image;
    image.WriteFile("C:\\R.BIN", "0123456789");
    auto f = ReadFile::Open("c:\\r.bin");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Size(), 10u);
    char buf[8] = {};
    EXPECT_EQ(f->ReadAt(6, buf, 8), 4u);
    EXPECT_EQ(std::string(buf, 4), "6789");
    EXPECT_FALSE(f->ReadExact(8, buf, 4));
    EXPECT_EQ(f->ReadAt(100, buf, 4), 0u);
    EXPECT_FALSE(ReadFile::Open("C:\\missing.bin"));
}

TEST(Image, NtImageHasItsOwnFolders) {
    TestImage image(true);
    const Image& img = CurrentImage();
    EXPECT_TRUE(img.IsNT());
    EXPECT_EQ(img.WindowsDir(), "C:\\WINNT");
    EXPECT_EQ(img.SystemDir(), "C:\\WINNT\\SYSTEM32");
    EXPECT_TRUE(FolderExists("C:\\WINNT\\SYSTEM32"));
    TestImage w95;
    EXPECT_FALSE(CurrentImage().IsNT());
    EXPECT_EQ(CurrentImage().SystemDir(), "C:\\WINDOWS\\SYSTEM");
}

} // namespace
