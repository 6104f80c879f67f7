// Printouts on a real QPrinter writing PDF files: the File menu's lists and the Font Properties
// sheet's Print button, with the print dialog answered by the scripted UI port.
#include "app/ui/LaterSteps.h"
#include "install/ui/WFontListPane.h"
#include "printing/ui/WListPrinter.h"
#include "properties/ui/WFontPropSheet.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "tests/widgets/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kFontPath = "C:\\SRC\\DejaVuSans.ttf";

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool HavePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

// The text of a PDF, pages separated by form feeds, in its physical layout.
std::string PdfText(const std::string& pdf) {
    std::string txt = pdf + ".txt";
    std::string command = "pdftotext -layout '" + pdf + "' '" + txt + "'";
    if (std::system(command.c_str()) != 0) return {};
    return Slurp(txt);
}

// Pages as the PDF's page objects count them.
int PdfPages(const std::string& pdf) {
    const std::string bytes = Slurp(pdf);
    int pages = 0;
    for (size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

struct Printing : WindowFixture {
    QTemporaryDir dir;
    std::string Pdf(const std::string& name) {
        std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        platform::PrintChoice choice;
        choice.outputFile = path;
        ui.printAnswers.push_back(choice);
        return path;
    }
    void Print(unsigned id) {
        MenuItem(id)->trigger();
        QApplication::processEvents();
    }
    size_t Dialogs() const { return std::count(ui.events.begin(), ui.events.end(), "print dialog"); }
    ~Printing() override {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) windows << w;
        for (const QPointer<QWidget>& w : windows)
            if (auto* sheet = qobject_cast<WFontPropSheet*>(w.data())) delete sheet;
    }
};

} // namespace

TEST_F(Printing, FileMenuListsComeOutAsPdfWithHeaderAndLines) {
    AddFont(*app.m_permList, "Arial", FT_TRUETYPE);
    AddFont(*app.m_permList, "Courier PS", FT_TYPE1);
    AddFont(*app.m_tempList, "Temp Font", FT_TRUETYPE);
    Open();
    struct Case {
        unsigned id;
        std::vector<std::string> present, absent;
    } cases[] = {
        {ID_PRINT_ALL,
         {"Kelvra TYPESTOW: List of all fonts currently installed", "Arial [TTF]", "Courier PS [ATM]",
          "Temp Font [TTF]"},
         {}},
        {ID_PRINT_PERMANENT,
         {"Kelvra TYPESTOW: List of fonts installed permanently", "Arial [TTF]", "Courier PS [ATM]"},
         {"Temp Font"}},
        {ID_PRINT_TEMPORARY,
         {"Kelvra TYPESTOW: List of fonts installed temporarily", "Temp Font [TTF]"},
         {"Arial"}},
    };
    for (const Case& c : cases) {
        std::string pdf = Pdf("list" + std::to_string(c.id) + ".pdf");
        Print(c.id);
        ASSERT_TRUE(std::filesystem::exists(pdf)) << c.id;
        EXPECT_EQ(PdfPages(pdf), 1);
        if (!HavePdfToText()) continue;
        std::string text = PdfText(pdf);
        for (const std::string& s : c.present)
            EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
        for (const std::string& s : c.absent) EXPECT_EQ(text.find(s), std::string::npos) << s;
    }
    EXPECT_EQ(Dialogs(), 3u);
}

TEST_F(Printing, FilteredOutListShowsNoDialogAndCancelWritesNothing) {
    AddFont(*app.m_tempList, "Courier PS", FT_TYPE1);
    Open();
    app.m_nViewType = 4; // TrueType only
    std::string pdf = Pdf("none.pdf");
    Print(ID_PRINT_TEMPORARY);
    EXPECT_EQ(Dialogs(), 0u);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    ui.printAnswers.clear(); // the dialog is cancelled
    app.m_nViewType = 1;
    Print(ID_PRINT_TEMPORARY);
    EXPECT_EQ(Dialogs(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString()));
}

