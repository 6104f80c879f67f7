#include "dialogs/WHelp.h"

#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "dialogs/WDialog.h"
#include "platform/text.h"
#include "resources/helpfile.h"
#include "resources/strings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <optional>

namespace {

std::string g_helpFile;
QPointer<WHelpWindow> g_window;
QPointer<WHelpPopup> g_popup;

// The file is read afresh for each command, as the help program would.
std::optional<HelpFile> ReadHelp(QWidget* window) {
    auto file = LoadHelpFile(help::HelpFile());
    if (!file) {
        const std::string text =
            FormatString(IDS_HELP_FILE_MISSING, {platform::Utf8ToAnsi(help::HelpFile())});
        if (HasApp())
            TheApp().Ui().MessageBox(window, text, LoadString(IDS_MAIN_CAPTION),
                                     platform::kMbOk | platform::kMbIconWarning);
    }
    return file;
}

QString ParagraphsToHtml(const std::string& text) {
    QString html;
    for (const QString& para : FromAnsi(text).split(QStringLiteral("\n\n"))) {
        QString p = para.toHtmlEscaped();
        p.replace(QLatin1Char('\n'), QLatin1Char(' '));
        html += QStringLiteral("<p>") + p + QStringLiteral("</p>");
    }
    return html;
}

} // namespace

namespace help {

void SetHelpFile(const std::string& hostPath) {
    g_helpFile = hostPath;
}

std::string HelpFile() {
    if (!g_helpFile.empty()) return g_helpFile;
    return HelpFilePathFor(QCoreApplication::applicationFilePath().toStdString());
}

bool ShowContext(QWidget* window, uint32_t context) {
    if (!ReadHelp(window)) return false;
    WHelpWindow::Instance()->ShowTopic(context);
    return true;
}

bool ShowControlPopup(QWidget* control, const HelpMap& map) {
    if (!control) return false;
    auto file = ReadHelp(control->window());
    if (!file) return false;
    const uint32_t context = map.ContextOf(WDialog::ControlIdOf(control));
    std::string text = context ? file->PopupText(context) : std::string();
    if (text.empty()) text = LoadString(IDS_HELP_NO_TOPIC);
    WHelpPopup::Show(control, context, FromAnsi(text));
    return true;
}

bool ShowContents(QWidget* window) {
    auto file = ReadHelp(window);
    if (!file) return false;
    WHelpWindow::Instance()->ShowTopic(file->ContentsContext());
    return true;
}

bool ShowFinder(QWidget* window) {
    if (!ReadHelp(window)) return false;
    WHelpWindow::Instance()->ShowIndex();
    return true;
}

bool ShowHelpOnHelp(QWidget*) {
    WHelpWindow::Instance()->ShowText(FromAnsi(LoadString(IDS_USING_HELP_TITLE)),
                                      ParagraphsToHtml(LoadString(IDS_USING_HELP_TEXT)));
    return true;
}

} // namespace help

WHelpWindow* WHelpWindow::Instance() {
    if (!g_window) g_window = new WHelpWindow();
    return g_window;
}

WHelpWindow* WHelpWindow::Existing() {
    return g_window;
}

