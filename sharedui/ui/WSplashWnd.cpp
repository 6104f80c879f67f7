#include "sharedui/ui/WSplashWnd.h"

#include "app/ui/QtUiPort.h"
#include "resources/strings.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QStyleOption>
#include <QThread>

namespace {

QPointer<WSplashWnd> g_splash;

constexpr int kDialogFrame = 3; // the dialog-frame height the lines are spaced by
constexpr int kBorder = kDialogFrame + kDialogFrame + 2;
constexpr int kPictureWidth = 360;
constexpr int kPictureHeight = 180;

int64_t NowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

QRect TextBounds(const QFont& font, const QString& text, int width) {
    if (text.isEmpty()) return {};
    const QFontMetrics fm(font);
    return fm.boundingRect(QRect(0, 0, width, 100000), Qt::AlignHCenter | Qt::TextWordWrap, text);
}

// A page with a large "Aa" and three smaller glyph lines: the program's subject, in the colours a
// display of the given depth can show.
QPixmap DrawPicture(int depth) {
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, depth >= 256);
    const QRect all(0, 0, kPictureWidth, kPictureHeight);
    if (depth >= 256) {
        QLinearGradient sky(0, 0, 0, kPictureHeight);
        sky.setColorAt(0, QColor(18, 40, 96));
        sky.setColorAt(1, QColor(60, 120, 200));
        p.fillRect(all, sky);
    } else if (depth >= 3) {
        p.fillRect(all, QColor(0, 0, 128));
    } else {
        p.fillRect(all, Qt::white);
    }
    const QColor ink = depth >= 3 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const QColor accent = depth >= 256 ? QColor(255, 196, 64) : depth >= 3 ? QColor(255, 255, 0) : ink;
    // Three pages fanned out, as fonts in a stack.
    for (int i = 2; i >= 0; --i) {
        const QRect page(24 + i * 14, 22 + i * 10, 96, 124);
        p.setPen(QPen(depth >= 3 ? QColor(0, 0, 0) : ink, 1));
        p.setBrush(depth >= 3 ? QColor(255, 255, 255) : QColor(255, 255, 255));
        p.drawRect(page);
        p.setPen(QPen(depth >= 3 ? QColor(128, 128, 128) : ink, 1));
        for (int y = page.top() + 70; y < page.bottom() - 8; y += 10)
            p.drawLine(page.left() + 10, y, page.right() - 10, y);
    }
    QFont glyph(QStringLiteral("DejaVu Serif"));
    glyph.setPixelSize(60);
    glyph.setBold(true);
    p.setFont(glyph);
    p.setPen(depth >= 3 ? QColor(192, 0, 0) : ink);
    p.drawText(QRect(52, 42, 96, 70), Qt::AlignCenter, QStringLiteral("Aa"));
    // The product's letters on the right.
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(ink);
    p.drawText(QRect(160, 48, 190, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TYPESTOW"));
    p.setPen(QPen(accent, 3));
    p.drawLine(162, 94, 340, 94);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(ink);
    p.drawText(QRect(162, 102, 190, 40), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Fonts in their place"));
    return pixmap;
}

} // namespace

QPixmap SplashPicture(unsigned id) {
    switch (id) {
    case 151:
        return DrawPicture(256);
    case 152:
        return DrawPicture(16);
    case 153:
        return DrawPicture(2);
    default:
        return {};
    }
}

long ScreenColourCount() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 24;
    return DisplayColourCount(depth, 1, false, 0);
}

WSplashWnd::WSplashWnd(const SplashRecord& record, long displayColours, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_record(record) {
    setObjectName(QStringLiteral("splashWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    m_nBitmapId = SplashBitmapId(record, displayColours);
    m_picture = SplashPicture(m_nBitmapId);
    m_strCaption = FromAnsi(LoadString(record.nCaptionId));
    setWindowTitle(m_strCaption);
    m_strLarge = FromAnsi(LoadString(record.nLargeLineId));
    m_strNotice = FromAnsi(SplashNoticeText(record));
    m_strSmall = FromAnsi(SplashSmallPrintText(record));
    if (record.nStatusId) m_strStatus = FromAnsi(SplashStatusText(LoadString(record.nStatusId)));
    m_strOverPicture = FromAnsi(LoadString(record.nOverPictureId));
    Layout();
}

void WSplashWnd::Layout() {
    const int systemHeight = QFontMetrics(QApplication::font()).height();
    m_largeFont = QFont(QStringLiteral("Arial"));
    m_largeFont.setPixelSize(systemHeight * 2 + 1);
    m_largeFont.setWeight(QFont::Normal);
    m_largeFont.setStyleStrategy(QFont::PreferAntialias);
    const QString selected = QFontInfo(m_largeFont).family();
    const std::string face = LargeLineFace(ToAnsi(selected));
    if (face != ToAnsi(selected)) m_largeFont.setFamily(FromAnsi(face));
    m_noticeFont = QFont(QStringLiteral("MS Sans Serif"));
    m_noticeFont.setPixelSize(systemHeight);
    m_smallFont = QFont(QStringLiteral("Small Fonts"));
    m_smallFont.setPixelSize(std::max(1, systemHeight * 4 / 5));

    const QSize picture =
        m_picture.isNull() ? QSize(kSplashDefaultWidth, kSplashDefaultHeight) : m_picture.size();
    int width = picture.width();
    auto widest = [&](const QFont& font, const QString& text) {
        if (text.isEmpty()) return;
        const QFontMetrics fm(font);
        for (const QString& line : text.split(QLatin1Char('\n')))
            width = std::max(width, fm.horizontalAdvance(line) + 2); // wrapping measures a little wider
    };
    widest(m_largeFont, m_strLarge);
    widest(m_noticeFont, m_strNotice);
    widest(m_noticeFont, m_strStatus);

    const int left = kBorder;
    int y = kBorder;
    m_pictureRect = QRect(left + (width - picture.width()) / 2, y, picture.width(), picture.height());
    y += picture.height() + kDialogFrame;
    auto stack = [&](QRect& rect, const QFont& font, const QString& text, bool always) {
        QRect bounds = TextBounds(font, text, width);
        if (bounds.isEmpty() && !always) {
            rect = QRect();
            return;
        }
        const int h = bounds.isEmpty() ? QFontMetrics(font).height() : bounds.height();
        rect = QRect(left, y, width, h);
        y += h + kDialogFrame;
    };
    stack(m_largeRect, m_largeFont, m_strLarge, false);
    stack(m_noticeRect, m_noticeFont, m_strNotice, false);
    if (m_record.nStatusId) stack(m_statusRect, m_noticeFont, QStringLiteral("X"), true);
    stack(m_smallRect, m_smallFont, m_strSmall, false);
    setFixedSize(width + 2 * kBorder, y - kDialogFrame + kBorder);
}

void WSplashWnd::SetStatus(const std::string& text) {
    m_strStatus = FromAnsi(SplashStatusText(text));
    if (!m_statusRect.isNull()) repaint(m_statusRect);
}

void WSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    p.fillRect(rect(), face);
    // A raised border: light on the top and left, dark on the bottom and right.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!m_picture.isNull()) {
        p.drawPixmap(m_pictureRect.topLeft(), m_picture);
    } else {
        p.setPen(text);
        p.setFont(QApplication::font());
        p.drawText(m_pictureRect, Qt::AlignCenter, m_strCaption);
    }
    p.setPen(text);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    if (!m_largeRect.isNull()) {
        p.setFont(m_largeFont);
        p.drawText(m_largeRect, flags, m_strLarge);
    }
    if (!m_noticeRect.isNull()) {
        p.setFont(m_noticeFont);
        p.drawText(m_noticeRect, flags, m_strNotice);
    }
    if (!m_statusRect.isNull()) {
        p.setFont(m_noticeFont);
        p.drawText(m_statusRect, flags, m_strStatus);
    }
    if (!m_smallRect.isNull()) {
        p.setFont(m_smallFont);
        p.drawText(m_smallRect, flags, m_strSmall);
    }
    if (!m_strOverPicture.isEmpty()) {
        QFont font = QApplication::font();
        if (QFontMetrics(font).horizontalAdvance(m_strOverPicture) > width())
            font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        p.setFont(font);
        p.drawText(QRect(0, m_pictureRect.center().y() - 20, width(), 40), Qt::AlignCenter, m_strOverPicture);
    }
    if (m_nPaintedAt < 0) m_nPaintedAt = NowMs();
}

void WSplashWnd::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Disabling the window ends it the way CloseSplash does.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && g_splash == this)
        QMetaObject::invokeMethod(
            this, [] { CloseSplash(); }, Qt::QueuedConnection);
}

WSplashWnd* ShowSplash(const SplashRecord& record, int showState) {
    if (g_splash || !SplashShowStateAllowed(showState)) return nullptr;
    auto* window = new WSplashWnd(record, ScreenColourCount(), static_cast<QWidget*>(record.hParent));
    g_splash = window;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
    window->show();
    window->repaint(); // paints at once: start-up keeps the event loop busy
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return window;
}

void SetSplashStatus(const std::string& text) {
    if (g_splash) g_splash->SetStatus(text);
}

void CloseSplash() {
    if (!g_splash) return;
    WSplashWnd* window = g_splash;
    int64_t left = SplashRemainingMs(window->PaintedAt(), NowMs());
    while (left > 0 && g_splash == window) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(static_cast<unsigned long>(std::min<int64_t>(left, 20)));
        left = SplashRemainingMs(window->PaintedAt(), NowMs());
    }
    if (g_splash == window) {
        g_splash = nullptr;
        delete window;
    }
}

WSplashWnd* CurrentSplash() {
    return g_splash;
}
