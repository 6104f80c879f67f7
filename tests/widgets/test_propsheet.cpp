// The Font Properties sheet on a real font: preview install and its release, the missing-file
// warning, the button row, the Sample page's sizes, the Info lines and the Character Set grid.
#include "app/ui/LaterSteps.h"
#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "install/ui/WFontListPane.h"
#include "platform/fonttable.h"
#include "properties/InfoLines.h"
#include "properties/ui/WFontPropPages.h"
#include "properties/ui/WFontPropSheet.h"
#include "resources/resource.h"
#include "tests/support/FontFixtures.h"
#include "tests/widgets/WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kFontPath = "C:\\SRC\\DejaVuSans.ttf";

struct PropSheet : WindowFixture {
    PropSheet() {
        std::ifstream in(kDejaVu, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        image.WriteFile(kFontPath, bytes.str());
    }
    ~PropSheet() override {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) windows << w;
        for (const QPointer<QWidget>& w : windows)
            if (auto* sheet = qobject_cast<WFontPropSheet*>(w.data())) delete sheet;
    }
    FontItem* SourceFont() {
        FontItem* f = AddFont(*app.m_sourceList, "DejaVu Sans", FT_TRUETYPE, kFontPath);
        f->m_bInstalled = 0;
        return f;
    }
    static WFontPropSheet* OpenSheet(FontItem* f) {
        auto* sheet = new WFontPropSheet(QStringLiteral("Font Properties"), f, nullptr);
        if (!sheet->ShowProperties(nullptr)) return nullptr;
        QApplication::processEvents();
        return sheet;
    }
    static void Show(WFontPropSheet* sheet, int page) {
        sheet->SetActivePage(page);
        QApplication::processEvents();
        sheet->grab(); // paints every page widget, as the screen would
    }
    // Under a real display with TYPESTOW_SHOTS set, a picture of the screen for a look by eye.
    static void Shot(const char* name) {
        const char* dir = std::getenv("TYPESTOW_SHOTS");
        if (!dir || qEnvironmentVariable("QT_QPA_PLATFORM") == QStringLiteral("offscreen")) return;
        QTest::qWait(300);
        const std::string command = std::string("import -window root ") + dir + "/" + name + ".png";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
};

// A move of the mouse with no button held, as the window system reports it.
void Hover(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

bool HaveDejaVu() {
    return std::filesystem::exists(kDejaVu);
}

TEST_F(PropSheet, ASourceFontIsPreviewedWhileTheSheetShowsItAndReleasedOnClose) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    FontItem* f = SourceFont();
    QPointer<WFontPropSheet> sheet = OpenSheet(f);
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Font Properties"));
    EXPECT_FALSE(sheet->isModal());
    EXPECT_EQ(f->m_bPreviewInstalled, 1);
    EXPECT_GT(platform::FontResourceCount(kFontPath), 0);
    // The Sample page, shown first, looked the face up.
    EXPECT_EQ(f->m_bHasLogFont, 1);
    EXPECT_EQ(f->m_bHasTextMetric, 1);
    sheet->CloseButton()->click();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
    EXPECT_EQ(f->m_bPreviewInstalled, 0);
    EXPECT_EQ(platform::FontResourceCount(kFontPath), 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PropSheet, AnInstalledFontIsNeitherInstalledNorUninstalled) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    platform::AddFontResource(kFontPath);
    FontItem* f = AddFont(*app.m_permList, "DejaVu Sans", FT_TRUETYPE, kFontPath);
    f->m_bInstalled = 1;
    WFontPropSheet* sheet = OpenSheet(f);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(f->m_bPreviewInstalled, 0);
    EXPECT_EQ(platform::FontResourceCount(kFontPath), 1);
    Show(sheet, 2);
    sheet->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(platform::FontResourceCount(kFontPath), 1);
    EXPECT_EQ(f->m_bInstalled, 1);
}

TEST_F(PropSheet, ASheetOutlivesTheListRebuildOfItsFont) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    FontItem* f = AddFont(*app.m_permList, "DejaVu Sans", FT_TRUETYPE, kFontPath);
    f->m_bInstalled = 1;
    QPointer<WFontPropSheet> sheet = OpenSheet(f);
    ASSERT_TRUE(sheet);
    Show(sheet, 2);
    app.m_permList->RemoveAll(); // the installed lists are rebuilt after a font change
    sheet->CloseButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
}

