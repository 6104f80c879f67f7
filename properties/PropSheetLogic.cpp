#include "properties/PropSheetLogic.h"

#include "app/WFontMgrApp.h"
#include "groups/FontGroup.h"
#include "install/engine.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/text.h"

#include <algorithm>
#include <cstring>

std::string SheetFontName(const FontItem& item) {
    return item.m_strFullName.substr(0, kSheetFontNameMax);
}

unsigned TypeIconId(FontType type) {
    return type == FT_TRUETYPE ? 146 : 147;
}

void OpenSheetOnFont(FontItem& item) {
    if (item.m_nType == FT_TRUETYPE)
        item.EnsureTrueTypeInfo();
    else if (item.m_nType == FT_TYPE1)
        item.ReadPfmInfo();
    AcquirePreview(item);
}

int PrepareSheetFile(FontItem& item) {
    if (item.m_strFilePath.empty()) {
        item.m_strFilePath = item.m_strOriginalPath;
        if (!item.m_strFilePath.empty() && item.m_nType == FT_TRUETYPE) item.EnsureTrueTypeInfo();
    }
    return !item.m_strFilePath.empty() && platform::FileExists(item.m_strFilePath) ? 1 : 0;
}

bool FontStillHeld(const FontItem* item) {
    if (!item) return false;
    WFontMgrApp& app = TheApp();
    for (const auto* list :
         {app.m_permList.get(), app.m_tempList.get(), app.m_sourceList.get(), app.m_clipboard.get()})
        if (list && list->Find(item) != FontList::npos) return true;
    if (app.m_groupList)
        for (const FontGroup* group : *app.m_groupList)
            if (group->m_pFonts && group->m_pFonts->Find(item) != FontList::npos) return true;
    return false;
}

unsigned PageHelpContext(int pageIndex) {
    static const unsigned kContexts[] = {31, 36, 40};
    return pageIndex >= 0 && pageIndex < 3 ? kContexts[pageIndex] : 0;
}

SheetButtonRow PlaceSheetButtons(const ScreenRect& help, const ScreenRect& sheet) {
    const int gap = sheet.right - help.right;
    const int w = help.right - help.left, h = help.bottom - help.top;
    const int printLeft = help.left - 2 * gap - 2 * w, closeLeft = help.left - gap - w;
    return SheetButtonRow{{printLeft, help.top, printLeft + w, help.top + h},
                          {closeLeft, help.top, closeLeft + w, help.top + h}};
}

const std::vector<std::string>& SampleSizes() {
    static const std::vector<std::string> sizes = {"6",  "8",  "10", "12", "14", "16", "18", "20",
                                                   "22", "24", "26", "28", "36", "48", "72"};
    return sizes;
}

int SampleHeight(int dpi, int points) {
    return -static_cast<int>(static_cast<double>(dpi) * points / 72.0);
}

int ParseSampleSize(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    long value = 0;
    size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 6; ++i, ++digits)
        value = value * 10 + (text[i] - '0');
    return digits ? static_cast<int>(value) : 18;
}

int MatchSizeEntry(const std::string& text) {
    const std::string cut = text.substr(0, 31);
    if (cut.empty()) return -1;
    const auto& sizes = SampleSizes();
    for (size_t i = 0; i < sizes.size(); ++i)
        if (platform::EqualNoCase(sizes[i], cut)) return static_cast<int>(i);
    return -1;
}

int ScaleSampleWidth(int width, int previousPoints, int newPoints) {
    if (width == 0 || previousPoints <= 0) return width;
    const double scaled = static_cast<double>(width) * newPoints / previousPoints;
    return static_cast<int>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
}

platform::LOGFONTA PageLogFont(const FontItem& item) {
    platform::LOGFONTA lf = item.m_logFont.elfLogFont;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, item.m_strFamilyName.data(),
                std::min(item.m_strFamilyName.size(), sizeof lf.lfFaceName - 1));
    return lf;
}

