#pragma once
// Test support: a UI port that records every message box and answers from a queue.
#include "platform/ui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct RecordedBox {
    platform::WindowHandle owner;
    std::string text;
    std::string caption;
    unsigned flags;
    int answer;
    unsigned Buttons() const { return flags & platform::kMbButtonMask; }
    unsigned Icon() const { return flags & platform::kMbIconMask; }
};

class ScriptedUi : public platform::UiPort {
public:
    // Queues the answers of the next boxes; a box with no queued answer takes its default button.
    ScriptedUi& Answer(int id) {
        m_answers.push_back(id);
        return *this;
    }
    int MessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                   unsigned flags) override;
    platform::WindowHandle ActiveWindow() override { return m_active; }
    // Folder choosers answer from their own queue (nothing, as Cancel, when it is empty) and record
    // the folder each one started in.
    ScriptedUi& AnswerFolder(std::optional<std::string> folder) {
        m_folders.push_back(std::move(folder));
        return *this;
    }
    std::optional<std::string> BrowseForFolder(platform::WindowHandle, const std::string& initial) override {
        browsedFrom.push_back(initial);
        if (m_folders.empty()) return std::nullopt;
        auto folder = m_folders.front();
        m_folders.pop_front();
        return folder;
    }
    std::vector<std::string> browsedFrom;
    void BeginWaitCursor() override {
        ++m_waitDepth;
        ++m_waitCount;
    }
    void EndWaitCursor() override { --m_waitDepth; }

    // The windows of start-up: each call is logged in `events` ("splash: TEXT", "status: TEXT",
    // "close splash", "main window", "dialog: GROUP"; boxes as "box: TEXT"), so that tests can check
    // their order. The hooks run inside the call, while the window would be up.
    bool ShowSplash(int showState, const std::string& status) override;
    void SetSplashStatus(const std::string& status) override;
    void CloseSplash() override;
    void RunMainWindow() override;
    platform::InstallGroupChoice InstallGroupDialog(const FontGroup& group) override;
    // Answers from iconTypeAnswers (none queued: Cancel); logged as "icon type dialog".
    std::optional<int> GroupIconTypeDialog() override;
    // Answers from printAnswers (none queued: Cancel); logged as "print dialog".
    std::optional<platform::PrintChoice> PrintDialog(platform::WindowHandle) override {
        events.push_back("print dialog");
        if (printAnswers.empty()) return std::nullopt;
        auto choice = printAnswers.front();
        printAnswers.pop_front();
        return choice;
    }
    std::deque<std::optional<platform::PrintChoice>> printAnswers;

    std::vector<std::string> events;
    bool m_splashAvailable = true;                          // ShowSplash makes a window
    std::deque<platform::InstallGroupChoice> dialogAnswers; // none queued: Cancel
    std::deque<std::optional<int>> iconTypeAnswers;
    std::function<void()> onMainWindow;
    std::function<void(const FontGroup&)> onDialog;

    std::vector<RecordedBox> boxes;
    platform::WindowHandle m_active = nullptr;
    int m_waitDepth = 0;
    int m_waitCount = 0;
    size_t PendingAnswers() const { return m_answers.size(); }

private:
    std::deque<int> m_answers;
    std::deque<std::optional<std::string>> m_folders;
};
