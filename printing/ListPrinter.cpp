#include "printing/ListPrinter.h"

#include "resources/strings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace printing {

std::string FormatFontLine(const FontItem& font) {
    unsigned id = font.m_nType == FT_TRUETYPE ? IDS_GROUP_FONT_TTF
                  : font.m_nType == FT_TYPE1  ? IDS_GROUP_FONT_ATM
                                              : IDS_GROUP_FONT_UNKNOWN;
    return FormatString(id, {font.m_strFullName});
}

std::string ExpandTabs(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (out.size() >= kMaxPrintLine) break;
        if (c == '\t') {
            do out += ' ';
            while (out.size() % kTabWidth != 0 && out.size() < kMaxPrintLine);
        } else {
            out += c;
        }
    }
    return out;
}

ListPrinter::ListPrinter(PrintDevice& device, bool autoStart)
    : m_device(device), m_bAutoStart(autoStart), m_strHeader(LoadString(IDS_PRINT_DOCUMENT)) {}

ListPrinter::~ListPrinter() {
    if (m_bStarted) m_device.AbortJob();
}

int ListPrinter::BeginJob() {
    if (m_bStarted) return 1;
    if (!m_device.StartJob()) return 0;
    m_bStarted = true;
    m_nLineHeight = m_device.TextHeight("CC");
    m_page = m_device.Metrics();
    m_nTopMargin = static_cast<int>(m_page.dpiY * m_fTopMargin);
    m_nLeftMargin = static_cast<int>(m_page.dpiX * m_fLeftMargin);
    m_y = m_nTopMargin;
    return 1;
}

void ListPrinter::SetHeader(const std::string& header) {
    m_strHeader = header.substr(0, kMaxHeader);
}

int ListPrinter::PrintLine(const std::string& text, int last) {
    if (!m_bStarted) {
        if (!m_bAutoStart || !BeginJob()) return 0;
    }
    // The bottom margin equals the top one; a line that would reach into it goes on the next page.
    if (m_nTopMargin + m_y + m_nLineHeight > m_page.height && m_y != m_nTopMargin) {
        if (!NewPage()) return 0;
    }
    if (m_y == m_nTopMargin && !m_strHeader.empty())
        m_device.DrawText(2 * m_nLeftMargin, m_y - 3 * m_nLineHeight, m_strHeader);
    m_device.DrawText(m_nLeftMargin, m_y, ExpandTabs(text));
    m_y += m_nLineHeight;
    if (last == 1) return EndJob();
    return 1;
}

int ListPrinter::NewPage() {
    if (!m_bStarted) return 0;
    m_y = m_nTopMargin;
    return m_device.NewPage() ? 1 : 0;
}

int ListPrinter::EndJob() {
    if (!m_bStarted) return 0;
    m_bStarted = false;
    return m_device.EndJob() ? 1 : 0;
}

namespace {

bool Selected(const FontItem& font, int viewFilter) {
    if (viewFilter == 2) return font.m_nType == FT_TYPE1;
    if (viewFilter == 4) return font.m_nType == FT_TRUETYPE;
    return true;
}

int PrintLines(ListPrinter& printer, const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (!printer.PrintLine(lines[i], i + 1 == lines.size() ? 1 : 0)) return 0;
    return 1;
}

} // namespace

int PrintFontList(ListPrinter& printer, const FontList& list, int viewFilter, unsigned headerId) {
    std::vector<std::string> lines;
    for (FontItem* font : list)
        if (Selected(*font, viewFilter)) lines.push_back(FormatFontLine(*font));
    if (lines.empty()) return 1;
    printer.SetHeader(LoadString(headerId));
    return PrintLines(printer, lines);
}

int PrintAllInstalled(ListPrinter& printer, const FontList& tempList, const FontList& permList,
                      unsigned headerId) {
    std::vector<std::string> lines;
    for (FontItem* font : permList) lines.push_back(FormatFontLine(*font));
    for (FontItem* font : tempList) lines.push_back(FormatFontLine(*font));
    if (lines.empty()) return 1;
    printer.SetHeader(LoadString(headerId));
    return PrintLines(printer, lines);
}

int PrintGroupList(ListPrinter& printer, const GroupList& groups) {
    if (groups.IsEmpty()) return 1;
    printer.SetHeader(LoadString(IDS_PRINT_GROUPS));
    size_t index = 0;
    for (FontGroup* group : groups) {
        ++index;
        if (!printer.PrintLine(group->m_strName)) return 0;
        if (group->m_pFonts)
            for (FontItem* font : *group->m_pFonts)
                if (!printer.PrintLine("      " + FormatFontLine(*font))) return 0;
        if (!printer.PrintLine("   ", index == groups.GetCount() ? 1 : 0)) return 0;
    }
    return 1;
}

