#include "properties/ui/WFontPropPages.h"

#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "fontdata/FontItem.h"
#include "install/engine.h"
#include "properties/InfoLines.h"
#include "properties/PropSheetLogic.h"
#include "properties/ui/WFontPropSheet.h"
#include "resources/dialogs.h"
#include "resources/resource.h"
#include "resources/strings.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

void SetFontName(WPropertyPage* page, const std::string& name) {
    if (auto* label = qobject_cast<QLabel*>(page->GetDlgItem(IDC_PROP_FONT_NAME)))
        label->setText(FromAnsi(name.substr(0, kPageFontNameMax)));
}

// The hidden frame only places the type icon.
void DrawTypeIcon(WPropertyPage* page, QPainter& painter, const QPixmap& icon) {
    QWidget* frame = page->GetDlgItem(IDC_TYPE_ICON);
    if (!frame || icon.isNull()) return;
    frame->hide();
    painter.drawPixmap(frame->geometry().topLeft(), icon);
}

// Tab stops every 32 template units, as the list box expands them.
class TabbedLineDelegate : public QStyledItemDelegate {
public:
    explicit TabbedLineDelegate(QObject* parent, int tabStop)
        : QStyledItemDelegate(parent), m_nTab(tabStop) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        QTextOption textOption;
        textOption.setTabStopDistance(m_nTab);
        textOption.setWrapMode(QTextOption::NoWrap);
        painter->save();
        painter->setPen(opt.palette.color((opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        painter->drawText(QRectF(opt.rect.adjusted(2, 0, 0, 0)), text, textOption);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        const QFontMetrics metrics(option.font);
        const QRect r = metrics.boundingRect(QRect(0, 0, 100000, 1000), Qt::TextExpandTabs, text, m_nTab);
        return QSize(r.width() + 4, metrics.height() + 1);
    }

private:
    int m_nTab;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Sample

WPage0::WPage0(WFontPropSheet* sheet)
    : WProdPage(IDD_SAMPLE_PAGE, 0, {}, 0, QStringLiteral("Sample")), m_pSheet(sheet) {
    setObjectName(QStringLiteral("samplePage"));
}

WPage0::~WPage0() {
    UndoFaceLookupInstall(m_pItem, m_ownInstall);
}

QComboBox* WPage0::SizeBox() const {
    return qobject_cast<QComboBox*>(GetDlgItem(IDC_SAMPLE_SIZE));
}

QRect WPage0::SampleArea() const {
    QWidget* area = GetDlgItem(IDC_SAMPLE_AREA);
    return area ? area->geometry() : QRect();
}

void WPage0::OnInitDialog() {
    WProdPage::OnInitDialog();
    m_pItem = m_pSheet->Item();
    SetFontName(this, m_pSheet->FontName());
    QComboBox* sizes = SizeBox();
    if (sizes) {
        for (const std::string& size : SampleSizes()) sizes->addItem(FromAnsi(size));
        sizes->setCurrentIndex(kDefaultSizeIndex);
        sizes->setMaxVisibleItems(static_cast<int>(SampleSizes().size()));
        // The template's height includes the dropped-down list.
        sizes->resize(sizes->width(), sizes->sizeHint().height());
    }
    // The label after the size box keeps its whole word in a wider dialog font.
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->text() == QStringLiteral("Points"))
            label->resize(label->sizeHint().width(), label->height());
    if (sizes) {
    }
    m_strSample = FromAnsi(LoadString(IDS_SAMPLE_TEXT));
    if (!m_pItem->m_bHasLogFont || !m_pItem->m_bHasTextMetric) m_ownInstall = LookUpFace(*m_pItem);
    m_sampleFont = PageLogFont(*m_pItem);
    if (QWidget* frame = GetDlgItem(IDC_TYPE_ICON)) frame->hide();
    ApplySize();
    if (sizes) {
        connect(sizes, &QComboBox::currentIndexChanged, this, [this](int) { ApplySize(); });
        connect(sizes, &QComboBox::editTextChanged, this, &WPage0::OnSizeEdited);
    }
}

void WPage0::ApplySize() {
    QComboBox* sizes = SizeBox();
    if (!sizes || sizes->currentIndex() < 0) return;
    m_nPointSize = ParseSampleSize(ToAnsi(sizes->itemText(sizes->currentIndex())));
    const int dpi = logicalDpiY() > 0 ? logicalDpiY() : 96;
    m_sampleFont.lfHeight = SampleHeight(dpi, m_nPointSize);
    // The font's own proportions: the width follows the height.
    m_sampleFont.lfWidth = 0;
    update();
}

void WPage0::OnSizeEdited(const QString& text) {
    const int entry = MatchSizeEntry(ToAnsi(text));
    if (entry < 0) return;
    QComboBox* sizes = SizeBox();
    if (sizes->currentIndex() != entry) {
        QSignalBlocker block(sizes);
        sizes->setCurrentIndex(entry);
        sizes->setEditText(text);
    }
    ApplySize();
}

void WPage0::paintEvent(QPaintEvent*) {
    platform::WaitCursor wait(TheApp().Ui());
    QPainter painter(this);
    const PageFont font(m_sampleFont);
    QRect area = SampleArea();
    if (area.isValid()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        const QRect inside = area.adjusted(1, 1, -1, -1);
        painter.setClipRect(inside);
        painter.setPen(palette().color(QPalette::Text));
        const std::vector<std::string> lines =
            WrapText(ToAnsi(m_strSample), inside.width(), [&font](const std::string& s) {
                return static_cast<int>(font.Advance(FromAnsi(s)) + 0.5);
            });
        qreal y = inside.top();
        for (const std::string& line : lines) {
            if (y >= inside.bottom()) break;
            font.Draw(painter, QPointF(inside.left(), y), FromAnsi(line));
            y += font.LineHeight();
        }
        painter.setClipping(false);
    }
    DrawTypeIcon(this, painter, m_pSheet->TypeIcon());
}

// ---------------------------------------------------------------------------------------------
// Info

WPage1::WPage1(WFontPropSheet* sheet)
    : WProdPage(IDD_INFO_PAGE, 0, {}, 0, QStringLiteral("Info")), m_pSheet(sheet) {
    setObjectName(QStringLiteral("infoPage"));
}

QListWidget* WPage1::List() const {
    return qobject_cast<QListWidget*>(GetDlgItem(IDC_INFO_LIST));
}

QStringList WPage1::Lines() const {
    QStringList lines;
    if (QListWidget* list = List())
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

void WPage1::OnInitDialog() {
    WProdPage::OnInitDialog();
    SetFontName(this, m_pSheet->FontName());
    if (QWidget* frame = GetDlgItem(IDC_TYPE_ICON)) frame->hide();
    QListWidget* list = List();
    if (!list) return;
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    list->setItemDelegate(new TabbedLineDelegate(list, DialogUnitsToPixelsX(32, dpi)));
    list->setTextElideMode(Qt::ElideNone);
    for (const std::string& line : InfoLines(*m_pSheet->Item())) list->addItem(FromAnsi(line));
}

void WPage1::paintEvent(QPaintEvent*) {
    platform::WaitCursor wait(TheApp().Ui());
    QPainter painter(this);
    DrawTypeIcon(this, painter, m_pSheet->TypeIcon());
}

// ---------------------------------------------------------------------------------------------
// Character Set

WCharGrid::WCharGrid(WPage2* page) : WGridPicker(page), m_pPage(page) {
    setObjectName(QStringLiteral("charGrid"));
}

void WCharGrid::SetCellFont(const platform::LOGFONTA& lf) {
    m_pFont = std::make_unique<PageFont>(lf);
    update();
}

void WCharGrid::DrawCell(QPainter& painter, int item, const QRect& cell) {
    painter.fillRect(cell, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::ButtonText));
    const int code = m_pPage->FirstCode() + item;
    const QString text = FromAnsi(std::string(1, static_cast<char>(code & 0xFF)));
    if (m_pFont)
        m_pFont->Draw(painter, QPointF(cell.left() + 3, cell.top() + 3), text);
    else
        painter.drawText(cell.adjusted(3, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
}

void WCharGrid::DrawSelection(int item, bool on) {
    if (on && item >= 0) {
        const int code = m_pPage->FirstCode() + item;
        m_pPage->SetLabels(FromAnsi(CharacterNameLabel(code)), FromAnsi(AnsiCodeLabel(code)));
    }
    WGridPicker::DrawSelection(item, on);
}

void WCharGrid::CurrentCleared() {
    // No character is current: the labels name none rather than a character not in the grid.
    m_pPage->SetLabels(FromAnsi(EmptyCharacterNameLabel()), FromAnsi(EmptyAnsiCodeLabel()));
    m_nLastChar = -1;
}

void WCharGrid::NotifyHover(int item) {
    const int code = m_pPage->FirstCode() + item;
    if (code == m_nLastChar) return;
    DrawSelection(CurrentItem(), false);
    SetCurrent(item);
    DrawSelection(item, true);
    m_nLastChar = code;
}

void WCharGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (at == m_lastMouse) return;
    m_lastMouse = at;
    WGridPicker::mouseMoveEvent(event);
}

WPage2::WPage2(WFontPropSheet* sheet)
    : WProdPage(IDD_CHARSET_PAGE, 0, {}, 0, QStringLiteral("Character Set")), m_pSheet(sheet) {
    setObjectName(QStringLiteral("charsetPage"));
    m_strName = FromAnsi(EmptyCharacterNameLabel());
    m_strCode = FromAnsi(EmptyAnsiCodeLabel());
}

WPage2::~WPage2() {
    UndoFaceLookupInstall(m_pItem, m_ownInstall);
}

void WPage2::SetLabels(const QString& name, const QString& code) {
    m_strName = name;
    m_strCode = code;
    if (auto* label = qobject_cast<QLabel*>(GetDlgItem(IDC_CHAR_NAME))) label->setText(name);
    if (auto* label = qobject_cast<QLabel*>(GetDlgItem(IDC_CHAR_CODE))) label->setText(code);
}

void WPage2::OnInitDialog() {
    m_pItem = m_pSheet->Item();
    SetFontName(this, m_pSheet->FontName());
    // Each label sits where its group box was, 10 pixels lower, sunken; the boxes go out of sight.
    const std::pair<unsigned, unsigned> placing[] = {{IDC_CHAR_CODE, IDC_CHAR_CODE_FRAME},
                                                     {IDC_CHAR_NAME, IDC_CHAR_NAME_FRAME}};
    for (const auto& [labelId, boxId] : placing) {
        auto* label = qobject_cast<QLabel*>(GetDlgItem(labelId));
        QWidget* box = GetDlgItem(boxId);
        if (!label || !box) continue;
        label->setGeometry(box->geometry().adjusted(0, 10, 0, 0));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
        box->setGeometry(0, 0, 0, 0);
        box->hide();
    }
    if (!m_pItem->m_bHasLogFont || !m_pItem->m_bHasTextMetric) m_ownInstall = LookUpFace(*m_pItem);
    const CharGridSetup setup = PrepareCharGrid(*m_pItem);
    m_cellFont = setup.cellFont;
    m_nFirstCode = setup.firstCode;
    m_nLastCode = setup.lastCode;
    SetLabels(m_strName, m_strCode);
    m_pGrid = new WCharGrid(this);
    m_pGrid->TakeOver(GetDlgItem(IDC_CHAR_GRID));
    GridPickerConfig config;
    config.cellSize = 60;
    config.style = kGrid3d | kGridRightClickCells;
    config.count = setup.count;
    config.rows = 20;
    config.columns = 20;
    config.firstItem = 0;
    m_pGrid->Configure(config);
    m_pGrid->SetCellFont(m_cellFont);
    if (QWidget* frame = GetDlgItem(IDC_TYPE_ICON)) frame->hide();
    // The base hooks context help onto every child, the grid included.
    WProdPage::OnInitDialog();
}

void WPage2::paintEvent(QPaintEvent*) {
    platform::WaitCursor wait(TheApp().Ui());
    QPainter painter(this);
    DrawTypeIcon(this, painter, m_pSheet->TypeIcon());
}
