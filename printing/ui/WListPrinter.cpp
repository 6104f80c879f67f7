#include "printing/ui/WListPrinter.h"

#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "properties/ui/PageFont.h"
#include "resources/strings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <cmath>

WPrintDevice::WPrintDevice(QWidget* owner, platform::UiPort& ui) : m_pOwner(owner), m_ui(ui) {
    // A fixed-pitch default font keeps the columns that tabs and padding make straight.
    m_defaultFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_defaultFont.setPointSize(10);
}

WPrintDevice::~WPrintDevice() {
    AbortJob();
}

bool WPrintDevice::StartJob() {
    auto choice = m_ui.PrintDialog(m_pOwner);
    if (!choice) return false;
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!choice->outputFile.empty()) {
        m_pPrinter->setOutputFormat(QPrinter::PdfFormat);
        m_pPrinter->setOutputFileName(QString::fromStdString(choice->outputFile));
    } else if (!choice->printerName.empty()) {
        m_pPrinter->setPrinterName(QString::fromStdString(choice->printerName));
    }
    m_pPrinter->setCopyCount(std::max(choice->copies, 1));
    m_pPrinter->setDocName(FromAnsi(LoadString(IDS_PRINT_DOCUMENT)));
    if (!m_painter.begin(m_pPrinter.get())) {
        m_pPrinter.reset();
        return false;
    }
    m_painter.setFont(m_defaultFont);
    m_painter.setPen(QPen(Qt::black));
    return true;
}

printing::PageMetrics WPrintDevice::Metrics() const {
    if (!m_pPrinter) return {};
    return {m_pPrinter->width(), m_pPrinter->height(), m_pPrinter->logicalDpiX(), m_pPrinter->logicalDpiY()};
}

int WPrintDevice::TextHeight(const std::string&) const {
    if (m_pFont) return static_cast<int>(std::ceil(m_pFont->LineHeight()));
    return m_painter.isActive() ? m_painter.fontMetrics().height() : 0;
}

bool WPrintDevice::NewPage() {
    return m_pPrinter && m_painter.isActive() && m_pPrinter->newPage();
}

bool WPrintDevice::EndJob() {
    if (!m_painter.isActive()) return false;
    bool ok = m_painter.end();
    m_pFont.reset();
    m_pPrinter.reset();
    return ok;
}

void WPrintDevice::AbortJob() {
    if (!m_painter.isActive()) return;
    m_pPrinter->abort();
    m_painter.end();
    m_pFont.reset();
    m_pPrinter.reset();
}

void WPrintDevice::DrawText(int x, int y, const std::string& text) {
    if (!m_painter.isActive()) return;
    if (m_pFont) {
        m_pFont->Draw(m_painter, QPointF(x, y), FromAnsi(text));
        return;
    }
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), FromAnsi(text));
}

void WPrintDevice::DrawLine(int x0, int y0, int x1, int y1) {
    if (m_painter.isActive()) m_painter.drawLine(x0, y0, x1, y1);
}

bool WPrintDevice::SelectFont(const platform::LOGFONTA& font) {
    m_pFont = std::make_unique<PageFont>(font);
    return true;
}

void WPrintDevice::RestoreFont() {
    m_pFont.reset();
}

printing::CharMetrics WPrintDevice::FontMetrics() const {
    printing::CharMetrics metrics;
    if (!m_pFont) {
        if (m_painter.isActive()) {
            metrics.maxCharWidth = m_painter.fontMetrics().maxWidth();
            metrics.height = m_painter.fontMetrics().height();
        }
        return metrics;
    }
    qreal widest = 0;
    for (int code = metrics.firstChar; code <= metrics.lastChar; ++code)
        widest = std::max(widest, m_pFont->Advance(FromAnsi(std::string(1, static_cast<char>(code)))));
    metrics.maxCharWidth = static_cast<int>(std::ceil(widest));
    metrics.height = static_cast<int>(std::ceil(m_pFont->LineHeight()));
    return metrics;
}

void WPrintDevice::DrawTextBox(const printing::PrintRect& box, const std::string& text) {
    if (!m_painter.isActive()) return;
    auto advance = [this](const QString& s) {
        return m_pFont ? m_pFont->Advance(s)
                       : static_cast<qreal>(m_painter.fontMetrics().horizontalAdvance(s));
    };
    const qreal lineHeight = TextHeight("CC");
    const qreal width = box.right - box.left;
    // Greedy word wrap; a word wider than the box stands on a line of its own and is cut there.
    QStringList lines;
    QString line;
    for (const QString& word : FromAnsi(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && advance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines << line;
    m_painter.save();
    m_painter.setClipRect(QRect(box.left, box.top, box.right - box.left, box.bottom - box.top));
    qreal y = box.top;
    for (const QString& l : lines) {
        if (y + lineHeight > box.bottom) break;
        if (m_pFont)
            m_pFont->Draw(m_painter, QPointF(box.left, y), l);
        else
            m_painter.drawText(QPointF(box.left, y + m_painter.fontMetrics().ascent()), l);
        y += lineHeight;
    }
    m_painter.restore();
}

bool WPrintDevice::SelectPen(int width) {
    if (!m_painter.isActive()) return false;
    m_painter.setPen(QPen(Qt::black, std::max(width, 1), Qt::SolidLine));
    return true;
}

WListPrinter::WListPrinter(QWidget* owner, bool autoStart) : WListPrinter(owner, TheApp().Ui(), autoStart) {}

WListPrinter::WListPrinter(QWidget* owner, platform::UiPort& ui, bool autoStart)
    : DeviceHolder(owner, ui), printing::ListPrinter(m_printDevice, autoStart) {}
