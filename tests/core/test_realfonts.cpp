// The TrueType reader on the real fonts of the host, checked against what FreeType reads from them.
#include "fontdata/TrueTypeReader.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// US English Windows name of the face, each code unit's low byte, at most 64 characters.
std::string FreeTypeName(FT_Face face, unsigned nameId) {
    std::string found;
    FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName n;
        if (FT_Get_Sfnt_Name(face, i, &n) != 0) continue;
        if (n.language_id != 0x0409 || n.name_id != nameId) continue;
        found.clear();
        for (FT_UInt b = 1; b < std::min<FT_UInt>(n.string_len, 128); b += 2)
            if (n.string[b]) found += static_cast<char>(n.string[b]);
    }
    return found;
}

TEST(RealFonts, ReaderAgreesWithFreeType) {
    const char* files[] = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf",
        "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf",
        "/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
        "/usr/share/fonts/truetype/noto/NotoSerif-Bold.ttf",
        "/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf",
    };
    FT_Library library;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    int checked = 0;
    for (const char* path : files) {
        if (!std::filesystem::exists(path)) continue;
        SCOPED_TRACE(path);
        FT_Face face;
        ASSERT_EQ(FT_New_Face(library, path, 0, &face), 0);
        auto file = platform::ReadFile::OpenHost(path);
        ASSERT_TRUE(file);
        FontItem item;
        ReadTrueTypeInfo(item, FileSource(*file));

        EXPECT_EQ(item.m_strFamilyName, FreeTypeName(face, TT_NAME_ID_FONT_FAMILY));
        EXPECT_EQ(item.m_strStyle, FreeTypeName(face, TT_NAME_ID_FONT_SUBFAMILY));
        EXPECT_EQ(item.m_strFullName, FreeTypeName(face, TT_NAME_ID_FULL_NAME));
        EXPECT_EQ(item.m_strPostScriptName, FreeTypeName(face, TT_NAME_ID_PS_NAME));
        EXPECT_FALSE(item.m_strFullName.empty());

        auto* maxp = static_cast<TT_MaxProfile*>(FT_Get_Sfnt_Table(face, FT_SFNT_MAXP));
        ASSERT_TRUE(maxp);
        EXPECT_EQ(item.m_nGlyphs, maxp->numGlyphs);
        EXPECT_EQ(item.m_nMaxPoints, maxp->maxPoints);
        EXPECT_EQ(item.m_nMaxContours, maxp->maxContours);

        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        ASSERT_TRUE(os2);
        EXPECT_EQ(item.m_textMetric.tmWeight, os2->usWeightClass);
        EXPECT_EQ(item.m_textMetric.tmAscent, os2->usWinAscent);
        EXPECT_EQ(item.m_bEmbeddable, (os2->fsType & 2) ? 0 : 1);
        for (int i = 0; i < 10; ++i) EXPECT_EQ(item.m_panose[i], os2->panose[i]);
        EXPECT_EQ(item.m_nFileSize, static_cast<int32_t>(std::filesystem::file_size(path)));
        for (int t = 0; t < kTableCount; ++t) {
            FT_ULong length = 0;
            const char* tag = kTableTags[t];
            bool present = FT_Load_Sfnt_Table(face, FT_MAKE_TAG(tag[0], tag[1], tag[2], tag[3]), 0, nullptr,
                                              &length) == 0;
            EXPECT_EQ(item.m_bTable[t], present ? 1 : 0) << tag;
        }
        FT_Done_Face(face);
        ++checked;
    }
    FT_Done_FreeType(library);
    if (checked == 0) GTEST_SKIP() << "no DejaVu, Liberation or Noto fonts on this host";
}

} // namespace