TEST_F(Printing, LongListsRunOverPagesAndGroupsAndFolderPrint) {
    for (int i = 0; i < 150; ++i) AddFont(*app.m_permList, "Font Number " + std::to_string(i), FT_TRUETYPE);
    AddFont(*app.m_sourceList, "Arial", FT_TRUETYPE, "C:\\SRC\\ARIAL.TTF");
    AddFont(*app.m_permList, "Arial", FT_TRUETYPE);
    auto* group = app.m_groupList->AddTail(std::make_unique<FontGroup>("", "Office"));
    group->m_pFonts = std::make_unique<FontList>();
    AddFont(*group->m_pFonts, "Courier", FT_TYPE1);
    Open();

    std::string list = Pdf("long.pdf");
    Print(ID_PRINT_PERMANENT);
    const int pages = PdfPages(list);
    EXPECT_GE(pages, 2);
    std::string groups = Pdf("groups.pdf");
    Print(ID_PRINT_GROUPS);
    std::string folder = Pdf("folder.pdf");
    Print(ID_PRINT_FOLDER);
    if (!HavePdfToText()) return;
    std::string text = PdfText(list);
    // Every page carries the header.
    size_t headers = 0;
    for (size_t at = text.find("List of fonts installed permanently"); at != std::string::npos;
         at = text.find("List of fonts installed permanently", at + 1))
        ++headers;
    EXPECT_EQ(headers, static_cast<size_t>(pages));
    EXPECT_NE(text.find("Font Number 149 [TTF]"), std::string::npos);
    text = PdfText(groups);
    EXPECT_NE(text.find("Kelvra TYPESTOW: List of font groups"), std::string::npos);
    EXPECT_NE(text.find("Office"), std::string::npos);
    EXPECT_NE(text.find("Courier [ATM]"), std::string::npos);
    text = PdfText(folder);
    EXPECT_NE(text.find("Kelvra TYPESTOW: List of font files"), std::string::npos);
    EXPECT_NE(text.find("C:\\SRC\\ARIAL.TTF"), std::string::npos);
    EXPECT_NE(text.find("Arial [TTF] : Permanent"), std::string::npos) << text;
}

TEST_F(Printing, PropertySheetPrintsTheActivePage) {
    if (!std::filesystem::exists(kDejaVu)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    image.WriteFile(kFontPath, Slurp(kDejaVu));
    FontItem* f = AddFont(*app.m_sourceList, "DejaVu Sans", FT_TRUETYPE, kFontPath);
    f->m_strFamilyName = "DejaVu Sans";
    f->m_bInstalled = 0;
    auto* sheet = new WFontPropSheet(QStringLiteral("Font Properties"), f, nullptr);
    ASSERT_TRUE(sheet->ShowProperties(nullptr));
    QApplication::processEvents();

    std::vector<std::string> pdfs;
    for (int page = 0; page < 3; ++page) {
        sheet->SetActivePage(page);
        QApplication::processEvents();
        pdfs.push_back(Pdf("page" + std::to_string(page) + ".pdf"));
        sheet->PrintButton()->click();
        QApplication::processEvents();
        EXPECT_TRUE(std::filesystem::exists(pdfs.back())) << page;
    }
    EXPECT_EQ(PdfPages(pdfs[0]), 1);
    if (const char* keep = std::getenv("TYPESTOW_PRINTS"))
        for (const std::string& pdf : pdfs)
            std::filesystem::copy_file(
                pdf, std::string(keep) + "/" + std::filesystem::path(pdf).filename().string(),
                std::filesystem::copy_options::overwrite_existing);
    if (!HavePdfToText()) return;
    std::string sample = PdfText(pdfs[0]);
    EXPECT_NE(sample.find("Kelvra TYPESTOW : DejaVu Sans"), std::string::npos) << sample;
    std::string info = PdfText(pdfs[1]);
    EXPECT_NE(info.find("Kelvra TYPESTOW"), std::string::npos);
    EXPECT_NE(info.find("bytes"), std::string::npos) << info;
    std::string table = PdfText(pdfs[2]);
    // Rows labelled from 32 on, by the number of columns that fit across.
    EXPECT_NE(table.find("Kelvra TYPESTOW : DejaVu Sans"), std::string::npos) << table;
    EXPECT_NE(table.find("\n32\n"), std::string::npos) << table;
    EXPECT_NE(table.find("0     1     2"), std::string::npos) << table;
}
