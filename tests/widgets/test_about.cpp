// The splash window, the About box and the System Info dialog, offscreen.
#include "app/WFontMgrApp.h"
#include "app/ui/QtUiPort.h"
#include "platform/files.h"
#include "resources/strings.h"
#include "sharedui/ui/WAboutBox.h"
#include "sharedui/ui/WSplashWnd.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct AboutFixture : testing::Test {
    TestImage image;
    ScriptedUi ui;
    WFontMgrApp app{ui};
    AboutFixture() { app.Config().LocateSharedConfig(false); }
};

QLabel* Line(QWidget* box, const char* name) {
    return box->findChild<QLabel*>(QLatin1String(name));
}

TEST_F(AboutFixture, AboutBoxShowsTheProgramRecord) {
    WAboutBox box(ProgramAboutRecord(nullptr));
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Kelvra TYPESTOW"));
    EXPECT_EQ(Line(&box, "aboutProduct")->text(), QStringLiteral("Kelvra TYPESTOW"));
    EXPECT_EQ(Line(&box, "aboutVersion")->text(), QStringLiteral("Version 6.00.112"));
    EXPECT_TRUE(Line(&box, "aboutNotice")->text().contains(QLatin1Char('\n')));
    EXPECT_TRUE(Line(&box, "aboutFreeSpace")->text().startsWith(QStringLiteral("Disk Space Free: ")));
    EXPECT_TRUE(Line(&box, "aboutFreeSpace")->text().endsWith(QStringLiteral(" KB (C:)")));
    for (const char* hidden : {"aboutExtra", "aboutCentred", "aboutFreeText"})
        EXPECT_TRUE(Line(&box, hidden)->isHidden()) << hidden;
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("aboutIcon"))->pixmap().isNull());
}

TEST_F(AboutFixture, HiddenLinesCloseUp) {
    AboutRecord full = ProgramAboutRecord(nullptr);
    full.nFirstExtraId = IDS_CAPTION_ERROR;
    full.nExtraCount = 2;
    full.strFreeText = "Registered to the test";
    WAboutBox big(full);
    big.show();
    WAboutBox small(ProgramAboutRecord(nullptr));
    small.show();
    QApplication::processEvents();
    EXPECT_EQ(Line(&big, "aboutExtra")->text(), QStringLiteral("Error Warning"));
    const int spacing = 6;
    const int hidden =
        Line(&big, "aboutExtra")->height() + Line(&big, "aboutFreeText")->height() + 2 * spacing;
    EXPECT_EQ(big.height() - small.height(), hidden);
    // The lines below move up by the same amount.
    EXPECT_EQ(Line(&big, "aboutFreeSpace")->y() - Line(&small, "aboutFreeSpace")->y(), hidden);
}

void DoubleClick(QWidget* widget) {
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

int g_callbackRuns = 0;

TEST_F(AboutFixture, IconDoubleClickRunsTheCallbackOrShowsCredits) {
    AboutRecord record = ProgramAboutRecord(nullptr);
    record.pfnIconDoubleClick = [] { ++g_callbackRuns; };
    g_callbackRuns = 0;
    {
        WAboutBox box(record);
        box.show();
        DoubleClick(box.findChild<QLabel*>(QStringLiteral("aboutIcon")));
        EXPECT_EQ(g_callbackRuns, 1);
        EXPECT_EQ(box.result(), QDialog::Accepted);
        EXPECT_FALSE(box.isVisible());
    }
    WAboutBox box(ProgramAboutRecord(nullptr));
    box.show();
    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->objectName();
            modal->close();
        }
    });
    DoubleClick(box.findChild<QLabel*>(QStringLiteral("aboutIcon")));
    EXPECT_EQ(seen, QStringLiteral("creditsWindow"));
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutFixture, SystemInfoCategories) {
    image.WriteFile("C:\\KELVRA\\zeta.dll", "x");
    image.WriteFile("C:\\KELVRA\\Alpha.exe", "x");
    WSystemInfoDlg dialog;
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("sysInfoCategory"));
    ASSERT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemText(3), QStringLiteral("Kelvra EXEs & DLLs"));
    EXPECT_EQ(dialog.Category(), kSysInfoSystemDlls);
    EXPECT_EQ(dialog.Lines().value(0), QStringLiteral("File\tVersion\tDate\tSize"));
    combo->setCurrentIndex(kSysInfoPrograms);
    const QStringList programs = dialog.Lines();
    ASSERT_EQ(programs.size(), 3);
    EXPECT_TRUE(programs[1].startsWith(QStringLiteral("Alpha.exe\t")));
    EXPECT_TRUE(programs[2].startsWith(QStringLiteral("zeta.dll\t")));
    combo->setCurrentIndex(kSysInfoDisplay);
    const DisplayFacts screen = WSystemInfoDlg::ScreenFacts();
    EXPECT_TRUE(dialog.Lines().contains(FromAnsi(DisplayModeLine(screen.bitsPerPixel))));
    EXPECT_TRUE(dialog.Lines().contains(QStringLiteral("Display width:\t%1").arg(screen.width)));
}

