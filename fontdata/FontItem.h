#pragma once
// One font, as every list, group and pane of the program holds it.
#include "fontdata/OwningList.h"
#include "platform/gdi.h"

#include <cstdint>
#include <string>

enum FontType : int32_t {
    FT_OTHER = 0x3000,
    FT_TRUETYPE = 0x3002,
    FT_TYPE1 = 0x3004,
    FT_UNSET = 0x3010,
};

// Order of the table-presence flags in m_bTable: nine required tables, then ten optional ones.
constexpr int kTableCount = 19;
extern const char* const kTableTags[kTableCount];

class FontItem {
public:
    FontItem();
    virtual ~FontItem();
    FontItem(const FontItem&) = default; // the member-wise copy used between lists
    FontItem& operator=(const FontItem&) = default;

    void SetFromEnumLogFont(const platform::ENUMLOGFONTA& elf);
    void SetFromTextMetric(const platform::NEWTEXTMETRICA& tm);

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
