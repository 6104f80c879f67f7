#include "platform/fonttable.h"

#include "platform/files.h"
#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/session.h"
#include "platform/text.h"
#include "platform/type1store.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace platform {

namespace {

// ---------------------------------------------------------------------------------------------
// Facts of one font file, computed with FreeType.

struct FaceFacts {
    int faceIndex = 0;
    ENUMLOGFONTA logFont{};
    NEWTEXTMETRICA textMetric{};
    std::string faceKey; // lfFaceName in upper case, for matching face names
};

struct FileStamp {
    bool ok = false;
    uint64_t size = 0;
    int64_t mtimeNs = 0;
    uint64_t inode = 0;
    bool operator==(const FileStamp& o) const {
        return ok == o.ok && size == o.size && mtimeNs == o.mtimeNs && inode == o.inode;
    }
};

FileStamp StampOf(const std::string& hostPath) {
    struct stat st {};
    FileStamp s;
    if (::stat(hostPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
    s.ok = true;
    s.size = static_cast<uint64_t>(st.st_size);
    s.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = static_cast<uint64_t>(st.st_ino);
    return s;
}

struct FileFacts {
    FileStamp stamp;
    std::vector<FaceFacts> faces; // empty: not a TrueType font
};

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

void CopyCut(char* field, size_t fieldSize, const std::string& text) {
    size_t n = std::min(text.size(), fieldSize - 1);
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, fieldSize - n);
}

std::string Utf16BeToAnsi(const FT_Byte* p, FT_UInt len) {
    std::string utf8;
    for (FT_UInt i = 0; i + 1 < len; i += 2) {
        char32_t u = (static_cast<char32_t>(p[i]) << 8) | p[i + 1];
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < len) {
            char32_t lo = (static_cast<char32_t>(p[i + 2]) << 8) | p[i + 3];
            if (lo >= 0xDC00 && lo < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            }
        }
        if (u == 0) break;
        if (u < 0x80) {
            utf8 += static_cast<char>(u);
        } else if (u < 0x800) {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (u >> 12));
            utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (u >> 18));
            utf8 += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return Utf8ToAnsi(utf8);
}

// A name of the name table as GDI picks it: Windows platform, US English first, then any Windows
// language, then the Macintosh Roman name (its ASCII part).
std::string SfntName(FT_Face face, FT_UShort nameId) {
    FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    int bestRank = 0;
    std::string best;
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName n;
        if (FT_Get_Sfnt_Name(face, i, &n) != 0 || n.name_id != nameId || n.string_len == 0) continue;
        int rank = 0;
        std::string text;
        if (n.platform_id == TT_PLATFORM_MICROSOFT &&
            (n.encoding_id == TT_MS_ID_UNICODE_CS || n.encoding_id == TT_MS_ID_SYMBOL_CS ||
             n.encoding_id == TT_MS_ID_UCS_4)) {
            rank = n.language_id == TT_MS_LANGID_ENGLISH_UNITED_STATES ? 3 : 2;
            if (rank <= bestRank) continue;
            text = Utf16BeToAnsi(n.string, n.string_len);
        } else if (n.platform_id == TT_PLATFORM_MACINTOSH && n.encoding_id == TT_MAC_ID_ROMAN &&
                   n.language_id == TT_MAC_LANGID_ENGLISH) {
            rank = 1;
            if (rank <= bestRank) continue;
            for (FT_UInt k = 0; k < n.string_len && n.string[k]; ++k)
                text += n.string[k] < 0x80 ? static_cast<char>(n.string[k]) : '?';
        } else {
            continue;
        }
        bestRank = rank;
        best = text;
    }
    return best;
}

int32_t Scale(long units, long upem) {
    if (upem <= 0) return 0;
    return static_cast<int32_t>(std::lround(static_cast<double>(units) * kNominalPixelsPerEm / upem));
}

bool HasSymbolCmap(FT_Face face) {
    for (int i = 0; i < face->num_charmaps; ++i) {
        FT_CharMap cm = face->charmaps[i];
        if (cm->platform_id == TT_PLATFORM_MICROSOFT && cm->encoding_id == TT_MS_ID_SYMBOL_CS) return true;
    }
    return false;
}

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned ones.
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Cp1252ToUnicode(uint8_t b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
}

