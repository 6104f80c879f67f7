#pragma once
// One font, as every list, group and pane of the program holds it.
#include "fontdata/OwningList.h"
#include "platform/gdi.h"

#include <cstdint>
#include <string>
#include <vector>

enum FontType : int32_t {
    FT_OTHER = 0x3000,
    FT_TRUETYPE = 0x3002,
    FT_TYPE1 = 0x3004,
    FT_UNSET = 0x3010,
};

// Order of the table-presence flags in m_bTable: nine required tables, then ten optional ones.
constexpr int kTableCount = 19;
constexpr int kRequiredTableCount = 9;
extern const char* const kTableTags[kTableCount];

class FontItem {
public:
    FontItem();
    virtual ~FontItem();
    FontItem(const FontItem&) = default; // the member-wise copy used between lists
    FontItem& operator=(const FontItem&) = default;

    void SetFromEnumLogFont(const platform::ENUMLOGFONTA& elf);
    void SetFromTextMetric(const platform::NEWTEXTMETRICA& tm);
    // Reads the TrueType file named by m_strFilePath once; 1 when the facts are there, 0 when the file
    // could not be opened (the item is then unchanged and a later call tries again).
    int EnsureTrueTypeInfo();
    // Names and style from the .PFM file named by m_strFilePath; 1 when settled (read now, or the file
    // could not be opened), 0 when the file is too short or its name offset cannot be read.
    int ReadPfmInfo();

    int32_t m_bInstalled = 0;
    int32_t m_bPreviewInstalled = 0;
    int32_t m_nPreviewUsers = 0;
    int32_t m_bEmbeddable = 0;
    int32_t m_bInfoRead = 0;
    int32_t m_bHasLogFont = 0;
    int32_t m_bHasTextMetric = 0;
    int32_t m_bRemote = 0;
    int32_t m_bCopiedToFonts = 0;
    FontType m_nType = FT_UNSET;
    int32_t m_nFileSize = 0;
    std::string m_strFullName;
    std::string m_strFamilyName;
    std::string m_strPostScriptName;
    std::string m_strFilePath;
    std::string m_strOriginalPath;
    std::string m_strRegistryName;
    std::string m_strStyle;
    platform::NEWTEXTMETRICA m_textMetric{};
    platform::ENUMLOGFONTA m_logFont{};
    int32_t m_panose[10] = {};
    int32_t m_bHasPanose = 0;
    int32_t m_nGlyphs = 0;
    int32_t m_nMaxPoints = 0;
    int32_t m_nMaxContours = 0;
    int32_t m_nKernPairs = 0;
    int32_t m_bTable[kTableCount] = {};
};

using FontList = OwningList<FontItem>;

// Fonts are matched by exact full name: a byte-for-byte, case-sensitive comparison.
bool IsSameName(const std::string& a, const std::string& b);
// The first item of the list with that full name, or nullptr.
FontItem* FindFontByFullName(const FontList& list, const std::string& fullName);
// Same full name, and the file base names (no folder, no extension) equal ignoring case; a font
// without a file path has an empty base name.
int IsSameFontAndFile(const FontItem& a, const FontItem& b);
// Display order: ascending full name by unsigned bytes. Negative, 0 or positive.
int CompareByFullName(const FontItem& a, const FontItem& b);
// The items of a list in display order (the list keeps its own order); equal names keep list order.
std::vector<FontItem*> InDisplayOrder(const FontList& list);
