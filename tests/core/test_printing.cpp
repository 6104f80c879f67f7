#include "printing/ListPrinter.h"

#include "resources/strings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace printing;

namespace {

// Records what a printout draws, page by page.
struct Drawn {
    int page;
    int x, y;
    std::string text; // empty for lines
    int x1 = 0, y1 = 0;
    bool inFont = false; // drawn in a selected font rather than the default one
};

class RecordingDevice : public PrintDevice {
public:
    bool dialogOk = true;
    bool startFails = false;
    bool fontFails = false;
    bool penFails = false;
    int dialogs = 0, pages = 0, ended = 0, aborted = 0;
    PageMetrics metrics{2400, 3000, 300, 300};
    int lineHeight = 50;
    CharMetrics chars{32, 255, 40, 60};
    std::vector<Drawn> drawn;
    std::vector<platform::LOGFONTA> fonts;
    std::vector<PrintRect> boxes;
    std::vector<int> pens;
    bool fontSelected = false;

    bool StartJob() override {
        ++dialogs;
        if (!dialogOk || startFails) return false;
        pages = 1;
        return true;
    }
    PageMetrics Metrics() const override { return metrics; }
    int TextHeight(const std::string&) const override { return lineHeight; }
    bool NewPage() override {
        ++pages;
        return true;
    }
    bool EndJob() override {
        ++ended;
        return true;
    }
    void AbortJob() override { ++aborted; }
    void DrawText(int x, int y, const std::string& text) override {
        drawn.push_back({pages, x, y, text, 0, 0, fontSelected});
    }
    void DrawLine(int x0, int y0, int x1, int y1) override {
        drawn.push_back({pages, x0, y0, "", x1, y1, fontSelected});
    }
    bool SelectFont(const platform::LOGFONTA& font) override {
        fonts.push_back(font);
        if (fontFails) return false;
        fontSelected = true;
        return true;
    }
    void RestoreFont() override { fontSelected = false; }
    CharMetrics FontMetrics() const override { return chars; }
    void DrawTextBox(const PrintRect& box, const std::string& text) override {
        boxes.push_back(box);
        drawn.push_back({pages, box.left, box.top, text, 0, 0, fontSelected});
    }
    bool SelectPen(int width) override {
        pens.push_back(width);
        return !penFails;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const Drawn& d : drawn)
            if (!d.text.empty()) out.push_back(d.text);
        return out;
    }
};

std::unique_ptr<FontItem> Font(const std::string& name, FontType type, const std::string& path = {}) {
    auto font = std::make_unique<FontItem>();
    font->m_strFullName = name;
    font->m_strFamilyName = name;
    font->m_nType = type;
    font->m_strFilePath = path;
    return font;
}

std::vector<FontItem*> Rows(const FontList& list) {
    std::vector<FontItem*> rows;
    for (FontItem* font : list) rows.push_back(font);
    return rows;
}

FontList MixedList() {
    FontList list;
    list.AddTail(Font("Arial", FT_TRUETYPE));
    list.AddTail(Font("Courier PS", FT_TYPE1));
    list.AddTail(Font("Odd", FT_OTHER));
    list.AddTail(Font("Times", FT_TRUETYPE));
    list.AddTail(Font("Helvetica", FT_TYPE1));
    return list;
}

} // namespace

