#include "app/ConsoleAppUi.h"

#include "groups/InstallGroupModel.h"
#include "platform/text.h"

#include <cstdio>
#include <cstdlib>

platform::InstallGroupChoice ConsoleAppUi::InstallGroupDialog(const FontGroup& group) {
    const std::vector<InstallGroupRow> rows = InstallGroupRows(group);
    const char* env = std::getenv("TYPESTOW_GROUP_DIALOG");
    const std::string answer = platform::LowerAnsi(env ? env : "");
    const size_t colon = answer.find(':');
    const std::string button = colon == std::string::npos ? answer : answer.substr(0, colon);
    const std::string which = colon == std::string::npos ? "" : answer.substr(colon + 1);

    InstallGroupButton pressed = InstallGroupButton::AddTemp;
    const char* name = "Add Temp";
    if (button == "perm") {
        pressed = InstallGroupButton::AddPerm;
        name = "Add Perm";
    } else if (button == "launch") {
        pressed = InstallGroupButton::Launch;
        name = "Launch";
    } else if (button == "cancel") {
        pressed = InstallGroupButton::Cancel;
        name = "Cancel";
    }
    std::vector<bool> selected(rows.size(), which == "all");
    if (which.empty() && !rows.empty()) selected[0] = true;

    std::string out = "[Install Font Group] Fonts in Group : " + platform::AnsiToUtf8(group.m_strName) + "\n";
    for (size_t i = 0; i < rows.size(); ++i)
        out += std::string(selected[i] ? "  * " : "    ") + std::to_string(rows[i].state) + " " +
               platform::AnsiToUtf8(rows[i].text) + "\n";
    out += std::string(" -> ") + name + "\n";
    std::fputs(out.c_str(), stderr);
    std::fflush(stderr);
    return InstallGroupAnswer(pressed, rows, selected);
}