WHelpWindow::WHelpWindow() : QDialog(nullptr) {
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromAnsi(LoadString(IDS_HELP_TITLE)));
    m_pTabs = new QTabWidget(this);
    m_pContents = new QListWidget;
    m_pContents->setObjectName(QStringLiteral("helpContents"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* findLabel = new QLabel(FromAnsi(LoadString(IDS_HELP_FIND_LABEL)));
    m_pFind = new QLineEdit;
    findLabel->setBuddy(m_pFind);
    m_pIndex = new QListWidget;
    m_pIndex->setObjectName(QStringLiteral("helpIndex"));
    indexLayout->addWidget(findLabel);
    indexLayout->addWidget(m_pFind);
    indexLayout->addWidget(m_pIndex);
    m_pTabs->addTab(m_pContents, FromAnsi(LoadString(IDS_HELP_CONTENTS_TAB)));
    m_pTabs->addTab(indexPage, FromAnsi(LoadString(IDS_HELP_INDEX_TAB)));
    auto* display = new QPushButton(FromAnsi(LoadString(IDS_HELP_DISPLAY)));
    auto* left = new QVBoxLayout;
    left->addWidget(m_pTabs);
    left->addWidget(display, 0, Qt::AlignRight);
    m_pText = new QTextBrowser;
    m_pText->setObjectName(QStringLiteral("helpText"));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addWidget(m_pText, 3);
    resize(720, 420);

    connect(m_pContents, &QListWidget::itemActivated, this, [this] { DisplaySelected(m_pContents); });
    connect(m_pIndex, &QListWidget::itemActivated, this, [this] { DisplaySelected(m_pIndex); });
    connect(display, &QPushButton::clicked, this,
            [this] { DisplaySelected(m_pTabs->currentIndex() == 0 ? m_pContents : m_pIndex); });
    connect(m_pFind, &QLineEdit::textChanged, this, [this](const QString& prefix) {
        for (int i = 0; i < m_pIndex->count(); ++i) {
            QListWidgetItem* item = m_pIndex->item(i);
            if (item->text().startsWith(prefix, Qt::CaseInsensitive)) {
                m_pIndex->setCurrentItem(item);
                break;
            }
        }
    });
}

void WHelpWindow::FillLists() {
    m_pContents->clear();
    m_pIndex->clear();
    auto file = LoadHelpFile(help::HelpFile());
    if (!file) return;
    for (const auto& [context, topic] : file->topics) {
        auto* item = new QListWidgetItem(FromAnsi(topic.title), m_pContents);
        item->setData(Qt::UserRole, context);
        auto* indexItem = new QListWidgetItem(FromAnsi(topic.title), m_pIndex);
        indexItem->setData(Qt::UserRole, context);
    }
    m_pIndex->sortItems();
}

void WHelpWindow::DisplaySelected(QListWidget* list) {
    if (QListWidgetItem* item = list->currentItem()) ShowTopic(item->data(Qt::UserRole).toUInt());
}

void WHelpWindow::ShowTopic(uint32_t context) {
    FillLists();
    auto file = LoadHelpFile(help::HelpFile());
    const HelpTopic* topic = file ? file->Topic(context) : nullptr;
    m_context = context;
    if (topic)
        ShowText(FromAnsi(topic->title), ParagraphsToHtml(topic->text));
    else
        ShowText(QString(), FromAnsi(LoadString(IDS_HELP_NO_TOPIC)).toHtmlEscaped());
    for (int i = 0; i < m_pContents->count(); ++i)
        if (m_pContents->item(i)->data(Qt::UserRole).toUInt() == context) m_pContents->setCurrentRow(i);
    m_pTabs->setCurrentIndex(0);
}

void WHelpWindow::ShowIndex() {
    FillLists();
    m_context = 0;
    m_pTabs->setCurrentIndex(1);
    m_pText->clear();
    show();
    raise();
    activateWindow();
    m_pFind->setFocus();
}

void WHelpWindow::ShowText(const QString& title, const QString& html) {
    m_pText->setHtml((title.isEmpty()
                          ? QString()
                          : QStringLiteral("<h3>") + title.toHtmlEscaped() + QStringLiteral("</h3>")) +
                     html);
    m_pText->setProperty("topicTitle", title);
    show();
    raise();
    activateWindow();
}

QString WHelpWindow::CurrentTitle() const {
    return m_pText->property("topicTitle").toString();
}

WHelpPopup* WHelpPopup::Show(QWidget* control, uint32_t context, const QString& text) {
    if (g_popup) g_popup->close();
    auto* popup = new WHelpPopup(context, text);
    g_popup = popup;
    QPoint at = control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2));
    if (QScreen* screen = control->screen()) {
        QRect avail = screen->availableGeometry();
        at.setX(qMin(at.x(), avail.right() - popup->width()));
        at.setY(qMin(at.y(), avail.bottom() - popup->height()));
    }
    popup->move(at);
    popup->show();
    return popup;
}

WHelpPopup::WHelpPopup(uint32_t context, const QString& text)
    : QFrame(nullptr, Qt::Popup), m_context(context) {
    setObjectName(QStringLiteral("helpPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    setPalette(pal);
    m_pLabel = new QLabel(text, this);
    m_pLabel->setWordWrap(true);
    m_pLabel->setFixedWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(m_pLabel);
    adjustSize();
}

QString WHelpPopup::Text() const {
    return m_pLabel->text();
}
