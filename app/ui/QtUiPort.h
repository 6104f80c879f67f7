#pragma once
// The UI port on Qt: message boxes with the Win32 buttons and icons, the wait cursor.
#include "platform/ui.h"

class QtUiPort : public platform::UiPort {
public:
    int MessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                   unsigned flags) override;
    platform::WindowHandle ActiveWindow() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::optional<std::string> BrowseForFolder(platform::WindowHandle owner,
                                               const std::string& initial) override;
    // Runs the main window modally. With TYPESTOW_SCREENSHOT set, a picture of the window is saved
    // there once it shows, and the path is printed.
    void RunMainWindow() override;
    // The Install Font Group and Group Icon Type dialogs, modal on the active window.
    platform::InstallGroupChoice InstallGroupDialog(const FontGroup& group) override;
    std::optional<int> GroupIconTypeDialog() override;
    // The print dialog without selection, page range or print-to-file choices.
    std::optional<platform::PrintChoice> PrintDialog(platform::WindowHandle owner) override;
    // The splash window of the shared library, on the desktop.
    bool ShowSplash(int showState, const std::string& status) override;
    void SetSplashStatus(const std::string& status) override;
    void CloseSplash() override;
};

// Windows-1252 text of the core to and from Qt.
class QString;
QString FromAnsi(const std::string& ansi);
std::string ToAnsi(const QString& text);