// First and last byte of the single-byte code page that has a glyph: Windows-1252 for text fonts,
// the symbol code page (0xF000 + byte, or the byte itself) for symbol fonts.
void CharRange(FT_Face face, bool symbol, uint8_t& first, uint8_t& last) {
    int lo = -1, hi = -1;
    bool ok = symbol ? FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0
                     : FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0;
    // A symbol font places its characters at 0xF000 + byte, or (older fonts) at the byte itself;
    // the base that holds more of them is the font's.
    FT_ULong base = 0;
    if (ok && symbol) {
        int high = 0, low = 0;
        for (FT_ULong b = 1; b < 256; ++b) {
            high += FT_Get_Char_Index(face, 0xF000 + b) != 0;
            low += FT_Get_Char_Index(face, b) != 0;
        }
        base = high >= low ? 0xF000 : 0;
    }
    if (ok) {
        for (int b = 1; b < 256; ++b) { // byte 0 is no character
            char32_t u = symbol ? base + b : Cp1252ToUnicode(static_cast<uint8_t>(b));
            if (u != 0 && FT_Get_Char_Index(face, u) != 0) {
                if (lo < 0) lo = b;
                hi = b;
            }
        }
    }
    if (lo < 0) lo = hi = 0x20;
    first = static_cast<uint8_t>(lo);
    last = static_cast<uint8_t>(hi);
}

enum : uint8_t {
    kFixedPitch = 1,
    kVariablePitch = 2,
    kFfDontCare = 0x00,
    kFfRoman = 0x10,
    kFfSwiss = 0x20,
    kFfModern = 0x30,
    kFfScript = 0x40,
    kFfDecorative = 0x50,
    kTmpfFixedPitch = 0x01, // set for a variable-pitch font, as GDI does
    kTmpfVector = 0x02,
    kTmpfTrueType = 0x04,
    kOutStrokePrecis = 3,
    kClipStrokePrecis = 2,
    kProofQuality = 2,
};
enum : uint32_t { kNtmItalic = 0x01, kNtmBold = 0x20, kNtmRegular = 0x40 };

uint8_t FamilyOf(const TT_OS2* os2, bool fixed) {
    if (fixed) return kFfModern;
    if (!os2) return kFfDontCare;
    switch (os2->panose[0]) {
    case 2: // text and display
        return os2->panose[1] >= 11 && os2->panose[1] <= 13 ? kFfSwiss : kFfRoman;
    case 3:
        return kFfScript;
    case 4:
    case 5:
        return kFfDecorative;
    default:
        break;
    }
    switch (os2->sFamilyClass >> 8) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
        return kFfRoman;
    case 8:
        return kFfSwiss;
    case 10:
        return kFfScript;
    case 9:
    case 12:
        return kFfDecorative;
    default:
        return kFfDontCare;
    }
}