TEST(PrintLines, FontLineFormatsAndTabExpansion) {
    EXPECT_EQ(FormatFontLine(*Font("Arial", FT_TRUETYPE)), "Arial [TTF]");
    EXPECT_EQ(FormatFontLine(*Font("Courier", FT_TYPE1)), "Courier [ATM]");
    EXPECT_EQ(FormatFontLine(*Font("Odd", FT_OTHER)), "Odd [Unknown]");
    EXPECT_EQ(FormatFontLine(*Font("Unset", FT_UNSET)), "Unset [Unknown]");

    struct Case {
        std::string in, out;
    } cases[] = {
        {"a\tb", "a       b"},
        {"\t", "        "},
        {"12345678\tx", "12345678        x"},
        {"no tabs", "no tabs"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandTabs(c.in), c.out) << c.in;
    // The Info page's size line: the value starts at column 24.
    std::string size = ExpandTabs("File Size:\t\t1234 bytes");
    EXPECT_EQ(size.find("1234"), 24u);
    // Long lines and many tabs stop at 511 characters.
    EXPECT_EQ(ExpandTabs(std::string(2000, 'x')).size(), kMaxPrintLine);
    EXPECT_EQ(ExpandTabs(std::string(200, '\t')).size(), kMaxPrintLine);
}

TEST(PrintLines, FilteredListsPrintInOrderAndEndAfterTheLastPrintedLine) {
    FontList list = MixedList();
    struct Case {
        int filter;
        std::vector<std::string> lines;
    } cases[] = {
        {1, {"Arial [TTF]", "Courier PS [ATM]", "Odd [Unknown]", "Times [TTF]", "Helvetica [ATM]"}},
        {2, {"Courier PS [ATM]", "Helvetica [ATM]"}},
        // The last item is filtered out: the job still ends after "Times".
        {4, {"Arial [TTF]", "Times [TTF]"}},
    };
    for (const Case& c : cases) {
        RecordingDevice device;
        ListPrinter printer(device);
        EXPECT_EQ(PrintFontList(printer, list, c.filter, IDS_PRINT_PERMANENT), 1);
        std::vector<std::string> expected{"Kelvra TYPESTOW: List of fonts installed permanently"};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(device.Texts(), expected) << c.filter;
        EXPECT_EQ(device.ended, 1);
        EXPECT_EQ(device.aborted, 0);
        EXPECT_FALSE(printer.Started());
    }
}

TEST(PrintLines, NothingToPrintShowsNoDialog) {
    FontList type1Only;
    type1Only.AddTail(Font("Courier PS", FT_TYPE1));
    FontList empty;
    GroupList noGroups;
    RecordingDevice device;
    ListPrinter printer(device);
    EXPECT_EQ(PrintFontList(printer, type1Only, 4, IDS_PRINT_TEMPORARY), 1);
    EXPECT_EQ(PrintFontList(printer, empty, 1, IDS_PRINT_TEMPORARY), 1);
    EXPECT_EQ(PrintAllInstalled(printer, empty, empty, IDS_PRINT_ALL_INSTALLED), 1);
    EXPECT_EQ(PrintGroupList(printer, noGroups), 1);
    EXPECT_EQ(PrintFolderList(printer, {}, 3, nullptr, nullptr), 1);
    EXPECT_EQ(device.dialogs, 0);
    // The Info page alone reports an empty list as not printed.
    EXPECT_EQ(PrintInfoLines(printer, {}), 0);
    EXPECT_EQ(device.dialogs, 0);
}

TEST(PrintLines, CancelledDialogOrFailedStartPrintsNothing) {
    FontList list = MixedList();
    for (bool cancel : {true, false}) {
        RecordingDevice device;
        (cancel ? device.dialogOk : device.startFails) = false;
        if (!cancel) device.startFails = true;
        ListPrinter printer(device);
        EXPECT_EQ(PrintFontList(printer, list, 1, IDS_PRINT_PERMANENT), 0);
        EXPECT_EQ(device.dialogs, 1);
        EXPECT_TRUE(device.drawn.empty());
        EXPECT_EQ(device.ended, 0);
    }
    // Without auto-start a line before the job gives 0 and shows no dialog.
    RecordingDevice device;
    ListPrinter printer(device, false);
    EXPECT_EQ(printer.PrintLine("x"), 0);
    EXPECT_EQ(device.dialogs, 0);
}

TEST(PrintLines, AllInstalledPrintsPermanentThenTemporaryUnfiltered) {
    FontList temp, perm;
    temp.AddTail(Font("T1", FT_TYPE1));
    perm.AddTail(Font("P1", FT_TRUETYPE));
    perm.AddTail(Font("P2", FT_OTHER));
    RecordingDevice device;
    ListPrinter printer(device);
    EXPECT_EQ(PrintAllInstalled(printer, temp, perm, IDS_PRINT_ALL_INSTALLED), 1);
    EXPECT_EQ(device.Texts(),
              (std::vector<std::string>{"Kelvra TYPESTOW: List of all fonts currently installed", "P1 [TTF]",
                                        "P2 [Unknown]", "T1 [ATM]"}));
    EXPECT_EQ(device.ended, 1);
}

TEST(PrintLines, GroupListIndentsFontsAndSeparatesGroups) {
    GroupList groups;
    auto* a = groups.AddTail(std::make_unique<FontGroup>("", "Office"));
    a->m_pFonts = std::make_unique<FontList>();
    a->m_pFonts->AddTail(Font("Arial", FT_TRUETYPE));
    a->m_pFonts->AddTail(Font("Courier", FT_TYPE1));
    groups.AddTail(std::make_unique<FontGroup>("", "Empty"))->m_pFonts = std::make_unique<FontList>();
    RecordingDevice device;
    ListPrinter printer(device);
    EXPECT_EQ(PrintGroupList(printer, groups), 1);
    EXPECT_EQ(device.Texts(),
              (std::vector<std::string>{"Kelvra TYPESTOW: List of font groups", "Office", "      Arial [TTF]",
                                        "      Courier [ATM]", "   ", "Empty", "   "}));
    EXPECT_EQ(device.ended, 1);
}

TEST(PrintLines, FolderListModesAndWhereEachFontIsInstalled) {
    FontList source, perm, temp;
    source.AddTail(Font("Arial", FT_TRUETYPE, "C:\\FONTS\\ARIAL.TTF"));
    source.AddTail(Font("Courier", FT_TYPE1, "C:\\PS\\COUR.PFM"));
    source.AddTail(Font("Loose", FT_TRUETYPE, "A:\\L.TTF"));
    perm.AddTail(Font("Arial", FT_TRUETYPE));
    temp.AddTail(Font("Courier", FT_TYPE1));
    temp.AddTail(Font("Arial", FT_TRUETYPE)); // permanent wins
    std::vector<FontItem*> rows = Rows(source);

    EXPECT_EQ(FolderListLines(rows, 1, &perm, &temp),
              (std::vector<std::string>{"C:\\FONTS\\ARIAL.TTF", "C:\\PS\\COUR.PFM", "A:\\L.TTF"}));
    EXPECT_EQ(FolderListLines(rows, 2, &perm, &temp),
              (std::vector<std::string>{"Arial [TTF]", "Courier [ATM]", "Loose [TTF]"}));
    // Column: the longest path (18) plus 6.
    EXPECT_EQ(FolderListLines(rows, 3, &perm, &temp),
              (std::vector<std::string>{"C:\\FONTS\\ARIAL.TTF      Arial [TTF] : Permanent",
                                        "C:\\PS\\COUR.PFM          Courier [ATM] : Temporary",
                                        "A:\\L.TTF                Loose [TTF]"}));

    // A path longer than any fixed buffer is printed whole up to the line limit, never overrun.
    FontList longList;
    longList.AddTail(Font("Long", FT_TRUETYPE, "C:\\" + std::string(600, 'D') + "\\X.TTF"));
    std::vector<FontItem*> longRows = Rows(longList);
    RecordingDevice device;
    ListPrinter printer(device);
    EXPECT_EQ(PrintFolderList(printer, longRows, 3, &perm, &temp), 1);
    ASSERT_EQ(device.Texts().size(), 2u);
    EXPECT_EQ(device.Texts()[0], "Kelvra TYPESTOW: List of font files ");
    EXPECT_EQ(device.Texts()[1].size(), kMaxPrintLine);
}

TEST(PrintLines, LongListsBreakPagesBetweenTheMarginsWithAHeaderEach) {
    RecordingDevice device; // 3000 pixels high at 300 per inch, lines 50 high
    FontList list;
    for (int i = 0; i < 100; ++i) list.AddTail(Font("F" + std::to_string(i), FT_TRUETYPE));
    ListPrinter printer(device);
    EXPECT_EQ(PrintFontList(printer, list, 1, IDS_PRINT_PERMANENT), 1);
    // Lines start at 300 and fit while 300 + y + 50 <= 3000: y 300..2650, 48 lines a page.
    std::vector<int> perPage(4, 0);
    for (const Drawn& d : device.drawn) {
        if (d.x == 300) {
            ++perPage[d.page];
            EXPECT_GE(d.y, 300);
            EXPECT_LE(d.y + 50, 2700);
        } else {
            // The header: twice the left margin in, three lines above the first line.
            EXPECT_EQ(d.x, 600);
            EXPECT_EQ(d.y, 300 - 150);
            EXPECT_EQ(d.text, "Kelvra TYPESTOW: List of fonts installed permanently");
        }
    }
    EXPECT_EQ(device.pages, 3);
    EXPECT_EQ(perPage[1], 48);
    EXPECT_EQ(perPage[2], 48);
    EXPECT_EQ(perPage[3], 4);
    size_t headers = 0;
    for (const Drawn& d : device.drawn) headers += d.x == 600;
    EXPECT_EQ(headers, 3u);

    // Margins are truncated printer pixels; an empty header draws nothing.
    RecordingDevice odd;
    odd.metrics = {1000, 1000, 150, 97};
    ListPrinter plain(odd);
    plain.SetHeader("");
    EXPECT_EQ(plain.PrintLine("x", 1), 1);
    EXPECT_EQ(odd.Texts(), std::vector<std::string>{"x"});
    EXPECT_EQ(odd.drawn[0].x, 150);
    EXPECT_EQ(odd.drawn[0].y, 97);
}

TEST(PrintLines, AJobNotEndedIsAbandoned) {
    RecordingDevice device;
    {
        ListPrinter printer(device);
        EXPECT_EQ(printer.PrintLine("one"), 1);
    }
    EXPECT_EQ(device.aborted, 1);
    EXPECT_EQ(device.ended, 0);
}

TEST(PrintPages, SampleAtTheSizeInsideTheMargins) {
    auto font = Font("Gill Sans", FT_TRUETYPE);
    font->m_logFont.elfLogFont.lfWeight = 700;
    font->m_logFont.elfLogFont.lfWidth = 12;
    RecordingDevice device;
    ListPrinter printer(device, false);
    EXPECT_EQ(PrintSample(printer, *font, 24, IDS_SAMPLE_TEXT), 1);
    ASSERT_EQ(device.fonts.size(), 1u);
    EXPECT_EQ(device.fonts[0].lfHeight, -100); // 300 * 24 / 72
    EXPECT_EQ(device.fonts[0].lfWidth, 0);
    EXPECT_EQ(device.fonts[0].lfWeight, 700);
    EXPECT_STREQ(device.fonts[0].lfFaceName, "Gill Sans");
    ASSERT_EQ(device.boxes.size(), 1u);
    EXPECT_EQ(device.boxes[0].left, 300);
    EXPECT_EQ(device.boxes[0].top, 300);
    EXPECT_EQ(device.boxes[0].right, 2100);
    EXPECT_EQ(device.boxes[0].bottom, 2700);
    EXPECT_EQ(device.Texts(), (std::vector<std::string>{"Kelvra TYPESTOW : Gill Sans", "  ",
                                                        "The quick brown fox jumped over the lazy dog."}));
    EXPECT_EQ(device.ended, 1);

    // Cancelled: nothing at all.
    RecordingDevice cancelled;
    cancelled.dialogOk = false;
    ListPrinter none(cancelled, false);
    EXPECT_EQ(PrintSample(none, *font, 24, IDS_SAMPLE_TEXT), 0);
    EXPECT_TRUE(cancelled.drawn.empty());
}

TEST(PrintPages, CharacterTableLabelsAndCells) {
    auto font = Font("Gill Sans", FT_TRUETYPE);
    RecordingDevice device; // cells 60 by 90 from metrics 40 by 60
    ListPrinter printer(device, false);
    EXPECT_EQ(PrintCharacterTable(printer, *font, 18), 1);
    EXPECT_EQ(device.fonts.front().lfHeight, -75);
    EXPECT_EQ(device.pens, std::vector<int>{300 / 72});
    // n = (2400 - 600 - 60) / 60 = 29 columns; x0 = 360, y0 = 390.
    std::vector<std::string> columnLabels, rowLabels, chars;
    for (const Drawn& d : device.drawn) {
        if (d.text.empty() || d.text == "  " || d.y < 300) continue;
        if (d.inFont)
            chars.push_back(d.text);
        else if (d.y == 390 - 45)
            columnLabels.push_back(d.text);
        else
            rowLabels.push_back(d.text);
    }
    ASSERT_EQ(columnLabels.size(), 29u);
    EXPECT_EQ(columnLabels[0], " 0");
    EXPECT_EQ(columnLabels[1], " 1");
    EXPECT_EQ(columnLabels[28], "28");
    ASSERT_FALSE(rowLabels.empty());
    EXPECT_EQ(rowLabels[0], " 32");
    EXPECT_EQ(rowLabels[1], " 61");
    ASSERT_EQ(chars.size(), 224u); // 32..255
    EXPECT_EQ(chars.front(), " ");
    EXPECT_EQ(chars[33], "A");
    // Each code is its row label plus its column: 'A' (65) is at row 61, column 4.
    for (const Drawn& d : device.drawn)
        if (d.inFont && d.text == "A") {
            EXPECT_EQ(d.x, 360 + 4 * 60 + 10);
            EXPECT_EQ(d.y, 390 + 90 + 15);
        }
    EXPECT_EQ(device.ended, 1);
}

TEST(PrintPages, CharacterTableEdges) {
    auto font = Font("Wide", FT_TRUETYPE);
    {
        // Wider than the page: one column a row, the table still ends, on several pages.
        RecordingDevice device;
        device.chars = {32, 255, 5000, 60};
        ListPrinter printer(device, false);
        EXPECT_EQ(PrintCharacterTable(printer, *font, 18), 1);
        EXPECT_EQ(device.ended, 1);
        EXPECT_GT(device.pages, 1);
    }
    {
        // Rows that end exactly at the foot of a page leave no empty page behind.
        RecordingDevice device;
        device.chars = {32, 32 + 29 * 24 - 1, 40, 60}; // 24 rows of 90 from 390 reach 2550; 26 fit
        device.metrics.height = 390 + 24 * 90 + 300;
        ListPrinter printer(device, false);
        EXPECT_EQ(PrintCharacterTable(printer, *font, 18), 1);
        EXPECT_EQ(device.pages, 1);
    }
    {
        // A font that cannot be made prints in the default font; a pen that cannot be made stops.
        RecordingDevice device;
        device.fontFails = true;
        device.penFails = true;
        ListPrinter printer(device, false);
        EXPECT_EQ(PrintCharacterTable(printer, *font, 18), 0);
        EXPECT_EQ(device.ended, 0);
    }
    RecordingDevice device;
    device.fontFails = true;
    ListPrinter printer(device, false);
    EXPECT_EQ(PrintSample(printer, *font, 18, IDS_SAMPLE_TEXT), 1);
}