std::vector<std::string> FolderListLines(const std::vector<FontItem*>& rows, int mode,
                                         const FontList* permList, const FontList* tempList) {
    size_t column = 0;
    if (mode == 3)
        for (const FontItem* font : rows) column = std::max(column, font->m_strFilePath.size());
    column += 6;
    std::vector<std::string> lines;
    for (const FontItem* font : rows) {
        std::string line;
        if (mode == 1) {
            line = font->m_strFilePath;
        } else if (mode == 2) {
            line = FormatFontLine(*font);
        } else {
            line = font->m_strFilePath;
            line.resize(column, ' ');
            line += FormatFontLine(*font);
            if (permList && FindFontByFullName(*permList, font->m_strFullName))
                line += std::string(" : ") + LoadString(IDS_PRINT_IS_PERMANENT);
            else if (tempList && FindFontByFullName(*tempList, font->m_strFullName))
                line += std::string(" : ") + LoadString(IDS_PRINT_IS_TEMPORARY);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

int PrintFolderList(ListPrinter& printer, const std::vector<FontItem*>& rows, int mode,
                    const FontList* permList, const FontList* tempList) {
    if (rows.empty()) return 1;
    printer.SetHeader(LoadString(IDS_PRINT_FOLDER));
    return PrintLines(printer, FolderListLines(rows, mode, permList, tempList));
}

int PrintInfoLines(ListPrinter& printer, const std::vector<std::string>& lines) {
    if (lines.empty()) return 0;
    return PrintLines(printer, lines);
}

platform::LOGFONTA PrintLogFont(const FontItem& item, int pointSize, int dpiY) {
    platform::LOGFONTA lf = item.m_logFont.elfLogFont;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::strncpy(lf.lfFaceName, item.m_strFamilyName.c_str(), sizeof lf.lfFaceName - 1);
    lf.lfHeight = -(dpiY * pointSize / 72);
    lf.lfWidth = 0;
    return lf;
}

namespace {

// The job, the header naming the font and the first line that prints it, then the font itself.
int StartFontPrintout(ListPrinter& printer, const FontItem& item, int pointSize) {
    if (!printer.BeginJob()) return 0;
    printer.SetHeader(
        FormatString(IDS_PRINT_FONT_HEADER, {LoadString(IDS_PRINT_DOCUMENT), item.m_strFullName}));
    if (!printer.PrintLine("  ")) return 0;
    // A font that cannot be made leaves the printer's default font in place.
    printer.Device().SelectFont(PrintLogFont(item, pointSize, printer.Page().dpiY));
    return 1;
}

std::string Number(const char* format, int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

int PrintSample(ListPrinter& printer, const FontItem& item, int pointSize, unsigned textId) {
    std::string text = LoadString(textId);
    if (!StartFontPrintout(printer, item, pointSize)) return 0;
    const PageMetrics& page = printer.Page();
    int left = page.dpiX, top = page.dpiY;
    printer.Device().DrawTextBox({left, top, page.width - left, page.height - top}, text);
    printer.Device().RestoreFont();
    return printer.EndJob();
}

int PrintCharacterTable(ListPrinter& printer, const FontItem& item, int pointSize) {
    if (!StartFontPrintout(printer, item, pointSize)) return 0;
    PrintDevice& device = printer.Device();
    const PageMetrics& page = printer.Page();
    platform::LOGFONTA lf = PrintLogFont(item, pointSize, page.dpiY);
    if (!device.SelectPen(page.dpiY / 72)) return 0;
    CharMetrics metrics = device.FontMetrics();
    int first = std::clamp(metrics.firstChar, 0, 255);
    int last = std::clamp(metrics.lastChar, 0, 255);
    int count = last - first + 1;
    // Empty cells would never move on across or down the page.
    int e = std::max(metrics.maxCharWidth * 3 / 2, 1);
    int h = std::max(metrics.height * 3 / 2, 1);
    int left = printer.LeftMargin(), top = printer.TopMargin();
    // A font too wide for one column across still gets one column a row, so the table ends.
    int n = std::max((page.width - 2 * left - e) / e, 1);
    int x0 = left + e, y0 = top + h;

    device.RestoreFont();
    for (int column = 0; column < n; ++column)
        device.DrawText(x0 + e / 4 + column * e, y0 - h / 2, Number("%2d", column));
    device.SelectFont(lf);

    int y = y0, code = first, placed = 0;
    while (placed < count) {
        device.DrawLine(x0, y, x0 + n * e, y);
        device.RestoreFont();
        device.DrawText(x0 - e, y + h / 4, Number("%3d", code));
        device.SelectFont(lf);
        int x = x0;
        for (int column = 0; column < n; ++column) {
            device.DrawLine(x, y, x, y + h);
            if (code <= last) device.DrawText(x + e / 6, y + h / 6, std::string(1, static_cast<char>(code)));
            ++code;
            ++placed;
            x += e;
        }
        device.DrawLine(x, y, x, y + h);
        y += h;
        // Only when rows remain: a table that ends at the foot of a page leaves no empty page.
        if (y >= page.height - top && placed < count) {
            if (!printer.NewPage()) return 0;
            y = y0;
        }
    }
    device.DrawLine(x0, y, x0 + n * e, y);
    device.RestoreFont();
    return printer.EndJob();
}

} // namespace printing