std::optional<FaceFacts> FactsOfFace(FT_Face face, int index) {
    if (!FT_IS_SFNT(face) || !FT_IS_SCALABLE(face)) return std::nullopt;
    auto* head = static_cast<TT_Header*>(FT_Get_Sfnt_Table(face, FT_SFNT_HEAD));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
    if (!head || !hhea) return std::nullopt;
    if (os2 && os2->version == 0xFFFF) os2 = nullptr;
    const long upem = head->Units_Per_EM ? head->Units_Per_EM : 2048;

    FaceFacts f;
    f.faceIndex = index;
    std::string family = SfntName(face, TT_NAME_ID_FONT_FAMILY);
    std::string style = SfntName(face, TT_NAME_ID_FONT_SUBFAMILY);
    std::string full = SfntName(face, TT_NAME_ID_FULL_NAME);
    if (family.empty() && face->family_name) family = Utf8ToAnsi(face->family_name);
    if (style.empty() && face->style_name) style = Utf8ToAnsi(face->style_name);
    if (full.empty()) full = style.empty() || EqualNoCase(style, "Regular") ? family : family + " " + style;
    if (family.empty()) return std::nullopt;

    const bool symbol = HasSymbolCmap(face);
    const bool fixed = post ? post->isFixedPitch != 0 : FT_IS_FIXED_WIDTH(face);
    long winAscent = os2 ? os2->usWinAscent : hhea->Ascender;
    long winDescent = os2 ? os2->usWinDescent : -hhea->Descender;
    if (winAscent + winDescent <= 0) {
        winAscent = hhea->Ascender;
        winDescent = -hhea->Descender;
    }

    NEWTEXTMETRICA& tm = f.textMetric;
    tm.tmAscent = Scale(winAscent, upem);
    tm.tmDescent = Scale(winDescent, upem);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - kNominalPixelsPerEm);
    long lineGap = hhea->Line_Gap - ((winAscent + winDescent) - (hhea->Ascender - hhea->Descender));
    tm.tmExternalLeading = std::max(0, Scale(lineGap, upem));
    tm.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0 ? Scale(os2->xAvgCharWidth, upem)
                                                      : Scale(hhea->advance_Width_Max / 2, upem);
    tm.tmMaxCharWidth = Scale(hhea->advance_Width_Max, upem);
    const bool boldStyle = (head->Mac_Style & 1) != 0 || (os2 && (os2->fsSelection & 0x20));
    tm.tmWeight = os2 && os2->usWeightClass ? os2->usWeightClass : (boldStyle ? 700 : 400);
    // Weight classes 1 to 9 are an old way of writing 100 to 900.
    if (tm.tmWeight < 10) tm.tmWeight *= 100;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    CharRange(face, symbol, tm.tmFirstChar, tm.tmLastChar);
    tm.tmBreakChar = tm.tmFirstChar <= 0x20 ? 0x20 : tm.tmFirstChar;
    tm.tmDefaultChar = symbol ? tm.tmFirstChar : static_cast<uint8_t>(tm.tmBreakChar - 1);
    const bool italic = os2 ? (os2->fsSelection & 0x01) != 0 : (head->Mac_Style & 2) != 0;
    tm.tmItalic = italic ? 255 : 0;
    tm.tmUnderlined = os2 && (os2->fsSelection & 0x02) ? 255 : 0;
    tm.tmStruckOut = os2 && (os2->fsSelection & 0x10) ? 255 : 0;
    const uint8_t familyBits = FamilyOf(os2, fixed);
    tm.tmPitchAndFamily = familyBits | kTmpfTrueType | kTmpfVector | (fixed ? 0 : kTmpfFixedPitch);
    tm.tmCharSet = symbol ? kSymbolCharset : kAnsiCharset;
    tm.ntmFlags = (italic ? uint32_t{kNtmItalic} : 0u) | (tm.tmWeight >= 600 ? uint32_t{kNtmBold} : 0u);
    if (tm.ntmFlags == 0) tm.ntmFlags = kNtmRegular;
    tm.ntmSizeEM = static_cast<uint32_t>(upem);
    tm.ntmCellHeight = static_cast<uint32_t>(winAscent + winDescent);
    tm.ntmAvgWidth = os2 && os2->xAvgCharWidth > 0 ? static_cast<uint32_t>(os2->xAvgCharWidth)
                                                   : static_cast<uint32_t>(hhea->advance_Width_Max / 2);

    LOGFONTA& lf = f.logFont.elfLogFont;
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = tm.tmWeight;
    lf.lfItalic = tm.tmItalic;
    lf.lfUnderline = tm.tmUnderlined;
    lf.lfStrikeOut = tm.tmStruckOut;
    lf.lfCharSet = tm.tmCharSet;
    lf.lfOutPrecision = kOutStrokePrecis;
    lf.lfClipPrecision = kClipStrokePrecis;
    lf.lfQuality = kProofQuality;
    lf.lfPitchAndFamily = familyBits | (fixed ? kFixedPitch : kVariablePitch);
    CopyCut(lf.lfFaceName, sizeof lf.lfFaceName, family);
    CopyCut(f.logFont.elfFullName, sizeof f.logFont.elfFullName, full);
    CopyCut(f.logFont.elfStyle, sizeof f.logFont.elfStyle, style);
    f.faceKey = UpperAnsi(lf.lfFaceName);
    return f;
}

std::vector<FaceFacts> ComputeFacts(const std::string& hostPath) {
    std::vector<FaceFacts> faces;
    FT_Library lib = Library();
    if (!lib) return faces;
    FT_Long count = 1;
    for (FT_Long i = 0; i < count && i < 64; ++i) {
        FT_Face face = nullptr;
        if (FT_New_Face(lib, hostPath.c_str(), i, &face) != 0) break;
        if (i == 0) count = face->num_faces;
        if (auto f = FactsOfFace(face, static_cast<int>(i))) faces.push_back(std::move(*f));
        FT_Done_Face(face);
    }
    return faces;
}

