#include "sharedui/ui/WAboutBox.h"

#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "platform/files.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kBaseUnitX = 6; // dialog units to pixels, as the family's dialogs are laid out

// The credits: a small window of its own text.
void ShowCredits(QWidget* owner) {
    QDialog credits(owner);
    credits.setObjectName(QStringLiteral("creditsWindow"));
    credits.setWindowTitle(FromAnsi(LoadString(IDS_CREDITS_CAPTION)));
    auto* layout = new QVBoxLayout(&credits);
    auto* text = new QLabel(FromAnsi(LoadString(IDS_CREDITS_TEXT)), &credits);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &credits);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &credits, &QDialog::accept);
    layout->addWidget(buttons);
    credits.exec();
}

} // namespace

WAboutBox::WAboutBox(const AboutRecord& record, QWidget* parent) : QDialog(parent), m_record(record) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(FromAnsi(AboutCaption(record)));
    setFont(FamilyDialogFont());
    auto* outer = new QHBoxLayout(this);
    m_pIcon = new QLabel(this);
    m_pIcon->setObjectName(QStringLiteral("aboutIcon"));
    m_pIcon->setPixmap(
        LoadPicture(record.nIconId).scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_pIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_pIcon->installEventFilter(this);
    outer->addWidget(m_pIcon, 0, Qt::AlignTop);

    m_pLines = new QVBoxLayout;
    m_pLines->setSpacing(6);
    outer->addLayout(m_pLines, 1);
    AddLine("aboutProduct", AboutProductLine(record));
    AddLine("aboutVersion", AboutVersionLine(record));
    AddLine("aboutNotice", AboutNoticeText(record));
    // Hidden lines take no room: the lines below close up and the box shrinks.
    AddLine("aboutExtra", AboutExtraText(record));
    QLabel* centred = AddLine("aboutCentred", AboutCentredLine(record), Qt::AlignHCenter);
    if (!centred->isHidden()) {
        centred->setFixedWidth(centred->fontMetrics().horizontalAdvance(centred->text()) + 10);
        m_pLines->setAlignment(centred, Qt::AlignHCenter);
    }
    AddLine("aboutFreeText", record.strFreeText);
    AddLine("aboutFreeSpace", AboutFreeSpaceLine(record.strFreeSpacePath));
    m_pLines->addStretch(0);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setDefault(true);
    auto* info = new QPushButton(FromAnsi(LoadString(IDS_ABOUT_SYSINFO_BUTTON)), this);
    info->setObjectName(QStringLiteral("aboutSystemInfo"));
    buttons->addWidget(ok);
    buttons->addWidget(info);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(info, &QPushButton::clicked, this, [this] { ShowSystemInfo(this); });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* WAboutBox::AddLine(const char* name, const std::string& text, Qt::Alignment align) {
    auto* label = new QLabel(FromAnsi(text), this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(align | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(240);
    label->setHidden(text.empty());
    m_pLines->addWidget(label);
    return label;
}

bool WAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pIcon && event->type() == QEvent::MouseButtonDblClick) {
        if (m_record.pfnIconDoubleClick) {
            accept();
            m_record.pfnIconDoubleClick();
        } else {
            ShowCredits(this);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int WTabStopDelegate::TabX(size_t i, int lastX) const {
    if (i < m_stops.size()) return m_stops[i] * kBaseUnitX / 4;
    // Past the last stop, fields follow one another as a list box would space them.
    return lastX + 8 * kBaseUnitX;
}

void WTabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    // The selection and focus, without the text, which goes to the tab stops below.
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(
        opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QStringList parts = text.split(QLatin1Char('\t'));
    int x = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) x = TabX(static_cast<size_t>(i - 1), x);
        painter->drawText(opt.rect.adjusted(2 + x, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
    }
    painter->restore();
}

QSize WTabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString text = index.data().toString();
    const int tab = static_cast<int>(text.lastIndexOf(QLatin1Char('\t')));
    const QFontMetrics fm(option.font);
    const int after = fm.horizontalAdvance(tab < 0 ? text : text.mid(tab + 1));
    const int lastStop = m_stops.empty() ? 0 : m_stops.back();
    size.setWidth(SysInfoLineExtent(after, tab >= 0, lastStop, kBaseUnitX));
    return size;
}

WSystemInfoDlg::WSystemInfoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("systemInfoDialog"));
    setWindowTitle(FromAnsi(LoadString(IDS_SYSINFO_CAPTION)));
    setFont(FamilyDialogFont());
    m_sources.display = ScreenFacts();
    m_sources.host = HostFactsNow();
    if (HasApp()) m_sources.programsFolder = TheApp().Config().GetProgramsFolder();

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(FromAnsi(LoadString(IDS_SYSINFO_CHOOSE)), this);
    m_pCategory = new QComboBox(this);
    m_pCategory->setObjectName(QStringLiteral("sysInfoCategory"));
    label->setBuddy(m_pCategory);
    for (int c = 0; c < kSysInfoCategoryCount; ++c) m_pCategory->addItem(FromAnsi(SysInfoCategoryName(c)));
    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(m_pCategory, 1);
    layout->addLayout(top);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("sysInfoList"));
    m_pDelegate = new WTabStopDelegate(m_pList);
    m_pList->setItemDelegate(m_pDelegate);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pList->setMinimumSize(560, 260);
    layout->addWidget(m_pList, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("sysInfoOk"));
    ok->setDefault(true);
    auto* save = new QPushButton(FromAnsi(LoadString(IDS_SYSINFO_SAVE_BUTTON)), this);
    save->setObjectName(QStringLiteral("sysInfoSave"));
    buttons->addWidget(ok);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(save, &QPushButton::clicked, this, [this] { Save(); });
    connect(m_pCategory, &QComboBox::currentIndexChanged, this, [this](int c) { Fill(c); });
    m_pCategory->setCurrentIndex(kSysInfoSystemDlls);
    Fill(kSysInfoSystemDlls);
}