TEST_F(PropSheet, AMissingFileWarnsAndAbortLeavesNoSheetNorPreview) {
    struct Case {
        int answer;
        bool shown;
    } cases[] = {{platform::kIdAbort, false}, {platform::kIdRetry, true}, {platform::kIdIgnore, true}};
    for (const Case& c : cases) {
        FontItem* f = AddFont(*app.m_sourceList, "Gone Font", FT_TRUETYPE, "C:\\SRC\\gone.ttf");
        ui.boxes.clear();
        ui.Answer(c.answer);
        auto* sheet = new WFontPropSheet(QStringLiteral("Font Properties"), f, nullptr);
        QPointer<WFontPropSheet> guard = sheet;
        EXPECT_EQ(sheet->ShowProperties(nullptr), c.shown);
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, "Could not find font file; some information is unavailable");
        EXPECT_EQ(ui.boxes[0].caption, "Warning");
        EXPECT_EQ(ui.boxes[0].Buttons(), platform::kMbAbortRetryIgnore);
        EXPECT_EQ(ui.boxes[0].Icon(), platform::kMbIconInformation);
        EXPECT_EQ(guard.isNull(), !c.shown);
        if (c.shown) {
            // The pages show what could be read.
            Show(sheet, 1);
            const QStringList lines = sheet->InfoPage()->Lines();
            EXPECT_TRUE(lines.contains(QStringLiteral("Font has no PANOSE Encoding")));
            sheet->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_EQ(f->m_bPreviewInstalled, 0);
        EXPECT_EQ(f->m_nPreviewUsers, 0);
    }
}

TEST_F(PropSheet, PrintAndCloseStandLeftOfHelpAndPrintDoesNothingYet) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    WFontPropSheet* sheet = OpenSheet(SourceFont());
    ASSERT_NE(sheet, nullptr);
    QPushButton* help = sheet->StandardButton(ID_HELP);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    for (unsigned id : {1u, 2u, 59904u}) EXPECT_FALSE(sheet->StandardButton(id)->isVisible()) << id;
    QPushButton* print = sheet->PrintButton();
    QPushButton* close = sheet->CloseButton();
    ASSERT_NE(print, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("&Print"));
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    EXPECT_EQ(print->property("controlId").toUInt(), 1025u);
    EXPECT_EQ(close->property("controlId").toUInt(), 1042u);
    const int gap = sheet->width() - help->geometry().right() - 1;
    EXPECT_EQ(close->geometry().right() + 1 + gap, help->x());
    EXPECT_EQ(print->geometry().right() + 1 + gap, close->x());
    EXPECT_EQ(print->y(), help->y());
    EXPECT_EQ(print->size(), help->size());
    print->click();
    QApplication::processEvents();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PropSheet, HelpShowsTheTopicOfTheActivePage) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    WFontPropSheet* sheet = OpenSheet(SourceFont());
    ASSERT_NE(sheet, nullptr);
    const unsigned contexts[] = {31, 36, 40};
    for (int page = 0; page < 3; ++page) {
        Show(sheet, page);
        sheet->StandardButton(ID_HELP)->click();
        QApplication::processEvents();
        ASSERT_NE(WHelpWindow::Existing(), nullptr);
        EXPECT_EQ(WHelpWindow::Existing()->CurrentContext(), contexts[page]) << page;
    }
}

TEST_F(PropSheet, SamplePageSizes) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    WFontPropSheet* sheet = OpenSheet(SourceFont());
    ASSERT_NE(sheet, nullptr);
    Show(sheet, 0);
    Shot("sample18");
    WPage0* page = sheet->SamplePage();
    QComboBox* sizes = page->SizeBox();
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(sizes->count(), 15);
    EXPECT_EQ(sizes->currentText(), QStringLiteral("18"));
    EXPECT_EQ(page->PointSize(), 18);
    const int dpi = page->logicalDpiY();
    EXPECT_EQ(page->SampleLogFont().lfHeight, -static_cast<int>(dpi * 18 / 72.0));
    EXPECT_STREQ(page->SampleLogFont().lfFaceName, "DejaVu Sans");
    // Typing a listed size selects it; another text changes nothing.
    sizes->setEditText(QStringLiteral("12"));
    EXPECT_EQ(sizes->currentIndex(), 3);
    EXPECT_EQ(page->PointSize(), 12);
    sizes->setEditText(QStringLiteral("13"));
    EXPECT_EQ(page->PointSize(), 12);
    sizes->setCurrentIndex(14);
    EXPECT_EQ(page->PointSize(), 72);
    Show(sheet, 0);
    Shot("sample72");
    auto* name = qobject_cast<QLabel*>(page->GetDlgItem(IDC_PROP_FONT_NAME));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("DejaVu Sans"));
}

TEST_F(PropSheet, InfoPageListsTheLinesOfTheFont) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    FontItem* f = SourceFont();
    WFontPropSheet* sheet = OpenSheet(f);
    ASSERT_NE(sheet, nullptr);
    Show(sheet, 1);
    Shot("info");
    QStringList expected;
    for (const std::string& line : InfoLines(*f)) expected << FromAnsi(line);
    EXPECT_EQ(sheet->InfoPage()->Lines(), expected);
    EXPECT_GE(expected.size(), 40);
    EXPECT_EQ(expected.first(), QStringLiteral("Full Name:\tDejaVu Sans"));
}

TEST_F(PropSheet, InfoPageScrollsSidewaysForALongPath) {
    const std::string path = "C:\\SRC\\" + std::string(200, 'p') + ".ttf";
    FontItem* f = AddFont(*app.m_sourceList, "Long", FT_OTHER, path);
    ui.Answer(platform::kIdIgnore);
    WFontPropSheet* sheet = OpenSheet(f);
    ASSERT_NE(sheet, nullptr);
    Show(sheet, 1);
    QListWidget* list = sheet->InfoPage()->List();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 5); // neither TrueType nor Type 1: names, file and size only
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
}

