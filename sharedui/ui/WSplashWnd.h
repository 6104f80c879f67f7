#pragma once
// The splash window of start-up: a picture, the version line, notice lines and a status line that
// start-up changes, kept up for at least 1500 milliseconds after it first paints.
#include "sharedui/welcome.h"

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

class WSplashWnd : public QWidget {
    Q_OBJECT
public:
    WSplashWnd(const SplashRecord& record, long displayColours, QWidget* parent = nullptr);

    void SetStatus(const std::string& text);
    QString Status() const { return m_strStatus; }
    // When the window first painted, in milliseconds since the epoch; -1 before that.
    int64_t PaintedAt() const { return m_nPaintedAt; }
    unsigned BitmapId() const { return m_nBitmapId; }
    bool HasPicture() const { return !m_picture.isNull(); }
    QRect StatusRect() const { return m_statusRect; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Layout();

    SplashRecord m_record;
    unsigned m_nBitmapId = 0;
    QPixmap m_picture;
    QFont m_largeFont, m_noticeFont, m_smallFont;
    QString m_strCaption, m_strLarge, m_strNotice, m_strSmall, m_strStatus, m_strOverPicture;
    QRect m_pictureRect, m_largeRect, m_noticeRect, m_statusRect, m_smallRect;
    int64_t m_nPaintedAt = -1;
};

// The program's splash pictures (bitmaps 151, 152 and 153), drawn for this program; a null pixmap
// for another number.
QPixmap SplashPicture(unsigned id);

// The colours of the primary screen, by the rule of DisplayColourCount.
long ScreenColourCount();

// One splash window at a time. ShowSplash answers the window, or nullptr when none was made (one
// exists already, or the show-state is hidden or minimized).
WSplashWnd* ShowSplash(const SplashRecord& record, int showState);
void SetSplashStatus(const std::string& text);
// Waits out the 1500 milliseconds (handling events meanwhile), then destroys the window.
void CloseSplash();
WSplashWnd* CurrentSplash();