DisplayFacts WSystemInfoDlg::ScreenFacts() {
    DisplayFacts d;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        d.width = screen->geometry().width();
        d.height = screen->geometry().height();
        d.bitsPerPixel = screen->depth();
    }
    return d;
}

void WSystemInfoDlg::Fill(int category) {
    m_pList->clear();
    m_pDelegate->SetTabStops(SysInfoTabStops(category));
    for (const std::string& line : SysInfoLines(category, m_sources)) m_pList->addItem(FromAnsi(line));
}

void WSystemInfoDlg::SelectCategory(int category) {
    if (m_pCategory->currentIndex() == category)
        Fill(category);
    else
        m_pCategory->setCurrentIndex(category);
}

int WSystemInfoDlg::Category() const {
    return m_pCategory->currentIndex();
}

QStringList WSystemInfoDlg::Lines() const {
    QStringList lines;
    for (int i = 0; i < m_pList->count(); ++i) lines << m_pList->item(i)->text();
    return lines;
}

int WSystemInfoDlg::Save() {
    const std::string folder = HasApp() ? TheApp().Config().GetConfigFolder() : std::string();
    const int previous = Category();
    std::vector<std::pair<std::string, std::vector<std::string>>> categories;
    for (int c = 0; c < m_pCategory->count(); ++c) {
        SelectCategory(c);
        std::vector<std::string> lines;
        for (const QString& line : Lines()) lines.push_back(ToAnsi(line));
        categories.emplace_back(ToAnsi(m_pCategory->itemText(c)), std::move(lines));
    }
    SelectCategory(previous);
    const std::string path = SysInfoReportPath(folder);
    const int saved =
        !folder.empty() && platform::WriteWholeFile(path, SysInfoReportText(categories)) ? 1 : 0;
    const std::string message = SysInfoSaveMessage(saved, path);
    if (HasApp())
        TheApp().Ui().MessageBox(this, message, ToAnsi(windowTitle()),
                                 platform::kMbOk | platform::kMbIconInformation);
    else
        QMessageBox::information(this, windowTitle(), FromAnsi(message));
    return saved;
}

void ShowAboutBox(const AboutRecord& record) {
    WAboutBox box(record, static_cast<QWidget*>(record.hOwner));
    box.exec();
}

void ShowSystemInfo(QWidget* owner) {
    WSystemInfoDlg dialog(owner);
    dialog.exec();
}
