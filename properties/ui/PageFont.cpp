#include "properties/ui/PageFont.h"

#include "platform/fonttable.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <cstring>

PageFont::PageFont(const platform::LOGFONTA& lf) {
    m_bSymbol = lf.lfCharSet == platform::kSymbolCharset;
    const int height = lf.lfHeight == 0 ? 16 : lf.lfHeight;
    if (auto face = platform::MatchActiveFace(lf)) {
        QRawFont probe(QString::fromUtf8(face->hostPath.c_str()), 100);
        if (probe.isValid()) {
            // A positive height is the cell height (ascent + descent), a negative one the em height.
            qreal pixels = -height;
            if (height > 0) {
                const qreal cell = probe.ascent() + probe.descent();
                pixels = cell > 0 ? height * 100.0 / cell : height;
            }
            m_raw = QRawFont(QString::fromUtf8(face->hostPath.c_str()), qMax<qreal>(pixels, 1));
        }
    }
    const QString family = QString::fromLatin1(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, 32)));
    m_substitute = QFont(family);
    if (height < 0)
        m_substitute.setPixelSize(-height);
    else
        m_substitute.setPixelSize(qMax(height * 4 / 5, 1));
    m_substitute.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    m_substitute.setItalic(lf.lfItalic != 0);
}

QVector<quint32> PageFont::Glyphs(const QString& text) const {
    QVector<quint32> glyphs = m_raw.glyphIndexesForString(text);
    // Symbol fonts map their codes into the private area at 0xF000.
    for (int i = 0; i < glyphs.size() && i < text.size(); ++i) {
        if (glyphs[i] != 0 || text[i].unicode() > 0xFF) continue;
        const QVector<quint32> symbol =
            m_raw.glyphIndexesForString(QString(QChar(0xF000 | text[i].unicode())));
        if (!symbol.isEmpty()) glyphs[i] = symbol.first();
    }
    return glyphs;
}

qreal PageFont::Ascent() const {
    return IsExact() ? m_raw.ascent() : QFontMetricsF(m_substitute).ascent();
}

qreal PageFont::LineHeight() const {
    return IsExact() ? m_raw.ascent() + m_raw.descent() + m_raw.leading()
                     : QFontMetricsF(m_substitute).lineSpacing();
}

qreal PageFont::Advance(const QString& text) const {
    if (!IsExact()) return QFontMetricsF(m_substitute).horizontalAdvance(text);
    qreal width = 0;
    for (const QPointF& a : m_raw.advancesForGlyphIndexes(Glyphs(text))) width += a.x();
    return width;
}

void PageFont::Draw(QPainter& painter, QPointF topLeft, const QString& text) const {
    if (!IsExact()) {
        painter.save();
        painter.setFont(m_substitute);
        painter.drawText(topLeft + QPointF(0, QFontMetricsF(m_substitute).ascent()), text);
        painter.restore();
        return;
    }
    const QVector<quint32> glyphs = Glyphs(text);
    const QVector<QPointF> advances = m_raw.advancesForGlyphIndexes(glyphs);
    QVector<QPointF> positions;
    QPointF at(0, 0);
    for (const QPointF& a : advances) {
        positions.append(at);
        at += QPointF(a.x(), 0);
    }
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(topLeft + QPointF(0, m_raw.ascent()), run);
}
