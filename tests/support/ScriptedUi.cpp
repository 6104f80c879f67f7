#include "tests/support/ScriptedUi.h"

int ScriptedUi::MessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                           unsigned flags) {
    int answer = platform::DefaultButtonOf(flags);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    boxes.push_back(RecordedBox{owner, text, caption, flags, answer});
    return answer;
}
