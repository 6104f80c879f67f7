#pragma once
// The user, as the core sees it: message boxes with the Win32 button and icon vocabulary, the wait
// cursor, and the dialogs a core function must run. Qt implements it for the program, a script for
// the tests, and the console for scripted checks (TYPESTOW_UI=console).
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FontGroup;

namespace platform {

using WindowHandle = void*; // an owner window; nullptr for none

enum MessageBoxFlags : unsigned {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbAbortRetryIgnore = 0x2,
    kMbYesNoCancel = 0x3,
    kMbYesNo = 0x4,
    kMbRetryCancel = 0x5,
    kMbButtonMask = 0xF,
    kMbIconError = 0x10, // the stop sign
    kMbIconQuestion = 0x20,
    kMbIconWarning = 0x30, // the exclamation mark
    kMbIconInformation = 0x40,
    kMbIconMask = 0xF0,
    kMbDefButton2 = 0x100,
    kMbDefButton3 = 0x200,
    kMbDefMask = 0xF00,
    kMbTaskModal = 0x2000,
};

enum DialogResult : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdAbort = 3,
    kIdRetry = 4,
    kIdIgnore = 5,
    kIdYes = 6,
    kIdNo = 7
};

// The buttons of a box in order, and the one that answers when nothing else is chosen.
std::vector<int> ButtonsOf(unsigned flags);
int DefaultButtonOf(unsigned flags);
const char* ButtonName(int id);
int ButtonFromName(const std::string& name); // 0 when unknown

// How the Install Font Group dialog ended.
constexpr int kIdLaunch = 1039; // the "&Launch" button
struct InstallGroupChoice {
    int result = kIdCancel; // kIdOk (Add Temp or Add Perm), kIdCancel or kIdLaunch
    int installMode = 2;    // 1 permanent (Add Perm), 2 temporary (Add Temp)
    // The chosen fonts as positions in the group's font list, in the dialog's order.
    std::vector<size_t> selected;
};

// What the print dialog chose: a printer by name, or a file the job is written to as PDF.
struct PrintChoice {
    std::string printerName; // empty for the default printer
    std::string outputFile;  // host path; when set, the job goes to this file
    int copies = 1;
};

class UiPort {
public:
    virtual ~UiPort() = default;
    virtual int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                           unsigned flags) = 0;
    // The folder chooser: starts in `initial`, answers the chosen folder (never a file), or nothing
    // when the user cancels.
    virtual std::optional<std::string> BrowseForFolder(WindowHandle owner, const std::string& initial) {
        return std::nullopt;
    }
    // The window that is active now, the owner for boxes that name no window of their own.
    virtual WindowHandle ActiveWindow() { return nullptr; }
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}

    // The splash window of start-up: true when a window was made. The show-state is the one the
    // program was started with (0 hidden, 1 normal, 2, 6 and 7 minimized).
    virtual bool ShowSplash(int showState, const std::string& status) { return false; }
    virtual void SetSplashStatus(const std::string& status) {}
    // Keeps the window up for at least 1500 milliseconds after it was first painted.
    virtual void CloseSplash() {}
    // Runs the main window modally; returns when it closes.
    virtual void RunMainWindow();
    // The Install Font Group dialog on a group.
    virtual InstallGroupChoice InstallGroupDialog(const ::FontGroup& group);
    // The Group Icon Type dialog: the chosen install mode (1 permanent, 2 temporary, 3 ask), or
    // nothing when it was cancelled. A port without the dialog answers nothing.
    virtual std::optional<int> GroupIconTypeDialog() { return std::nullopt; }
    // The print dialog: the chosen printer, or nothing when it was cancelled. A port without the
    // dialog cancels.
    virtual std::optional<PrintChoice> PrintDialog(WindowHandle owner) { return std::nullopt; }
};

// Writes each box to standard error as its caption and text and answers with the next button
// named in TYPESTOW_ANSWERS ("Yes,No,Ignore"), else with the box's default button.
class ConsoleUi : public UiPort {
public:
    ConsoleUi();
    int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                   unsigned flags) override;

private:
    std::vector<std::string> m_answers;
    size_t m_next = 0;
};

// Scoped wait cursor over a port.
class WaitCursor {
public:
    explicit WaitCursor(UiPort& ui) : m_ui(ui) { m_ui.BeginWaitCursor(); }
    ~WaitCursor() { m_ui.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    UiPort& m_ui;
};

} // namespace platform