std::unordered_map<std::string, FileFacts>& FactsCache() {
    static std::unordered_map<std::string, FileFacts> cache;
    return cache;
}

// The facts of a file through the cache; `changed` tells whether they were computed afresh.
const FileFacts& FactsOf(const std::string& hostPath, bool* changed = nullptr) {
    FileStamp stamp = StampOf(hostPath);
    FileFacts& slot = FactsCache()[hostPath];
    if (slot.stamp.ok && slot.stamp == stamp) {
        if (changed) *changed = false;
        return slot;
    }
    slot.stamp = stamp;
    slot.faces = stamp.ok ? ComputeFacts(hostPath) : std::vector<FaceFacts>{};
    if (changed) *changed = true;
    return slot;
}

// ---------------------------------------------------------------------------------------------
// The table file of the session: a header line, then "count<TAB>Windows path" per file.

constexpr const char* kTableHeader = "TYPESTOW FONT TABLE 1";

struct TableEntry {
    std::string path;
    int count = 0;
};

std::string TableFile() {
    return CurrentImage().SessionDir() + "/fonttable";
}

std::optional<std::vector<TableEntry>> ParseTable(const std::string& bytes) {
    std::vector<TableEntry> entries;
    std::vector<std::string> lines = Split(bytes, '\n');
    if (lines.empty()) return std::nullopt;
    auto strip = [](std::string s) {
        if (!s.empty() && s.back() == '\r') s.pop_back();
        return s;
    };
    const std::string header = strip(lines[0]);
    const size_t hl = std::strlen(kTableHeader);
    if (header.compare(0, hl, kTableHeader) != 0 || (header.size() > hl && header[hl] != ' '))
        return std::nullopt;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string line = strip(lines[i]);
        if (line.empty()) continue;
        size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 >= line.size()) return std::nullopt;
        char* end = nullptr;
        std::string num = line.substr(0, tab);
        long n = std::strtol(num.c_str(), &end, 10);
        if (*end != '\0' || n <= 0 || n > 1000000000L) return std::nullopt;
        TableEntry e{line.substr(tab + 1), static_cast<int>(n)};
        if (!HasDriveLetter(e.path)) return std::nullopt;
        entries.push_back(std::move(e));
    }
    return entries;
}

bool WriteTable(const std::vector<TableEntry>& entries) {
    // Every version of the table carries a fresh random tag in its first line, so that a reader can
    // tell versions apart by that line alone (dates are too coarse, inode numbers get reused).
    // Drawn afresh each time: a generator's state would be shared by forked processes.
    std::random_device random;
    char tag[24];
    std::snprintf(tag, sizeof tag, " %08x%08x", static_cast<unsigned>(random()),
                  static_cast<unsigned>(random()));
    std::string bytes = std::string(kTableHeader) + tag + "\n";
    for (const auto& e : entries) bytes += std::to_string(e.count) + "\t" + e.path + "\n";
    return host::WriteFileAtomic(TableFile(), bytes);
}

// Resolves a path the way AddFontResourceA takes it: a bare file name lives in the Fonts folder.
std::optional<std::string> CanonicalFontPath(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::string p = path;
    if (!HasDriveLetter(p) && p.find_first_of("\\/") == std::string::npos) p = JoinPath(FontsFolder(), p);
    auto canon = CanonicalPath(p);
    if (!canon || canon->size() >= kMaxPath || canon->back() == '\\') return std::nullopt;
    return canon;
}

std::vector<TableEntry>::iterator FindEntry(std::vector<TableEntry>& entries, const std::string& canon) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const TableEntry& e) { return EqualNoCase(e.path, canon); });
}

// Number of faces the file holds; 0 when it is not a TrueType font.
int FaceCountOf(const std::string& windowsPath) {
    auto host = HostPath(windowsPath);
    if (!host) return 0;
    return static_cast<int>(FactsOf(*host).faces.size());
}

