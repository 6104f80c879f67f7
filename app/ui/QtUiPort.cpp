#include "app/ui/QtUiPort.h"

#include "app/WFontMgrApp.h"
#include "app/ui/WBrowseFolderDlg.h"
#include "app/ui/WFontMgrDlg.h"
#include "groups/ui/WGroupIconTypeDlg.h"
#include "groups/ui/WInstallGroupDlg.h"
#include "platform/text.h"
#include "resources/resource.h"
#include "sharedui/ui/WSplashWnd.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdio>

QString FromAnsi(const std::string& ansi) {
    return QString::fromStdString(platform::AnsiToUtf8(ansi));
}

std::string ToAnsi(const QString& text) {
    return platform::Utf8ToAnsi(text.toStdString());
}

int QtUiPort::MessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                         unsigned flags) {
    QMessageBox box(static_cast<QWidget*>(owner));
    box.setWindowTitle(FromAnsi(caption));
    box.setText(FromAnsi(text));
    switch (flags & platform::kMbIconMask) {
    case platform::kMbIconError:
        box.setIcon(QMessageBox::Critical);
        break;
    case platform::kMbIconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case platform::kMbIconWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case platform::kMbIconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    const int defaultId = platform::DefaultButtonOf(flags);
    int escapeId = 0;
    for (int id : platform::ButtonsOf(flags)) {
        QPushButton* b =
            box.addButton(QString::fromLatin1(platform::ButtonName(id)), QMessageBox::AcceptRole);
        b->setProperty("winId", id);
        if (id == defaultId) box.setDefaultButton(b);
        if (id == platform::kIdCancel || (id == platform::kIdOk && platform::ButtonsOf(flags).size() == 1)) {
            box.setEscapeButton(b);
            escapeId = id;
        }
    }
    box.exec();
    if (auto* clicked = box.clickedButton()) return clicked->property("winId").toInt();
    return escapeId ? escapeId : defaultId;
}

platform::WindowHandle QtUiPort::ActiveWindow() {
    return QApplication::activeWindow();
}

void QtUiPort::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUiPort::EndWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

std::optional<std::string> QtUiPort::BrowseForFolder(platform::WindowHandle owner,
                                                     const std::string& initial) {
    WBrowseFolderDlg dialog(static_cast<QWidget*>(owner), initial);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Folder();
}

platform::InstallGroupChoice QtUiPort::InstallGroupDialog(const FontGroup& group) {
    // No owner: no main window exists while a group job asks.
    WInstallGroupDlg dialog(&group, nullptr);
    return dialog.Choice(dialog.DoModal());
}

std::optional<int> QtUiPort::GroupIconTypeDialog() {
    WGroupIconTypeDlg dialog(QApplication::activeWindow());
    if (dialog.DoModal() != IDOK_BUTTON) return std::nullopt;
    return dialog.m_nIconType;
}

void QtUiPort::RunMainWindow() {
    WFontMgrDlg window;
    if (HasApp()) TheApp().m_pMainDlg = &window;
    const QByteArray shot = qgetenv("TYPESTOW_SCREENSHOT");
    if (!shot.isEmpty()) {
        // Once the window has shown and painted, as a user would first see it.
        QTimer::singleShot(1000, &window, [&window, shot] {
            const QString path = QString::fromLocal8Bit(shot);
            if (window.grab().save(path))
                std::printf("typestow: screenshot of the main window saved to %s\n", shot.constData());
            else
                std::printf("typestow: could not save the screenshot to %s\n", shot.constData());
            std::fflush(stdout);
        });
    }
    window.DoModal();
    if (HasApp() && TheApp().m_pMainDlg == &window) TheApp().m_pMainDlg = nullptr;
}

bool QtUiPort::ShowSplash(int showState, const std::string& status) {
    if (!::ShowSplash(ProgramSplashRecord(nullptr), showState)) return false;
    ::SetSplashStatus(status);
    return true;
}

void QtUiPort::SetSplashStatus(const std::string& status) {
    ::SetSplashStatus(status);
}

void QtUiPort::CloseSplash() {
    ::CloseSplash();
}

std::optional<platform::PrintChoice> QtUiPort::PrintDialog(platform::WindowHandle owner) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, static_cast<QWidget*>(owner));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    platform::PrintChoice choice;
    choice.printerName = printer.printerName().toStdString();
    choice.outputFile = printer.outputFileName().toStdString();
    choice.copies = printer.copyCount();
    return choice;
}
