#include "tests/support/ScriptedUi.h"

#include "groups/FontGroup.h"

int ScriptedUi::MessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                           unsigned flags) {
    int answer = platform::DefaultButtonOf(flags);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    boxes.push_back(RecordedBox{owner, text, caption, flags, answer});
    events.push_back("box: " + text);
    return answer;
}

bool ScriptedUi::ShowSplash(int showState, const std::string& status) {
    events.push_back("splash: " + status);
    return m_splashAvailable;
}

void ScriptedUi::SetSplashStatus(const std::string& status) {
    events.push_back("status: " + status);
}

void ScriptedUi::CloseSplash() {
    events.push_back("close splash");
}

void ScriptedUi::RunMainWindow() {
    events.push_back("main window");
    if (onMainWindow) onMainWindow();
}

platform::InstallGroupChoice ScriptedUi::InstallGroupDialog(const FontGroup& group) {
    events.push_back("dialog: " + group.m_strName);
    if (onDialog) onDialog(group);
    if (dialogAnswers.empty()) return {};
    platform::InstallGroupChoice choice = dialogAnswers.front();
    dialogAnswers.pop_front();
    return choice;
}