TEST_F(PropSheet, AType1FontShowsSixInfoLinesAndEveryPageOpens) {
    image.WriteFile("C:\\PSFONTS\\TESTPS.PFM", fixtures::PfmFile("Test-Roman"));
    image.WriteFile("C:\\PSFONTS\\TESTPS.PFB", "%!PS-AdobeFont-1.0\n");
    FontItem* f = AddFont(*app.m_sourceList, "Test Roman", FT_TYPE1, "C:\\PSFONTS\\TESTPS.PFM", "Roman");
    WFontPropSheet* sheet = OpenSheet(f);
    ASSERT_NE(sheet, nullptr);
    for (int page = 0; page < 3; ++page) Show(sheet, page);
    const QStringList lines = sheet->InfoPage()->Lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.last(), QStringLiteral("Font Type:\tType 1"));
    EXPECT_GT(sheet->CharacterSetPage()->Grid()->Layout().Count(), 0);
    sheet->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f->m_bPreviewInstalled, 0);
}

TEST_F(PropSheet, CharacterSetGridFollowsMouseAndKeys) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    FontItem* f = SourceFont();
    WFontPropSheet* sheet = OpenSheet(f);
    ASSERT_NE(sheet, nullptr);
    Show(sheet, 2);
    Shot("charset");
    WPage2* page = sheet->CharacterSetPage();
    WCharGrid* grid = page->Grid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->property("controlId").toUInt(), 1024u);
    EXPECT_EQ(page->FirstCode(), 33);
    EXPECT_EQ(page->LastCode(), 255);
    EXPECT_EQ(grid->Layout().Count(), 223);
    EXPECT_EQ(grid->Layout().Columns(), 5);
    EXPECT_EQ(grid->Layout().Rows(), 4);
    EXPECT_TRUE(grid->ScrollBar()->isVisible());
    EXPECT_EQ(grid->ScrollBar()->maximum(), 41);
    // Right after the page opens, the first character is current.
    EXPECT_EQ(grid->CurrentItem(), 0);
    EXPECT_EQ(page->NameText(), QStringLiteral(" Character Name: !"));
    EXPECT_EQ(page->CodeText(), QStringLiteral("ANSI Code: 033"));
    auto* codeLabel = qobject_cast<QLabel*>(page->GetDlgItem(IDC_CHAR_CODE));
    ASSERT_NE(codeLabel, nullptr);
    EXPECT_EQ(codeLabel->text(), QStringLiteral("ANSI Code: 033"));
    // Hovering moves the current cell and the labels without a click.
    Hover(grid, grid->ItemRect(7).center());
    EXPECT_EQ(grid->CurrentItem(), 7);
    EXPECT_EQ(page->CodeText(), QStringLiteral("ANSI Code: 040"));
    // Keys: Down a row, Up from the first row to item 0, End moves the view only.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentItem(), 12);
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(grid->CurrentItem(), 12);
    EXPECT_EQ(grid->Layout().ScrollRow(), 41);
    EXPECT_EQ(grid->ScrollBar()->value(), 41);
    QTest::keyClick(grid, Qt::Key_Home);
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(grid->CurrentItem(), 2);
    QTest::keyClick(grid, Qt::Key_Up); // from the first row
    EXPECT_EQ(grid->CurrentItem(), 0);
    // 160 is named "none"; 169 by itself.
    grid->ScrollBar()->setValue(25); // first visible item 125, code 158
    Hover(grid, grid->ItemRect(127).center());
    EXPECT_EQ(page->NameText(), QStringLiteral(" Character Name: none"));
    Hover(grid, grid->ItemRect(136).center());
    EXPECT_EQ(page->NameText(), QStringLiteral(" Character Name: \u00A9"));
    EXPECT_EQ(page->CodeText(), QStringLiteral("ANSI Code: 0169"));
    // A right press where there is no item leaves nothing current and names no character.
    grid->ScrollBar()->setValue(41);
    QTest::mouseClick(grid, Qt::RightButton, {}, grid->ItemRect(222).center() + QPoint(60, 0));
    EXPECT_EQ(grid->CurrentItem(), -1);
    EXPECT_EQ(page->NameText(), QStringLiteral(" Character Name: nothing"));
    // The raised first code stays with the item.
    EXPECT_EQ(f->m_textMetric.tmFirstChar, 33);
}

TEST_F(PropSheet, PropertiesFromASourcePaneOpensAModelessSheetOnItsFont) {
    if (!HaveDejaVu()) GTEST_SKIP() << "fonts-dejavu-core is not installed";
    FontItem* f = SourceFont();
    f->m_bInstalled = 1; // the Source pane sets it to 0 itself
    Open();
    ShowFontProperties(dlg.get(), f, "Font Properties");
    QApplication::processEvents();
    WFontPropSheet* sheet = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<WFontPropSheet*>(w)) sheet = s;
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Item(), f);
    EXPECT_EQ(sheet->parentWidget(), dlg.get());
    EXPECT_FALSE(sheet->isModal());
    Shot("frommain");
    sheet->close();
}

} // namespace