std::vector<TableEntry> BootEntries() {
    std::vector<TableEntry> entries;
    const Image& img = CurrentImage();
    for (const RegValue& v : reg::EnumValues(FontsRegistryKey())) {
        if (v.type != kRegSz || v.data.empty()) continue;
        std::string data = v.data;
        std::string path;
        if (data.size() > 1 && data[1] == ':') {
            path = data;
        } else {
            // As the installed-font catalog resolves registration data: the Fonts folder, the system
            // folder, then the Windows System folder; a .FOT registration names its .TTF file.
            const std::string candidates[] = {img.WindowsDir() + "\\Fonts\\" + data,
                                              img.SystemDir() + "\\" + data,
                                              img.WindowsDir() + "\\System\\" + data};
            path = candidates[2];
            for (const auto& c : candidates) {
                if (FileExists(c)) {
                    path = c;
                    break;
                }
            }
            size_t dot = path.rfind('.');
            size_t slash = path.rfind('\\');
            if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
                path = path.substr(0, dot + 1) + "TTF";
        }
        auto canon = CanonicalFontPath(path);
        if (!canon || FaceCountOf(*canon) == 0) continue;
        auto it = FindEntry(entries, *canon);
        if (it != entries.end())
            ++it->count;
        else
            entries.push_back(TableEntry{*canon, 1});
    }
    return entries;
}

// The table for a change: the session made current, a missing or damaged table rebuilt from the
// boot-time fonts. The caller holds the ImageLock.
std::vector<TableEntry> TableForChange() {
    EnsureSession();
    if (auto bytes = host::ReadFile(TableFile())) {
        if (auto entries = ParseTable(*bytes)) return *entries;
    }
    std::vector<TableEntry> entries = BootEntries();
    WriteTable(entries);
    return entries;
}

// ---------------------------------------------------------------------------------------------
// A snapshot of the table for enumeration, reloaded only when the table file changes.

struct SnapshotEntry {
    std::string path;
    std::string hostPath;
    int count = 0;
    const FileFacts* facts = nullptr; // points into the cache (node-based map: stable)
};

// The first line of the table file, which names its version; empty when there is none.
std::string TableVersion(const std::string& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    char buf[64];
    ssize_t n = ::pread(fd, buf, sizeof buf, 0);
    ::close(fd);
    if (n <= 0) return {};
    std::string line(buf, static_cast<size_t>(n));
    size_t nl = line.find('\n');
    return nl == std::string::npos ? std::string() : line.substr(0, nl);
}

struct Snapshot {
    std::string root;
    std::string version;
    std::vector<SnapshotEntry> entries;
    bool indexDirty = true;
    std::unordered_map<std::string, std::vector<size_t>> byFace;
};

Snapshot& TheSnapshot() {
    static Snapshot s;
    return s;
}

Snapshot& CurrentSnapshot() {
    Snapshot& s = TheSnapshot();
    const std::string file = TableFile();
    std::string version = TableVersion(file);
    if (!version.empty() && s.version == version && s.root == CurrentImage().Root()) return s;
    std::vector<TableEntry> entries;
    {
        ImageLock lock;
        entries = TableForChange();
        version = TableVersion(file);
    }
    s.root = CurrentImage().Root();
    s.version = version;
    s.entries.clear();
    for (auto& e : entries) {
        SnapshotEntry se;
        se.path = e.path;
        se.count = e.count;
        if (auto host = HostPath(e.path)) se.hostPath = *host;
        s.entries.push_back(std::move(se));
    }
    s.indexDirty = true;
    return s;
}

// Brings one entry's facts up to date; true when they changed.
bool Refresh(Snapshot& s, SnapshotEntry& e) {
    if (e.hostPath.empty()) return false;
    bool changed = false;
    e.facts = &FactsOf(e.hostPath, &changed);
    if (changed) s.indexDirty = true;
    return changed;
}

void RebuildIndex(Snapshot& s) {
    s.byFace.clear();
    for (size_t i = 0; i < s.entries.size(); ++i) {
        const SnapshotEntry& e = s.entries[i];
        if (!e.facts) continue;
        std::string last;
        for (const auto& f : e.facts->faces) {
            if (f.faceKey == last) continue;
            auto& list = s.byFace[f.faceKey];
            if (list.empty() || list.back() != i) list.push_back(i);
            last = f.faceKey;
        }
    }
    s.indexDirty = false;
}

struct FaceRef {
    const SnapshotEntry* entry;
    const FaceFacts* face;
};

