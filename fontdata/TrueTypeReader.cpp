#include "fontdata/TrueTypeReader.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}
uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}

constexpr size_t kDirectoryEntry = 16;
constexpr size_t kNameRecord = 12;
// A name string longer than this is taken as this long: its odd bytes give at most 64 characters.
constexpr size_t kMaxNameBytes = 128;
// Directory entries and name records are read in batches of this many, so a file claiming 65535 of
// them costs no more memory than a small one.
constexpr size_t kBatch = 64;

void ReadMaxp(FontItem& item, const ByteSource& file, uint64_t table) {
    uint8_t b[10];
    size_t got = file.ReadAt(table, b, sizeof b);
    if (got >= 6) item.m_nGlyphs = U16(b + 4);
    if (got >= 8) item.m_nMaxPoints = U16(b + 6);
    if (got >= 10) item.m_nMaxContours = U16(b + 8);
}

// Each UTF-16BE code unit gives its low byte; a zero byte gives nothing.
std::string LowBytes(const uint8_t* bytes, size_t count) {
    std::string s;
    for (size_t i = 1; i < count; i += 2)
        if (bytes[i] != 0) s += static_cast<char>(bytes[i]);
    return s;
}

void ReadName(FontItem& item, const ByteSource& file, uint64_t table) {
    uint8_t buf[6 + kBatch * kNameRecord];
    size_t got = file.ReadAt(table, buf, sizeof buf);
    if (got < 6) return;
    const unsigned count = U16(buf + 2);
    const uint64_t strings = table + U16(buf + 4);

    // Every matching record empties its target and fills it again, so the last record of each name
    // decides: remember those and read only their strings.
    struct Wanted {
        bool found = false;
        uint64_t start = 0;
        size_t length = 0;
    } wanted[4];
    auto slotOf = [](unsigned nameId) {
        switch (nameId) {
        case 1:
            return 0;
        case 2:
            return 1;
        case 4:
            return 2;
        case 6:
            return 3;
        default:
            return -1;
        }
    };

    const uint8_t* rec = buf + 6;
    size_t inBuffer = (got - 6) / kNameRecord;
    uint64_t next = table + 6 + inBuffer * kNameRecord;
    for (unsigned i = 0; i < count; ++i) {
        if (inBuffer == 0) {
            size_t n = std::min<size_t>(kBatch, count - i);
            got = file.ReadAt(next, buf, n * kNameRecord);
            inBuffer = got / kNameRecord;
            if (inBuffer == 0) break; // the records run past the end of the file
            rec = buf;
            next += inBuffer * kNameRecord;
        }
        const unsigned language = U16(rec + 4);
        const int slot = slotOf(U16(rec + 6));
        if (language == 0x0409 && slot >= 0) {
            wanted[slot].found = true;
            wanted[slot].start = strings + U16(rec + 10);
            wanted[slot].length = std::min<size_t>(U16(rec + 8), kMaxNameBytes);
        }
        rec += kNameRecord;
        --inBuffer;
    }

    std::string* targets[4] = {&item.m_strFamilyName, &item.m_strStyle, &item.m_strFullName,
                               &item.m_strPostScriptName};
    // The strings of one font usually lie close together: one read covers them all.
    uint64_t lo = std::numeric_limits<uint64_t>::max(), hi = 0;
    for (const Wanted& w : wanted)
        if (w.found) {
            lo = std::min(lo, w.start);
            hi = std::max(hi, w.start + w.length);
        }
    if (lo > hi) return;
    uint8_t block[1024];
    size_t blockLength = 0;
    const bool together = hi - lo <= sizeof block;
    if (together) blockLength = file.ReadAt(lo, block, static_cast<size_t>(hi - lo));
    for (int s = 0; s < 4; ++s) {
        const Wanted& w = wanted[s];
        if (!w.found) continue;
        if (together) {
            uint64_t from = w.start - lo;
            size_t have = from < blockLength ? std::min<size_t>(w.length, blockLength - from) : 0;
            *targets[s] = LowBytes(block + from, have);
        } else {
            uint8_t bytes[kMaxNameBytes];
            *targets[s] = LowBytes(bytes, file.ReadAt(w.start, bytes, w.length));
        }
    }
}

