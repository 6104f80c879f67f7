#include "properties/ui/WFontPropSheet.h"

#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "fontdata/FontItem.h"
#include "install/engine.h"
#include "printing/ui/WListPrinter.h"
#include "properties/ui/WFontPropPages.h"
#include "resources/dialogs.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

WFontPropSheet::WFontPropSheet(const QString& caption, FontItem* item, QWidget* owner)
    : WProdSheet(caption, 0, {}, false, 0, owner, nullptr), m_pItem(item), m_nType(item->m_nType) {
    SetButtonMask(kSheetHelp);
    setObjectName(QStringLiteral("fontPropSheet"));
    {
        platform::WaitCursor wait(TheApp().Ui());
        m_pPage0 = new WPage0(this);
        m_pPage1 = new WPage1(this);
        m_pPage2 = new WPage2(this);
        AddPage(m_pPage0);
        AddPage(m_pPage1);
        AddPage(m_pPage2);
        m_strFontName = SheetFontName(*item);
        OpenSheetOnFont(*item);
    }
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
}

WFontPropSheet::~WFontPropSheet() {
    // Aborted before showing, or the owner went first: the preview install still goes.
    ReleasePreviewOnce();
}

QPixmap WFontPropSheet::TypeIcon() const {
    return LoadPicture(TypeIconId(m_nType));
}

bool WFontPropSheet::ShowProperties(QWidget* owner) {
    if (!PrepareSheetFile(*m_pItem)) {
        const int answer = TheApp().Ui().MessageBox(
            owner, LoadString(IDS_FONT_FILE_NOT_FOUND), LoadString(IDS_CAPTION_WARNING),
            platform::kMbAbortRetryIgnore | platform::kMbIconInformation);
        if (answer == platform::kIdAbort) {
            delete this;
            return false;
        }
    }
    if (owner && parentWidget() != owner) setParent(owner, windowFlags());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    show();
    return true;
}

void WFontPropSheet::OnCreate() {
    // The tabs take the size of the largest page template, the row of buttons goes below them.
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const int margin = DialogUnitsToPixelsX(7, dpi);
    const QSize tabs = TabControl()->sizeHint().expandedTo(TabControl()->minimumSizeHint());
    TabControl()->setGeometry(margin, margin, tabs.width(), tabs.height());
    resize(tabs.width() + 2 * margin, tabs.height() + 3 * margin + DialogUnitsToPixelsY(14, dpi));
    LayoutButtons();
    WProdSheet::OnCreate();
    if (QWidget* owner = parentWidget()) {
        const QRect o = owner->frameGeometry();
        move(o.center() - QPoint(width() / 2, height() / 2));
    }
    // The first child button that reads "&Help" gives the row its place.
    QPushButton* help = nullptr;
    for (QPushButton* b : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->text() == FromAnsi(LoadString(IDS_HELP_BUTTON))) {
            help = b;
            break;
        }
    if (!help) return;
    const QRect h = help->geometry();
    const SheetButtonRow row =
        PlaceSheetButtons(ScreenRect{h.left(), h.top(), h.left() + h.width(), h.top() + h.height()},
                          ScreenRect{0, 0, width(), height()});
    m_pPrint = MakeButton(IDS_PRINT_BUTTON, IDC_PROP_PRINT, row.print);
    m_pClose = MakeButton(IDS_CLOSE_BUTTON, IDC_PROP_CLOSE, row.close);
}

QPushButton* WFontPropSheet::MakeButton(unsigned textId, unsigned controlId, const ScreenRect& where) {
    auto* button = new QPushButton(FromAnsi(LoadString(textId)), this);
    button->setProperty("controlId", controlId);
    button->setObjectName(QStringLiteral("ctl%1").arg(controlId));
    button->setGeometry(where.left, where.top, where.right - where.left, where.bottom - where.top);
    button->setFont(FamilyDialogFont());
    connect(button, &QPushButton::clicked, this, [this, controlId] { OnCommand(controlId); });
    button->show();
    return button;
}

bool WFontPropSheet::OnCommand(unsigned id) {
    switch (id) {
    case IDC_PROP_CLOSE:
    case IDCANCEL_BUTTON:
        close();
        return true;
    case IDC_PROP_PRINT:
        PrintActivePage();
        return true;
    default:
        return WProdSheet::OnCommand(id);
    }
}

void WFontPropSheet::closeEvent(QCloseEvent* event) {
    ReleasePreviewOnce();
    event->accept();
}

void WFontPropSheet::reject() {
    close();
}

void WFontPropSheet::ReleasePreviewOnce() {
    if (m_bReleased || !m_pItem) return;
    m_bReleased = true;
    if (FontStillHeld(m_pItem)) ReleasePreview(*m_pItem);
}

void WFontPropSheet::PrintActivePage() {
    WPropertyPage* page = GetActivePage();
    if (!page || !m_pItem) return;
    if (page == m_pPage0) {
        WSamplePrinter printer(this);
        printing::PrintSample(printer, *m_pItem, m_pPage0->PointSize(), IDS_SAMPLE_TEXT);
    } else if (page == m_pPage1) {
        std::vector<std::string> lines;
        for (const QString& line : m_pPage1->Lines()) lines.push_back(ToAnsi(line));
        WListPrinter printer(this);
        printing::PrintInfoLines(printer, lines);
    } else if (page == m_pPage2) {
        // The table always uses 18 points, whatever the Sample page shows.
        WSamplePrinter printer(this);
        printing::PrintCharacterTable(printer, *m_pItem, 18);
    }
}
