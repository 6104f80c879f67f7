#include "app/info.h"
#include "install/scan.h"
#include "platform/files.h"
#include "platform/hostfs.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class SourceScan : public InstallFixture {
protected:
    struct Row {
        FontType type;
        std::string name;
        std::string path;
        bool operator==(const Row& o) const { return type == o.type && name == o.name && path == o.path; }
    };
    std::vector<Row> Listed() const {
        std::vector<Row> rows;
        for (const FontItem* f : *app->m_sourceList)
            rows.push_back({f->m_nType, f->m_strFullName, f->m_strFilePath});
        return rows;
    }
};

TEST_F(SourceScan, ListsTrueTypeFilesBeforeType1Files) {
    PutType1("C:\\MIX\\helv.pfm", "Helvetica-Bold");
    PutTrueType("C:\\MIX\\sans.TTF");
    image.WriteFile("C:\\MIX\\readme.txt", "not a font");
    ScanSourceFolder("C:\\MIX");
    const std::vector<Row> expected = {{FT_TRUETYPE, "DejaVu Sans", "C:\\MIX\\sans.TTF"},
                                       {FT_TYPE1, "Helvetica", "C:\\MIX\\helv.pfm"}};
    EXPECT_TRUE(Listed() == expected);
    EXPECT_EQ(app->m_sourceList->GetAt(1)->m_strStyle, "bold");
    EXPECT_EQ(ui.m_waitCount, 1);
    EXPECT_EQ(ui.m_waitDepth, 0);
}

TEST_F(SourceScan, SameFontAndFileIsListedOnce) {
    // A TrueType file and a metrics file of the same base name and full name: the TrueType one stays.
    PutTrueType("C:\\DUP\\sans.ttf");
    PutType1("C:\\DUP\\SANS.PFM", "DejaVu Sans");
    // Same full name, other base name: both stay.
    PutTrueType("C:\\DUP\\other.ttf");
    // Host names that differ only in case are the same file base name.
    image.WriteFile("C:\\DUP\\x.ttf", "");
    host::WriteFileAtomic(image.Host("C:\\DUP") + "/X.TTF", "");
    ScanSourceFolder("C:\\DUP\\");
    std::vector<std::string> paths;
    for (const FontItem* f : *app->m_sourceList) paths.push_back(f->m_strFilePath);
    std::sort(paths.begin(), paths.end());
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], "C:\\DUP\\other.ttf");
    EXPECT_EQ(paths[1], "C:\\DUP\\sans.ttf");
    EXPECT_TRUE(paths[2] == "C:\\DUP\\x.ttf" || paths[2] == "C:\\DUP\\X.TTF");
    for (const FontItem* a : *app->m_sourceList)
        for (const FontItem* b : *app->m_sourceList)
            if (a != b) {
                EXPECT_FALSE(IsSameFontAndFile(*a, *b));
            }
}

TEST_F(SourceScan, PathsAndOddEntries) {
    PutTrueType("D:\\root.ttf");
    image.WriteFile("D:\\damaged.ttf", "xx");
    host::MakeDirectories(image.Host("D:\\") + "/folder.ttf");
    ScanSourceFolder("D:\\");
    const std::vector<Row> expected = {{FT_TRUETYPE, "DejaVu Sans", "D:\\root.ttf"},
                                       {FT_TRUETYPE, "", "D:\\damaged.ttf"}};
    std::vector<Row> listed = Listed();
    std::sort(listed.begin(), listed.end(), [](const Row& a, const Row& b) { return a.path > b.path; });
    EXPECT_TRUE(listed == expected) << "one backslash after the drive, a damaged file keeps an empty name, "
                                       "a folder is no font";

    // A rescan replaces every font; a missing folder leaves the list empty without a message.
    const FontItem* first = app->m_sourceList->GetAt(0);
    ScanSourceFolder("D:\\");
    EXPECT_EQ(app->m_sourceList->GetCount(), 2u);
    (void)first;
    ScanSourceFolder("C:\\NO\\SUCH\\FOLDER");
    EXPECT_TRUE(app->m_sourceList->IsEmpty());
    ScanSourceFolder("");
    EXPECT_TRUE(app->m_sourceList->IsEmpty());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(SourceScanInfo, PrintsTypeNameAndPathPerFont) {
    TestImage image;
    auto sans = host::ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    ASSERT_TRUE(sans);
    image.WriteFile("D:\\FONTS\\sans.ttf", *sans);
    image.WriteFile("D:\\FONTS\\other.pfm", "short");
    for (const std::string& folder : {std::string("D:\\FONTS"), image.Host("D:\\FONTS") + "/"}) {
        SCOPED_TRACE(folder);
        testing::internal::CaptureStdout();
        EXPECT_EQ(RunInfoTool(image.Root(), {"scan", folder}), 0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "TTF\tDejaVu Sans\tD:\\FONTS\\sans.ttf\nATM\t\tD:\\FONTS\\other.pfm\n");
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunInfoTool(image.Root(), {"scan", "/no/such/host/folder"}), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no drive"), std::string::npos);
}

} // namespace