void ReadOs2(FontItem& item, const ByteSource& file, uint64_t table) {
    uint8_t b[78];
    size_t got = file.ReadAt(table, b, sizeof b);
    if (got >= 10) item.m_bEmbeddable = (U16(b + 8) & 0x0002) ? 0 : 1;
    if (got >= 42) {
        for (int i = 0; i < 10; ++i) item.m_panose[i] = b[32 + i];
        item.m_bHasPanose = 1;
    }
    if (got >= 78 && !item.m_bHasTextMetric) {
        platform::NEWTEXTMETRICA& tm = item.m_textMetric;
        tm.tmAveCharWidth = U16(b + 2);
        tm.tmWeight = U16(b + 4);
        tm.tmFirstChar = b[65];
        tm.tmLastChar = b[67];
        tm.tmAscent = U16(b + 74);
        tm.tmDescent = U16(b + 76);
        item.m_bHasTextMetric = 1;
    }
}

void ReadKern(FontItem& item, const ByteSource& file, uint64_t table) {
    uint8_t b[4];
    if (!file.ReadExact(table, b, sizeof b)) return;
    const unsigned subtables = U16(b + 2);
    uint64_t at = table + 4;
    for (unsigned i = 0; i < subtables; ++i) {
        uint8_t sub[8];
        size_t got = file.ReadAt(at, sub, sizeof sub);
        if (got < 6) return; // past the end of the file
        const unsigned length = U16(sub + 2);
        if ((U16(sub + 4) >> 8) == 0) {
            if (got == 8) item.m_nKernPairs = U16(sub + 6);
            return;
        }
        // A zero length would visit the same subtable again, with the same answer.
        if (length == 0) return;
        at += length;
    }
}

int KnownTag(const uint8_t* tag) {
    for (int t = 0; t < kTableCount; ++t)
        if (std::memcmp(tag, kTableTags[t], 4) == 0) return t;
    return -1;
}

} // namespace

void ReadTrueTypeInfo(FontItem& item, const ByteSource& file) {
    const uint64_t size = file.Size();
    item.m_nFileSize = static_cast<int32_t>(std::min<uint64_t>(size, std::numeric_limits<int32_t>::max()));

    uint8_t buf[12 + kBatch * kDirectoryEntry];
    size_t got = file.ReadAt(0, buf, sizeof buf);
    if (got >= 6) {
        const unsigned tables = U16(buf + 4);
        const uint8_t* entry = buf + 12;
        size_t inBuffer = got >= 12 ? (got - 12) / kDirectoryEntry : 0;
        uint64_t next = 12 + inBuffer * kDirectoryEntry;
        for (unsigned i = 0; i < tables; ++i) {
            if (inBuffer == 0) {
                size_t n = std::min<size_t>(kBatch, tables - i);
                got = file.ReadAt(next, buf, n * kDirectoryEntry);
                inBuffer = got / kDirectoryEntry;
                if (inBuffer == 0) break; // the directory runs past the end of the file
                entry = buf;
                next += inBuffer * kDirectoryEntry;
            }
            const int known = KnownTag(entry);
            if (known >= 0) {
                item.m_bTable[known] = 1;
                const uint64_t offset = U32(entry + 8);
                const std::string_view tag = kTableTags[known];
                if (tag == "maxp")
                    ReadMaxp(item, file, offset);
                else if (tag == "name")
                    ReadName(item, file, offset);
                else if (tag == "OS/2")
                    ReadOs2(item, file, offset);
                else if (tag == "kern")
                    ReadKern(item, file, offset);
            }
            entry += kDirectoryEntry;
            --inBuffer;
        }
    }
    item.m_bInfoRead = 1;
}

int FontItem::EnsureTrueTypeInfo() {
    if (m_bInfoRead) return 1;
    auto file = platform::ReadFile::Open(m_strFilePath);
    if (!file) return 0;
    ReadTrueTypeInfo(*this, FileSource(*file));
    return 1;
}