// Every active face of one face name (upper case), in table order.
std::vector<FaceRef> FacesNamed(const std::string& key) {
    Snapshot& s = CurrentSnapshot();
    std::vector<size_t> candidates;
    for (size_t i = 0; i < s.entries.size(); ++i)
        if (!s.entries[i].facts && !s.entries[i].hostPath.empty()) candidates.push_back(i);
    if (!candidates.empty()) {
        for (size_t i : candidates) Refresh(s, s.entries[i]);
        candidates.clear();
    }
    if (s.indexDirty) RebuildIndex(s);
    if (auto it = s.byFace.find(key); it != s.byFace.end()) candidates = it->second;
    // A file whose facts changed may have left this face name; its new facts decide.
    for (size_t i : candidates) Refresh(s, s.entries[i]);
    std::vector<FaceRef> out;
    for (size_t i : candidates) {
        const SnapshotEntry& e = s.entries[i];
        if (!e.facts) continue;
        for (const auto& f : e.facts->faces)
            if (f.faceKey == key) out.push_back(FaceRef{&e, &f});
    }
    return out;
}

// Every active face, every file's facts checked against its date.
std::vector<FaceRef> AllFaces() {
    Snapshot& s = CurrentSnapshot();
    for (auto& e : s.entries) Refresh(s, e);
    std::vector<FaceRef> out;
    for (const auto& e : s.entries) {
        if (!e.facts) continue;
        for (const auto& f : e.facts->faces) out.push_back(FaceRef{&e, &f});
    }
    return out;
}

int Distance(const FaceFacts& f, int32_t weight, bool italic) {
    int d = std::abs(f.textMetric.tmWeight - weight);
    if ((f.textMetric.tmItalic != 0) != italic) d += 10000;
    return d;
}

// One face per family (and character set, when asked): the most regular style, in table order.
std::vector<FaceRef> OnePerFamily(const std::vector<FaceRef>& faces, bool perCharset) {
    std::vector<FaceRef> out;
    for (const auto& ref : faces) {
        auto same = [&](const FaceRef& o) {
            return o.face->faceKey == ref.face->faceKey &&
                   (!perCharset || o.face->textMetric.tmCharSet == ref.face->textMetric.tmCharSet);
        };
        auto it = std::find_if(out.begin(), out.end(), same);
        if (it == out.end())
            out.push_back(ref);
        else if (Distance(*ref.face, 400, false) < Distance(*it->face, 400, false))
            *it = ref;
    }
    return out;
}

int Deliver(const std::vector<FaceRef>& faces, const FontEnumProc& proc) {
    // The callback may change the table; hand it copies.
    std::vector<std::pair<ENUMLOGFONTA, NEWTEXTMETRICA>> records;
    records.reserve(faces.size());
    for (const auto& r : faces) records.emplace_back(r.face->logFont, r.face->textMetric);
    int result = 1;
    for (const auto& [elf, tm] : records) {
        result = proc(elf, tm, kTrueTypeFontType);
        if (result == 0) break;
    }
    return result;
}

ActiveFace MakeActiveFace(const SnapshotEntry& e, const FaceFacts& f) {
    ActiveFace a;
    a.windowsPath = e.path;
    a.hostPath = e.hostPath;
    a.faceIndex = f.faceIndex;
    a.logFont = f.logFont;
    a.textMetric = f.textMetric;
    return a;
}

} // namespace

std::string FontsRegistryKey() {
    return CurrentImage().IsNT() ? "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"
                                 : "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";
}

std::string FontsFolder() {
    return CurrentImage().WindowsDir() + (CurrentImage().IsNT() ? "\\SYSTEM" : "\\Fonts");
}

int AddFontResource(const std::string& path) {
    if (!CurrentImage().IsValid()) return 0;
    auto canon = CanonicalFontPath(path);
    if (!canon) return 0;
    ImageLock lock;
    int faces = FaceCountOf(*canon);
    if (faces == 0) return 0;
    std::vector<TableEntry> entries = TableForChange();
    auto it = FindEntry(entries, *canon);
    if (it != entries.end())
        ++it->count;
    else
        entries.push_back(TableEntry{*canon, 1});
    return WriteTable(entries) ? faces : 0;
}

int RemoveFontResource(const std::string& path) {
    if (!CurrentImage().IsValid()) return 0;
    auto canon = CanonicalFontPath(path);
    if (!canon) return 0;
    ImageLock lock;
    std::vector<TableEntry> entries = TableForChange();
    auto it = FindEntry(entries, *canon);
    if (it == entries.end()) return 0;
    if (--it->count == 0) entries.erase(it);
    return WriteTable(entries) ? 1 : 0;
}