TEST_F(AboutFixture, SystemInfoSaveWritesEveryCategoryAndSaysSo) {
    WSystemInfoDlg dialog;
    dialog.findChild<QComboBox*>(QStringLiteral("sysInfoCategory"))->setCurrentIndex(kSysInfoDisplay);
    dialog.findChild<QPushButton*>(QStringLiteral("sysInfoSave"))->click();
    EXPECT_EQ(dialog.Category(), kSysInfoDisplay); // selected again afterwards
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "System info was saved to C:\\KELVRA\\sysinfo.txt.");
    EXPECT_EQ(ui.boxes[0].caption, "System Info");
    EXPECT_EQ(ui.boxes[0].Icon(), platform::kMbIconInformation);
    const std::string text = image.ReadFile("C:\\KELVRA\\sysinfo.txt");
    EXPECT_EQ(text.rfind("System\r\n------\r\nPlatform:\tWindows 95\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nMode:\t"), std::string::npos);
    EXPECT_NE(text.find("System DLLs\r\n-----------\r\nFile\tVersion\tDate\tSize\r\n"), std::string::npos);
}

TEST_F(AboutFixture, SystemInfoSaveFailureIsReported) {
    image.WriteFile("C:\\KELVRA\\sysinfo.txt", "old");
    ASSERT_TRUE(platform::SetFileAttributes("C:\\KELVRA\\sysinfo.txt", platform::kAttrReadOnly));
    WSystemInfoDlg dialog;
    EXPECT_EQ(dialog.Save(), 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Unable to save system info to C:\\KELVRA\\sysinfo.txt.");
    EXPECT_EQ(image.ReadFile("C:\\KELVRA\\sysinfo.txt"), "old");
}

TEST(SplashWindow, NotShownForHiddenOrMinimizedStarts) {
    TestImage image;
    for (int state : {0, 2, 6, 7}) {
        EXPECT_EQ(ShowSplash(ProgramSplashRecord(nullptr), state), nullptr) << state;
        EXPECT_EQ(CurrentSplash(), nullptr);
        SetSplashStatus("ignored");
        CloseSplash(); // nothing to close, nothing to wait for
    }
}

TEST(SplashWindow, StatusAndTheMinimumTime) {
    TestImage image;
    WSplashWnd* splash = ShowSplash(ProgramSplashRecord(nullptr), 1);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(CurrentSplash(), splash);
    EXPECT_EQ(ShowSplash(ProgramSplashRecord(nullptr), 1), nullptr); // one at a time
    EXPECT_GE(splash->PaintedAt(), 0);
    EXPECT_EQ(splash->Status(), QStringLiteral("Enumerating Installed Fonts"));
    EXPECT_TRUE(splash->HasPicture());
    SetSplashStatus(std::string(120, 'x'));
    EXPECT_EQ(splash->Status(), QString(100, QLatin1Char('x')));
    QElapsedTimer timer;
    timer.start();
    const int64_t painted = splash->PaintedAt();
    CloseSplash();
    EXPECT_GE(QDateTime::currentMSecsSinceEpoch() - painted, kSplashMinimumMs);
    EXPECT_EQ(CurrentSplash(), nullptr);
    // Once closed, a later close is immediate.
    timer.restart();
    CloseSplash();
    EXPECT_LT(timer.elapsed(), 200);
}

TEST(SplashWindow, DisablingItClosesItAfterTheMinimumTime) {
    TestImage image;
    WSplashWnd* splash = ShowSplash(ProgramSplashRecord(nullptr), 1);
    ASSERT_NE(splash, nullptr);
    const int64_t painted = splash->PaintedAt();
    splash->setEnabled(false);
    QElapsedTimer timer;
    timer.start();
    while (CurrentSplash() && timer.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(CurrentSplash(), nullptr);
    EXPECT_GE(QDateTime::currentMSecsSinceEpoch() - painted, kSplashMinimumMs);
}

TEST(SplashWindow, PictureByColoursAndCaptionWithout) {
    TestImage image;
    const SplashRecord record = ProgramSplashRecord(nullptr);
    const std::pair<long, unsigned> cases[] = {{2, 153}, {16, 152}, {65536, 151}};
    for (const auto& [colours, id] : cases) {
        WSplashWnd splash(record, colours);
        EXPECT_EQ(splash.BitmapId(), id);
        EXPECT_TRUE(splash.HasPicture());
    }
    SplashRecord bare = record;
    bare.nBitmap256 = bare.nBitmap16 = bare.nBitmap2 = 0;
    bare.nFirstNoticeId = 0;
    bare.nNoticeCount = 0;
    bare.nStatusId = 0;
    bare.nLargeLineId = 0;
    WSplashWnd splash(bare, 16777216);
    EXPECT_FALSE(splash.HasPicture());
    EXPECT_TRUE(splash.StatusRect().isNull());
    // The picture area alone: 400 by 300 inside the border.
    EXPECT_EQ(splash.width(), kSplashDefaultWidth + 16);
    EXPECT_EQ(splash.height(), kSplashDefaultHeight + 16);
}

} // namespace
