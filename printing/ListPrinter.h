#pragma once
// Printed font lists and property-page printouts, as line and cell arithmetic over a print device.
// The device (a real printer in the program, a recorder in the tests) draws; this decides what,
// where and when a page ends.
#include "fontdata/FontItem.h"
#include "groups/FontGroup.h"
#include "platform/gdi.h"

#include <string>
#include <vector>

namespace printing {

struct PageMetrics {
    int width = 0;  // printable width in printer pixels
    int height = 0; // printable height in printer pixels
    int dpiX = 0;   // pixels per inch across
    int dpiY = 0;   // pixels per inch down
};

// What a font tells about its characters on the printer.
struct CharMetrics {
    int firstChar = 32;
    int lastChar = 255;
    int maxCharWidth = 0;
    int height = 0;
};

struct PrintRect {
    int left, top, right, bottom;
};

// The printer as the printouts need it. Coordinates are printer pixels, text is Windows-1252 and
// drawn with its top left corner at the point.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // Runs the print dialog, then starts the document "Kelvra TYPESTOW" and its first page. False
    // when the dialog was cancelled or the document could not be started.
    virtual bool StartJob() = 0;
    virtual PageMetrics Metrics() const = 0;
    // Height of the text in the current font.
    virtual int TextHeight(const std::string& text) const = 0;
    virtual bool NewPage() = 0;
    virtual bool EndJob() = 0;
    // Drops a started job that was not ended.
    virtual void AbortJob() = 0;
    virtual void DrawText(int x, int y, const std::string& text) = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
    // Selects a font made from the logical font; false when it could not be made.
    virtual bool SelectFont(const platform::LOGFONTA& font) = 0;
    // Back to the printer's default font.
    virtual void RestoreFont() = 0;
    virtual CharMetrics FontMetrics() const = 0;
    // Word-wrapped text inside the rectangle; what does not fit is cut off.
    virtual void DrawTextBox(const PrintRect& box, const std::string& text) = 0;
    // A solid black pen of the width; false when it could not be made.
    virtual bool SelectPen(int width) = 0;
};

constexpr int kTabWidth = 8;
constexpr size_t kMaxHeader = 256;
constexpr size_t kMaxPrintLine = 511;

// "%s [TTF]", "%s [ATM]" or "%s [Unknown]" with the font's full name.
std::string FormatFontLine(const FontItem& font);
// Tabs become blanks up to the next multiple of 8 characters; at most 511 characters are kept.
std::string ExpandTabs(const std::string& line);

// Lines with a running header, one-inch margins and page breaks.
class ListPrinter {
public:
    // With auto-start the first line runs the print dialog and starts the job.
    ListPrinter(PrintDevice& device, bool autoStart = true);
    ~ListPrinter();
    ListPrinter(const ListPrinter&) = delete;
    ListPrinter& operator=(const ListPrinter&) = delete;

    int BeginJob();
    void SetHeader(const std::string& header);
    int PrintLine(const std::string& text, int last = 0);
    int NewPage();
    int EndJob();

    bool Started() const { return m_bStarted; }
    PrintDevice& Device() { return m_device; }
    const PageMetrics& Page() const { return m_page; }
    int TopMargin() const { return m_nTopMargin; }
    int LeftMargin() const { return m_nLeftMargin; }
    int LineHeight() const { return m_nLineHeight; }
    int Y() const { return m_y; }
    const std::string& Header() const { return m_strHeader; }

private:
    PrintDevice& m_device;
    bool m_bAutoStart;
    bool m_bStarted = false;
    std::string m_strHeader;
    double m_fTopMargin = 1.0;
    double m_fLeftMargin = 1.0;
    int m_nTopMargin = 0;
    int m_nLeftMargin = 0;
    int m_nLineHeight = 0;
    PageMetrics m_page;
    int m_y = 0;
};

// View filters of the main window: 1 all, 2 PostScript only, 4 TrueType only.
int PrintFontList(ListPrinter& printer, const FontList& list, int viewFilter, unsigned headerId);
int PrintAllInstalled(ListPrinter& printer, const FontList& tempList, const FontList& permList,
                      unsigned headerId);
int PrintGroupList(ListPrinter& printer, const GroupList& groups);
// The Source pane's rows in display order; mode 1 paths, 2 font lines, 3 both with where the font
// is installed, looked up in the two lists.
std::vector<std::string> FolderListLines(const std::vector<FontItem*>& rows, int mode,
                                         const FontList* permList, const FontList* tempList);
int PrintFolderList(ListPrinter& printer, const std::vector<FontItem*>& rows, int mode,
                    const FontList* permList, const FontList* tempList);
int PrintInfoLines(ListPrinter& printer, const std::vector<std::string>& lines);

// The logical font of a printout: the item's, with its family as face and the height of the size
// in points on the printer, width 0.
platform::LOGFONTA PrintLogFont(const FontItem& item, int pointSize, int dpiY);
// The sample and the character table start their own job (the printer's auto-start is clear).
int PrintSample(ListPrinter& printer, const FontItem& item, int pointSize, unsigned textId);
int PrintCharacterTable(ListPrinter& printer, const FontItem& item, int pointSize);

} // namespace printing