int FontResourceCount(const std::string& path) {
    auto canon = CanonicalFontPath(path);
    if (!canon || !CurrentImage().IsValid()) return 0;
    for (const auto& e : CurrentSnapshot().entries)
        if (EqualNoCase(e.path, *canon)) return e.count;
    return 0;
}

std::vector<ActiveFontFile> ActiveFontFiles() {
    std::vector<ActiveFontFile> out;
    if (!CurrentImage().IsValid()) return out;
    for (const auto& e : CurrentSnapshot().entries) out.push_back(ActiveFontFile{e.path, e.count});
    return out;
}

int EnumFontFamilies(const char* face, const FontEnumProc& proc) {
    if (!CurrentImage().IsValid()) return 1;
    if (!face || !*face) return Deliver(OnePerFamily(AllFaces(), false), proc);
    char cut[kLfFaceSize];
    CopyCut(cut, sizeof cut, face);
    return Deliver(FacesNamed(UpperAnsi(cut)), proc);
}

int EnumFontFamiliesEx(const LOGFONTA& filter, const FontEnumProc& proc) {
    if (!CurrentImage().IsValid()) return 1;
    char cut[kLfFaceSize];
    CopyCut(cut, sizeof cut, std::string(filter.lfFaceName, strnlen(filter.lfFaceName, kLfFaceSize)));
    std::vector<FaceRef> faces = cut[0] ? FacesNamed(UpperAnsi(cut)) : OnePerFamily(AllFaces(), true);
    if (filter.lfCharSet != kDefaultCharset) {
        std::erase_if(faces,
                      [&](const FaceRef& r) { return r.face->textMetric.tmCharSet != filter.lfCharSet; });
    }
    return Deliver(faces, proc);
}

std::optional<ActiveFace> MatchActiveFace(const LOGFONTA& wanted) {
    if (!CurrentImage().IsValid()) return std::nullopt;
    char cut[kLfFaceSize];
    CopyCut(cut, sizeof cut, std::string(wanted.lfFaceName, strnlen(wanted.lfFaceName, kLfFaceSize)));
    if (!cut[0]) return std::nullopt;
    std::vector<FaceRef> faces = FacesNamed(UpperAnsi(cut));
    const FaceRef* best = nullptr;
    int32_t weight = wanted.lfWeight > 0 ? wanted.lfWeight : 400;
    for (const auto& r : faces)
        if (!best || Distance(*r.face, weight, wanted.lfItalic != 0) <
                         Distance(*best->face, weight, wanted.lfItalic != 0))
            best = &r;
    if (!best) return std::nullopt;
    return MakeActiveFace(*best->entry, *best->face);
}

std::vector<ActiveFace> FacesOfFontFile(const std::string& path) {
    std::vector<ActiveFace> out;
    auto canon = CanonicalFontPath(path);
    if (!canon) return out;
    auto host = HostPath(*canon);
    if (!host) return out;
    SnapshotEntry e;
    e.path = *canon;
    e.hostPath = *host;
    for (const auto& f : FactsOf(*host).faces) out.push_back(MakeActiveFace(e, f));
    return out;
}

void LoadBootTimeTrueTypeFonts() {
    if (!CurrentImage().IsValid()) return;
    ImageLock lock;
    WriteTable(BootEntries());
}

std::vector<std::string> FontTableListing() {
    std::vector<std::string> lines;
    std::vector<ActiveFontFile> files = ActiveFontFiles();
    lines.push_back("TrueType fonts: " + std::to_string(files.size()) +
                    (files.size() == 1 ? " file" : " files"));
    for (const auto& f : files) lines.push_back("  " + std::to_string(f.count) + "\t" + f.path);
    std::vector<Type1Record> type1 = ActiveType1Fonts();
    lines.push_back("Type 1 fonts: " + std::to_string(type1.size()));
    for (const auto& r : type1)
        lines.push_back("  " + r.menuName + "\t" + std::to_string(r.style) + "\t" + r.metricsPath + "\t" +
                        r.outlinePath);
    return lines;
}

void ClearFontFactsCache() {
    FactsCache().clear();
    Snapshot& s = TheSnapshot();
    s = Snapshot{};
}

} // namespace platform
