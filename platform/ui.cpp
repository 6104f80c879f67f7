#include "platform/ui.h"

#include "platform/text.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

std::vector<int> ButtonsOf(unsigned flags) {
    switch (flags & kMbButtonMask) {
    case kMbOkCancel:
        return {kIdOk, kIdCancel};
    case kMbAbortRetryIgnore:
        return {kIdAbort, kIdRetry, kIdIgnore};
    case kMbYesNoCancel:
        return {kIdYes, kIdNo, kIdCancel};
    case kMbYesNo:
        return {kIdYes, kIdNo};
    case kMbRetryCancel:
        return {kIdRetry, kIdCancel};
    default:
        return {kIdOk};
    }
}

int DefaultButtonOf(unsigned flags) {
    auto buttons = ButtonsOf(flags);
    size_t index = (flags & kMbDefMask) == kMbDefButton2 ? 1 : (flags & kMbDefMask) == kMbDefButton3 ? 2 : 0;
    return index < buttons.size() ? buttons[index] : buttons[0];
}

const char* ButtonName(int id) {
    switch (id) {
    case kIdOk:
        return "OK";
    case kIdCancel:
        return "Cancel";
    case kIdAbort:
        return "Abort";
    case kIdRetry:
        return "Retry";
    case kIdIgnore:
        return "Ignore";
    case kIdYes:
        return "Yes";
    case kIdNo:
        return "No";
    default:
        return "?";
    }
}

int ButtonFromName(const std::string& name) {
    for (int id = kIdOk; id <= kIdNo; ++id)
        if (EqualNoCase(Trim(name), ButtonName(id))) return id;
    return 0;
}

ConsoleUi::ConsoleUi() {
    if (const char* env = std::getenv("TYPESTOW_ANSWERS"); env && *env)
        for (auto& a : Split(env, ',')) m_answers.push_back(Trim(a));
}

int ConsoleUi::MessageBox(WindowHandle, const std::string& text, const std::string& caption, unsigned flags) {
    int answer = DefaultButtonOf(flags);
    if (m_next < m_answers.size()) {
        int named = ButtonFromName(m_answers[m_next++]);
        for (int b : ButtonsOf(flags))
            if (b == named) answer = b;
    }
    std::string out =
        "[" + AnsiToUtf8(caption) + "] " + AnsiToUtf8(text) + " -> " + ButtonName(answer) + "\n";
    std::fputs(out.c_str(), stderr);
    std::fflush(stderr);
    return answer;
}

// Until the windows exist, a port that has none says so and goes on.
void UiPort::RunMainWindow() {
    std::fputs("typestow: the main window is not available yet\n", stderr);
}

InstallGroupChoice UiPort::InstallGroupDialog(const ::FontGroup&) {
    std::fputs("typestow: the Install Font Group dialog is not available yet; answering Cancel\n", stderr);
    return InstallGroupChoice{};
}

} // namespace platform
