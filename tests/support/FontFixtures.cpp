#include "tests/support/FontFixtures.h"

namespace fixtures {

void PutU16(std::string& out, uint32_t v) {
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}

void PutU32(std::string& out, uint32_t v) {
    PutU16(out, v >> 16);
    PutU16(out, v & 0xFFFF);
}

void PutLE32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string Utf16Be(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += '\0';
        out += c;
    }
    return out;
}

std::vector<NameRecord> EnglishNames(const std::string& family, const std::string& style,
                                     const std::string& full, const std::string& postscript) {
    std::vector<NameRecord> records;
    auto add = [&](uint16_t id, const std::string& text) {
        NameRecord r;
        r.nameId = id;
        r.bytes = Utf16Be(text);
        records.push_back(r);
    };
    add(1, family);
    add(2, style);
    add(4, full);
    add(6, postscript);
    return records;
}

std::string NameTable(const std::vector<NameRecord>& records) {
    std::string out, strings;
    PutU16(out, 0);
    PutU16(out, static_cast<uint32_t>(records.size()));
    PutU16(out, static_cast<uint32_t>(6 + 12 * records.size()));
    for (const NameRecord& r : records) {
        PutU16(out, r.platformId);
        PutU16(out, r.encodingId);
        PutU16(out, r.languageId);
        PutU16(out, r.nameId);
        PutU16(out, r.lengthField >= 0 ? static_cast<uint32_t>(r.lengthField)
                                       : static_cast<uint32_t>(r.bytes.size()));
        PutU16(out, static_cast<uint32_t>(strings.size()));
        strings += r.bytes;
    }
    return out + strings;
}

std::string MaxpTable(uint16_t glyphs, uint16_t maxPoints, uint16_t maxContours) {
    std::string out;
    PutU32(out, 0x00010000);
    PutU16(out, glyphs);
    PutU16(out, maxPoints);
    PutU16(out, maxContours);
    out.append(22, '\0');
    return out;
}

std::string Os2Table(const Os2& os2) {
    std::string out;
    PutU16(out, 0);
    PutU16(out, os2.avgCharWidth);
    PutU16(out, os2.weight);
    PutU16(out, 5);
    PutU16(out, os2.fsType);
    out.append(32 - out.size(), '\0');
    out.append(reinterpret_cast<const char*>(os2.panose), 10);
    out.append(64 - out.size(), '\0');
    PutU16(out, os2.firstChar);
    PutU16(out, os2.lastChar);
    out.append(74 - out.size(), '\0');
    PutU16(out, os2.winAscent);
    PutU16(out, os2.winDescent);
    return out;
}

std::string KernTable(const std::vector<KernSubtable>& subtables, int nTablesField) {
    std::string out;
    PutU16(out, 0);
    PutU16(out,
           nTablesField >= 0 ? static_cast<uint32_t>(nTablesField) : static_cast<uint32_t>(subtables.size()));
    for (const KernSubtable& s : subtables) {
        const uint32_t natural = 14 + 6u * s.nPairs;
        const uint32_t length = s.length ? s.length : natural;
        std::string sub;
        PutU16(sub, 0);
        PutU16(sub, length);
        PutU16(sub, s.coverage);
        PutU16(sub, s.nPairs);
        sub.resize(length < 8 ? 8 : length, '\0');
        out += sub;
    }
    return out;
}

TrueTypeBuilder& TrueTypeBuilder::Table(const std::string& tag, const std::string& data) {
    m_entries.push_back({tag, data});
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::RawEntry(const std::string& tag, uint32_t offset, uint32_t length) {
    m_entries.push_back({tag, {}, true, offset, length});
    return *this;
}

TrueTypeBuilder& TrueTypeBuilder::NumTablesField(uint16_t n) {
    m_numTables = n;
    return *this;
}

std::string TrueTypeBuilder::Build() const {
    std::string out;
    PutU32(out, 0x00010000);
    PutU16(out,
           m_numTables >= 0 ? static_cast<uint32_t>(m_numTables) : static_cast<uint32_t>(m_entries.size()));
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, 0);
    uint32_t offset = static_cast<uint32_t>(12 + 16 * m_entries.size());
    std::string body;
    for (const Entry& e : m_entries) {
        std::string tag = e.tag;
        tag.resize(4, ' ');
        out += tag;
        PutU32(out, 0);
        if (e.raw) {
            PutU32(out, e.offset);
            PutU32(out, e.length);
            continue;
        }
        PutU32(out, offset + static_cast<uint32_t>(body.size()));
        PutU32(out, static_cast<uint32_t>(e.data.size()));
        body += e.data;
        while (body.size() % 4) body += '\0';
    }
    return out + body;
}

std::string SimpleTrueType(const std::string& family, const std::string& style, const std::string& full,
                           const std::string& postscript) {
    return TrueTypeBuilder()
        .Table("OS/2", Os2Table({}))
        .Table("cmap", std::string(4, '\0'))
        .Table("glyf", std::string(4, '\0'))
        .Table("head", std::string(54, '\0'))
        .Table("hhea", std::string(36, '\0'))
        .Table("hmtx", std::string(4, '\0'))
        .Table("loca", std::string(4, '\0'))
        .Table("maxp", MaxpTable(10, 40, 4))
        .Table("name", NameTable(EnglishNames(family, style, full, postscript)))
        .Table("post", std::string(32, '\0'))
        .Build();
}

std::string PfmFile(const std::string& postscriptName, bool terminate) {
    std::string out(147, '\0');
    out[0] = 0x00;
    out[1] = 0x01; // dfVersion 0x0100
    std::string offset;
    PutLE32(offset, static_cast<uint32_t>(out.size()));
    out.replace(139, 4, offset);
    out += postscriptName;
    if (terminate) out += '\0';
    return out;
}

std::string PfmTruncated(size_t size) {
    return PfmFile("Helvetica").substr(0, size);
}

} // namespace fixtures
