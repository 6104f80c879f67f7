#pragma once
// Test support: font files made by code. TrueType files with chosen tables (and, for damaged files,
// directory entries pointing anywhere), the tables the reader looks at, and .PFM files.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fixtures {

// Big-endian and little-endian integers appended to a byte string.
void PutU16(std::string& out, uint32_t v);
void PutU32(std::string& out, uint32_t v);
void PutLE32(std::string& out, uint32_t v);
// ASCII or Windows-1252 text as UTF-16BE code units.
std::string Utf16Be(std::string_view text);

struct NameRecord {
    uint16_t platformId = 3;
    uint16_t encodingId = 1;
    uint16_t languageId = 0x0409;
    uint16_t nameId = 4;
    std::string bytes;    // the string as stored (UTF-16BE for Windows records)
    int lengthField = -1; // the stored length when it must differ from bytes.size()
};
// US English Windows records for family, subfamily, full and PostScript names.
std::vector<NameRecord> EnglishNames(const std::string& family, const std::string& style,
                                     const std::string& full, const std::string& postscript);
std::string NameTable(const std::vector<NameRecord>& records);
std::string MaxpTable(uint16_t glyphs, uint16_t maxPoints, uint16_t maxContours);

struct Os2 {
    uint16_t avgCharWidth = 500;
    uint16_t weight = 400;
    uint16_t fsType = 0;
    uint8_t panose[10] = {2, 11, 6, 4, 2, 2, 2, 2, 2, 4};
    uint16_t firstChar = 0x20;
    uint16_t lastChar = 0xFFFD;
    uint16_t winAscent = 900;
    uint16_t winDescent = 250;
};
std::string Os2Table(const Os2& os2); // a version 0 table of 78 bytes

struct KernSubtable {
    uint16_t coverage = 0x0001; // high byte: the format
    uint16_t nPairs = 0;
    uint16_t length = 0; // 0: the natural length 14 + 6 * nPairs... capped to what is written
};
// Subtables of 14 bytes plus their pairs (written as zeros) unless the length says otherwise.
std::string KernTable(const std::vector<KernSubtable>& subtables, int nTablesField = -1);

// A TrueType file: offset table, directory, tables aligned to 4 bytes.
class TrueTypeBuilder {
public:
    TrueTypeBuilder& Table(const std::string& tag, const std::string& data);
    // A directory entry whose offset and length are given as they stand (the data is not written).
    TrueTypeBuilder& RawEntry(const std::string& tag, uint32_t offset, uint32_t length);
    // Claims this many tables in the offset table, whatever the directory holds.
    TrueTypeBuilder& NumTablesField(uint16_t n);
    std::string Build() const;

private:
    struct Entry {
        std::string tag;
        std::string data;
        bool raw = false;
        uint32_t offset = 0, length = 0;
    };
    std::vector<Entry> m_entries;
    int m_numTables = -1;
};

// A typical small font: every required table, with names, maxp and OS/2 filled.
std::string SimpleTrueType(const std::string& family, const std::string& style, const std::string& full,
                           const std::string& postscript);

// A .PFM file: a header of 147 zero bytes with dfDriverInfo at 139 pointing at the name that follows.
// With terminate unset the name is written without its NUL (and nothing follows it).
std::string PfmFile(const std::string& postscriptName, bool terminate = true);
// Only the first `size` bytes of the PFM header, for files too short to name a font.
std::string PfmTruncated(size_t size);

} // namespace fixtures