FaceLookupInstall LookUpFace(FontItem& item) {
    FaceLookupInstall own;
    WFontMgrApp& app = TheApp();
    const bool listed = (app.m_permList && FindFontByFullName(*app.m_permList, item.m_strFullName)) ||
                        (app.m_tempList && FindFontByFullName(*app.m_tempList, item.m_strFullName));
    if (!listed) {
        // A failure is not reported: the lookup goes on.
        if (InstallTemporary(item, 0) && item.m_nType == FT_TRUETYPE && !item.m_strFilePath.empty())
            own.trueTypePath = item.m_strFilePath;
        own.ownInstall = 1;
    }
    platform::LOGFONTA filter{};
    std::memcpy(filter.lfFaceName, item.m_strFamilyName.data(),
                std::min(item.m_strFamilyName.size(), sizeof filter.lfFaceName - 1));
    filter.lfCharSet = platform::kAnsiCharset;
    filter.lfPitchAndFamily = 0;
    const std::string fullName = item.m_strFullName;
    platform::EnumFontFamiliesEx(
        filter, [&](const platform::ENUMLOGFONTA& elf, const platform::NEWTEXTMETRICA& tm, uint32_t) {
            const std::string faceFull(elf.elfFullName, strnlen(elf.elfFullName, sizeof elf.elfFullName));
            if (faceFull == fullName) {
                item.SetFromEnumLogFont(elf);
                item.SetFromTextMetric(tm);
            }
            return 1;
        });
    return own;
}

void UndoFaceLookupInstall(FontItem* item, const FaceLookupInstall& install) {
    if (!install.ownInstall) return;
    if (!install.trueTypePath.empty()) {
        platform::RemoveFontResource(install.trueTypePath);
        return;
    }
    if (item && item->m_nType != FT_TRUETYPE && FontStillHeld(item)) UninstallTemporary(*item);
}

std::vector<std::string> WrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& advance) {
    std::vector<std::string> lines;
    std::string line;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = text.find(' ', i);
        const std::string word = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
        i = end == std::string::npos ? text.size() : end + 1;
        if (word.empty()) continue;
        const std::string candidate = line.empty() ? word : line + ' ' + word;
        if (line.empty() || advance(candidate) <= width) {
            line = candidate;
        } else {
            lines.push_back(line);
            line = word;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

CharGridSetup PrepareCharGrid(FontItem& item) {
    CharGridSetup setup;
    setup.cellFont = PageLogFont(item);
    const int height = item.m_textMetric.tmHeight, widest = item.m_textMetric.tmMaxCharWidth;
    const int larger = std::max(height, widest);
    if (larger > 0) {
        const double s = 50.0 / larger;
        setup.cellFont.lfWidth = static_cast<int32_t>(s * setup.cellFont.lfWidth + 0.5);
        setup.cellFont.lfHeight = static_cast<int32_t>(s * setup.cellFont.lfHeight + 0.5);
    }
    if (item.m_textMetric.tmFirstChar < 33) item.m_textMetric.tmFirstChar = 33;
    if (item.m_textMetric.tmLastChar == 0) {
        item.m_textMetric.tmLastChar = 255;
        setup.cellFont.lfWidth *= 2;
        setup.cellFont.lfHeight *= 2;
    }
    setup.firstCode = item.m_textMetric.tmFirstChar;
    setup.lastCode = item.m_textMetric.tmLastChar;
    // A last code below the first would give no characters, not a negative count.
    setup.count = std::max(setup.lastCode - setup.firstCode + 1, 0);
    if (setup.cellFont.lfCharSet != platform::kSymbolCharset)
        setup.cellFont.lfCharSet = platform::kAnsiCharset;
    return setup;
}

std::string CharacterName(int code) {
    if (code == 32) return "space";
    static const int kNone[] = {127, 128, 129, 141, 142, 143, 144, 157, 158, 160};
    if (std::find(std::begin(kNone), std::end(kNone), code) != std::end(kNone)) return "none";
    return std::string(1, static_cast<char>(code & 0xFF));
}

std::string CharacterNameLabel(int code) {
    return " Character Name: " + CharacterName(code);
}

std::string AnsiCodeLabel(int code) {
    return "ANSI Code: 0" + std::to_string(code);
}

std::string EmptyCharacterNameLabel() {
    return " Character Name: nothing";
}

std::string EmptyAnsiCodeLabel() {
    return "ANSI Code: 00";
}
