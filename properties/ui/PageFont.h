#pragma once
// A logical font of the property pages made drawable: the very file of the active face the logical
// font selects, through QRawFont, or, when no active face has the name, the substitute Qt picks.
#include "platform/gdi.h"

#include <QFont>
#include <QRawFont>
#include <QString>

class QPainter;

class PageFont {
public:
    explicit PageFont(const platform::LOGFONTA& lf);

    // True when the font draws from the font file itself.
    bool IsExact() const { return m_raw.isValid(); }
    qreal Ascent() const;
    qreal LineHeight() const;
    qreal Advance(const QString& text) const;
    // Draws `text` with its top left at `topLeft`.
    void Draw(QPainter& painter, QPointF topLeft, const QString& text) const;

private:
    QVector<quint32> Glyphs(const QString& text) const;
    QRawFont m_raw;
    QFont m_substitute;
    bool m_bSymbol = false;
};
