// The TrueType reader on files made by code: names, tables, metrics, kerning, damaged files.
#include "fontdata/TrueTypeReader.h"
#include "tests/support/FontFixtures.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

FontItem Read(const std::string& bytes) {
    FontItem item;
    item.m_nType = FT_TRUETYPE;
    ReadTrueTypeInfo(item, MemorySource(bytes));
    return item;
}

std::string WithName(const std::vector<NameRecord>& records) {
    return TrueTypeBuilder().Table("name", NameTable(records)).Build();
}

NameRecord Record(uint16_t platform, uint16_t language, uint16_t nameId, const std::string& bytes) {
    NameRecord r;
    r.platformId = platform;
    r.languageId = language;
    r.nameId = nameId;
    r.bytes = bytes;
    return r;
}

std::string TestName(std::string n) {
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
}

struct NameCase {
    const char* what;
    std::vector<NameRecord> records;
    std::string family, style, full, postscript;
};

class TrueTypeNames : public testing::TestWithParam<NameCase> {};

TEST_P(TrueTypeNames, ReadsUsEnglishRecords) {
    const NameCase& c = GetParam();
    FontItem item = Read(WithName(c.records));
    EXPECT_EQ(item.m_strFamilyName, c.family);
    EXPECT_EQ(item.m_strStyle, c.style);
    EXPECT_EQ(item.m_strFullName, c.full);
    EXPECT_EQ(item.m_strPostScriptName, c.postscript);
    EXPECT_EQ(item.m_bInfoRead, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrueTypeNames,
    testing::Values(
        NameCase{"four names", EnglishNames("Sans", "Bold", "Sans Bold", "Sans-Bold"), "Sans", "Bold",
                 "Sans Bold", "Sans-Bold"},
        // 200 bytes of UTF-16: the length is taken as 128, whose odd bytes make 64 characters.
        NameCase{"long name cut to 64",
                 {Record(3, 0x0409, 4, Utf16Be(std::string(100, 'x')))},
                 "",
                 "",
                 std::string(64, 'x'),
                 ""},
        NameCase{
            "Macintosh English only", {Record(1, 0, 4, "Mac Name"), Record(1, 0, 1, "Mac")}, "", "", "", ""},
        NameCase{"other languages ignored",
                 {Record(3, 0x0407, 4, Utf16Be("Deutsch")), Record(3, 0x0409, 4, Utf16Be("English"))},
                 "",
                 "",
                 "English",
                 ""},
        NameCase{"later record replaces earlier",
                 {Record(3, 0x0409, 4, Utf16Be("First")), Record(3, 0x0409, 4, Utf16Be("Second"))},
                 "",
                 "",
                 "Second",
                 ""},
        NameCase{"other name ids ignored",
                 {Record(3, 0x0409, 3, Utf16Be("Unique")), Record(3, 0x0409, 5, Utf16Be("Version"))},
                 "",
                 "",
                 "",
                 ""},
        // Each code unit gives its low byte; zero low bytes give nothing.
        NameCase{"low bytes only",
                 {Record(3, 0x0409, 4, std::string("\x01\x41\x00\x00\x00\xE9", 6))},
                 "",
                 "",
                 "A\xE9",
                 ""},
        NameCase{"odd length drops the last byte",
                 {Record(3, 0x0409, 4, std::string("\0A\0B\0", 5))},
                 "",
                 "",
                 "AB",
                 ""}),
    [](const testing::TestParamInfo<NameCase>& info) { return TestName(info.param.what); });

TEST(TrueTypeReader, NameStringsFarApartAreEachRead) {
    // Strings further apart than one read covers are each read on their own.
    std::vector<NameRecord> records = {Record(3, 0x0409, 4, Utf16Be("Near")),
                                       Record(3, 0x0409, 99, std::string(4000, 'z')),
                                       Record(3, 0x0409, 6, Utf16Be("FarAway"))};
    FontItem item = Read(WithName(records));
    EXPECT_EQ(item.m_strFullName, "Near");
    EXPECT_EQ(item.m_strPostScriptName, "FarAway");
}

TEST(TrueTypeReader, ManyNameRecordsAreAllWalked) {
    // More records than one batch of the reader: the match lies in a later batch.
    std::vector<NameRecord> records;
    for (int i = 0; i < 150; ++i) records.push_back(Record(3, 0x0411, 4, Utf16Be("Other")));
    records.push_back(Record(3, 0x0409, 4, Utf16Be("Last Of Many")));
    EXPECT_EQ(Read(WithName(records)).m_strFullName, "Last Of Many");
}

TEST(TrueTypeReader, KernPairsComeFromTheFirstFormatZeroSubtable) {
    struct Case {
        std::vector<KernSubtable> subtables;
        int pairs;
    } cases[] = {
        {{{0x0001, 12, 0}}, 12},
        {{{0x0101, 5, 0}, {0x0001, 7, 0}}, 7}, // only the second has format 0
        {{{0x0201, 5, 0}, {0x0101, 9, 0}}, 0}, // none has
        {{{0x0001, 3, 0}, {0x0001, 4, 0}}, 3}, // the first wins
    };
    for (const Case& c : cases) {
        FontItem item = Read(TrueTypeBuilder().Table("kern", KernTable(c.subtables)).Build());
        EXPECT_EQ(item.m_nKernPairs, c.pairs);
        EXPECT_EQ(item.m_bTable[12], 1);
    }
}

TEST(TrueTypeReader, EmbeddingFollowsTheRestrictedBit) {
    struct Case {
        uint16_t fsType;
        int embeddable;
    } cases[] = {{0x0000, 1}, {0x0004, 1}, {0x0008, 1}, {0x0002, 0}, {0x000A, 0}, {0x0100, 1}};
    for (const Case& c : cases) {
        Os2 os2;
        os2.fsType = c.fsType;
        FontItem item = Read(TrueTypeBuilder().Table("OS/2", Os2Table(os2)).Build());
        EXPECT_EQ(item.m_bEmbeddable, c.embeddable) << "fsType " << c.fsType;
    }
}

TEST(TrueTypeReader, Os2GivesPanoseAndTextMetricsOnlyWhenNoneKnown) {
    Os2 os2;
    os2.weight = 700;
    os2.avgCharWidth = 612;
    os2.firstChar = 0x0120; // the low byte is kept
    os2.lastChar = 0xF0FF;
    os2.winAscent = 1901;
    os2.winDescent = 483;
    const std::string file = TrueTypeBuilder().Table("OS/2", Os2Table(os2)).Build();

    FontItem fresh = Read(file);
    EXPECT_EQ(fresh.m_bHasPanose, 1);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(fresh.m_panose[i], os2.panose[i]);
    EXPECT_EQ(fresh.m_bHasTextMetric, 1);
    EXPECT_EQ(fresh.m_textMetric.tmWeight, 700);
    EXPECT_EQ(fresh.m_textMetric.tmAveCharWidth, 612);
    EXPECT_EQ(fresh.m_textMetric.tmFirstChar, 0x20);
    EXPECT_EQ(fresh.m_textMetric.tmLastChar, 0xFF);
    EXPECT_EQ(fresh.m_textMetric.tmAscent, 1901);
    EXPECT_EQ(fresh.m_textMetric.tmDescent, 483);

    // Metrics that enumeration gave are kept.
    FontItem installed;
    installed.m_textMetric.tmWeight = 400;
    installed.m_textMetric.tmAscent = 7;
    installed.m_bHasTextMetric = 1;
    ReadTrueTypeInfo(installed, MemorySource(file));
    EXPECT_EQ(installed.m_textMetric.tmWeight, 400);
    EXPECT_EQ(installed.m_textMetric.tmAscent, 7);
    EXPECT_EQ(installed.m_bHasPanose, 1);
}

TEST(TrueTypeReader, RecordsWhichKnownTablesArePresent) {
    TrueTypeBuilder b;
    // Tags compare case-sensitively, trailing blanks included.
    for (const char* tag : {"cvt ", "WIN ", "head", "glyf", "CMAP", "GSUB", "FOCA", "Name"})
        b.Table(tag, "abcd");
    FontItem item = Read(b.Build());
    int expected[kTableCount] = {};
    expected[1] = expected[9] = expected[15] = expected[17] = expected[18] = 1;
    for (int t = 0; t < kTableCount; ++t) EXPECT_EQ(item.m_bTable[t], expected[t]) << kTableTags[t];
}

TEST(TrueTypeReader, MaxpAndFileSize) {
    const std::string file = SimpleTrueType("Fam", "Regular", "Fam Regular", "Fam-Regular");
    FontItem item = Read(file);
    EXPECT_EQ(item.m_nGlyphs, 10);
    EXPECT_EQ(item.m_nMaxPoints, 40);
    EXPECT_EQ(item.m_nMaxContours, 4);
    EXPECT_EQ(item.m_nFileSize, static_cast<int32_t>(file.size()));
    for (int t = 0; t < kRequiredTableCount; ++t) EXPECT_EQ(item.m_bTable[t], 1) << kTableTags[t];
}

TEST(TrueTypeReader, TableListedTwiceIsReadTwice) {
    const std::string file = TrueTypeBuilder()
                                 .Table("name", NameTable(EnglishNames("A", "B", "First", "D")))
                                 .Table("name", NameTable({Record(3, 0x0409, 4, Utf16Be("Second"))}))
                                 .Build();
    FontItem item = Read(file);
    EXPECT_EQ(item.m_strFullName, "Second");
    EXPECT_EQ(item.m_strFamilyName, "A");
}

// Damaged files: nothing may crash, read out of bounds or loop past its count; what is there is used.
struct DamagedCase {
    const char* what;
    std::string bytes;
    std::string full;
    int glyphs;
    int kernPairs;
};

class TrueTypeDamaged : public testing::TestWithParam<DamagedCase> {};

TEST_P(TrueTypeDamaged, ReadsWhatIsThere) {
    const DamagedCase& c = GetParam();
    FontItem item = Read(c.bytes);
    EXPECT_EQ(item.m_bInfoRead, 1);
    EXPECT_EQ(item.m_strFullName, c.full);
    EXPECT_EQ(item.m_nGlyphs, c.glyphs);
    EXPECT_EQ(item.m_nKernPairs, c.kernPairs);
    EXPECT_EQ(item.m_nFileSize, static_cast<int32_t>(c.bytes.size()));
}

std::string Cut(const std::string& s, size_t n) {
    return s.substr(0, n);
}

std::string NameCountTooLarge() {
    std::string name = NameTable(EnglishNames("F", "S", "Full", "PS"));
    name[2] = '\xFF';
    name[3] = '\xFF'; // claims 65535 records
    return TrueTypeBuilder().Table("name", name).Build();
}

std::string NameStringPastEnd() {
    std::string name =
        NameTable({Record(3, 0x0409, 4, Utf16Be("Gone")), Record(3, 0x0409, 1, Utf16Be("Fam"))});
    name[16] = '\x7F'; // the full name's string offset, far beyond the file
    return TrueTypeBuilder().Table("name", name).Build();
}

std::string NameStringRunsOffTheEnd() {
    NameRecord r = Record(3, 0x0409, 4, Utf16Be("Cut"));
    r.lengthField = 128;
    return TrueTypeBuilder().Table("name", NameTable({r})).Build();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrueTypeDamaged,
    testing::Values(
        DamagedCase{"empty", "", "", 0, 0}, DamagedCase{"five bytes", std::string("\0\1\0\0\0", 5), "", 0, 0},
        DamagedCase{"offset table only", Cut(TrueTypeBuilder().Table("maxp", MaxpTable(5, 1, 1)).Build(), 12),
                    "", 0, 0},
        DamagedCase{"directory claims more tables than written",
                    TrueTypeBuilder().Table("maxp", MaxpTable(5, 1, 1)).NumTablesField(65535).Build(), "", 5,
                    0},
        DamagedCase{
            "directory cut mid-entry",
            Cut(TrueTypeBuilder().Table("maxp", MaxpTable(5, 1, 1)).Table("name", "x").Build(), 12 + 16 + 9),
            "", 0, 0},
        DamagedCase{"offsets past the end",
                    TrueTypeBuilder()
                        .RawEntry("maxp", 0xFFFFFFF0, 32)
                        .RawEntry("name", 0x7FFFFFFF, 32)
                        .RawEntry("OS/2", 1000000, 78)
                        .RawEntry("kern", 0xFFFFFFFF, 8)
                        .Build(),
                    "", 0, 0},
        DamagedCase{"maxp cut short",
                    TrueTypeBuilder().RawEntry("maxp", 28, 10).Build() + std::string("\0\1\0\0\0\x07", 6), "",
                    7, 0},
        DamagedCase{"name count larger than the table", NameCountTooLarge(), "Full", 0, 0},
        DamagedCase{"name string past the end", NameStringPastEnd(), "", 0, 0},
        DamagedCase{"name string runs off the end", NameStringRunsOffTheEnd(), "Cut", 0, 0},
        DamagedCase{"kern count larger than the table",
                    TrueTypeBuilder().Table("kern", KernTable({{0x0101, 2, 0}}, 65535)).Build(), "", 0, 0},
        DamagedCase{"kern subtable of length zero",
                    TrueTypeBuilder().Table("kern", KernTable({{0x0101, 0, 4}}, 65535)).Build(), "", 0, 0},
        DamagedCase{"kern pair count cut off",
                    TrueTypeBuilder().RawEntry("kern", 28, 10).Build() +
                        std::string("\0\0\0\1\0\0\0\x0E\0\x00", 10),
                    "", 0, 0}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return TestName(info.param.what); });

TEST(TrueTypeReader, NotATrueTypeFileLeavesFieldsAndCountsAsRead) {
    FontItem item;
    item.m_strFullName = "Kept";
    ReadTrueTypeInfo(item, MemorySource("This is a plain text file, not a font at all.\n"));
    EXPECT_EQ(item.m_bInfoRead, 1);
    EXPECT_EQ(item.m_strFullName, "Kept");
    EXPECT_EQ(item.m_bHasPanose, 0);
}

TEST(EnsureTrueTypeInfo, ReadsTheFileOnce) {
    TestImage image;
    const std::string path = "C:\\FONTS\\ONE.TTF";
    image.WriteFile(path, SimpleTrueType("One", "Regular", "One Regular", "One-Regular"));
    FontItem item;
    item.m_strFilePath = path;
    ASSERT_EQ(item.EnsureTrueTypeInfo(), 1);
    EXPECT_EQ(item.m_strFullName, "One Regular");

    image.WriteFile(path, SimpleTrueType("Two", "Bold", "Two Bold", "Two-Bold"));
    EXPECT_EQ(item.EnsureTrueTypeInfo(), 1);
    EXPECT_EQ(item.m_strFullName, "One Regular");
}

TEST(EnsureTrueTypeInfo, MissingFileLeavesTheItemForALaterTry) {
    TestImage image;
    FontItem item;
    item.m_strFilePath = "C:\\FONTS\\LATER.TTF";
    item.m_strFullName = "Enumerated Name";
    EXPECT_EQ(item.EnsureTrueTypeInfo(), 0);
    EXPECT_EQ(item.m_bInfoRead, 0);
    EXPECT_EQ(item.m_strFullName, "Enumerated Name");
    EXPECT_EQ(item.m_nFileSize, 0);

    image.WriteFile(item.m_strFilePath, SimpleTrueType("Later", "Regular", "Later", "Later"));
    EXPECT_EQ(item.EnsureTrueTypeInfo(), 1);
    EXPECT_EQ(item.m_strFullName, "Later");
}

} // namespace
