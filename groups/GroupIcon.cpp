#include "groups/GroupIcon.h"

#include "app/WFontMgrApp.h"
#include "groups/GroupFile.h"
#include "groups/GroupPane.h"
#include "platform/curdir.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/shelllink.h"
#include "platform/text.h"
#include "resources/strings.h"

namespace {

std::string WithoutTrailingBackslash(std::string folder) {
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

} // namespace

const char* GroupIconSwitch(int mode) {
    return mode == 1 ? "/P" : mode == 2 ? "/T" : "/Q";
}

std::string DefaultShortcutFolder() {
    std::string folder = platform::UpperAnsi(platform::CurrentImage().SystemDir());
    const size_t at = folder.find("SYSTEM");
    if (at != std::string::npos) folder.resize(at);
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder + "Desktop";
}

std::string GroupShortcutPath(const FontGroup& group, const std::string& folder) {
    std::string base = WithoutTrailingBackslash(folder.empty() ? DefaultShortcutFolder() : folder);
    if (base.empty() || base.back() != '\\') base += '\\';
    return base + group.m_strName + ".LNK";
}

int MakeGroupShortcut(int mode, const FontGroup& group, const std::string& folder) {
    // The name becomes a file name: one that would climb out of the folder (read from a damaged or
    // foreign group file) makes no shortcut.
    if (group.m_strName.empty() || !IsValidGroupName(group.m_strName) || group.m_strName == "." ||
        group.m_strName == "..")
        return 0;
    platform::ShellLink link;
    link.target = group.m_strPath;
    link.arguments = GroupIconSwitch(mode);
    link.workingFolder = platform::GetCurrentDirectory();
    link.description = std::string(LoadString(IDS_SHORTCUT_TO)) + group.m_strName;
    auto found = platform::FindFiles(group.m_strPath);
    if (!found.empty()) link.targetSize = static_cast<uint32_t>(found.front().size);
    if (platform::HasDriveLetter(group.m_strPath))
        link.driveType = platform::GetDriveType(group.m_strPath.substr(0, 2));
    return platform::WriteShellLink(GroupShortcutPath(group, folder), link) ? 1 : 0;
}

int ChooseProgramManagerGroup(const std::vector<platform::progman::Group>& groups, const std::string& title) {
    for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i].title == title) return static_cast<int>(i);
    return groups.empty() ? -1 : 0;
}

DropPoint ProgramManagerDropPoint(const platform::progman::Group& group) {
    const int cx = platform::GetSystemMetrics(platform::kSmCxIcon);
    const int cy = platform::GetSystemMetrics(platform::kSmCyIcon);
    if (group.iconic) return {group.rect.left + cx / 2, group.rect.top + cy / 2};
    return {group.rect.left + cx, group.rect.top + platform::GetSystemMetrics(platform::kSmCyMenu) + cy};
}

std::string ProgramManagerItemText(int mode, const FontGroup& group) {
    return "\"" + group.m_strPath + "\"  " + GroupIconSwitch(mode);
}

int DropOnProgramManager(int mode, const FontGroup& group) {
    if (!platform::progman::IsRunning()) return 0;
    const auto groups = platform::progman::Groups();
    const int index = ChooseProgramManagerGroup(groups, TheApp().m_strGroupIconFolder);
    if (index < 0) return 0;
    const DropPoint point = ProgramManagerDropPoint(groups[static_cast<size_t>(index)]);
    const std::string block =
        platform::MakeDropFiles(point.x, point.y, true, {ProgramManagerItemText(mode, group)});
    return platform::progman::PostDropFiles(static_cast<size_t>(index), block) ? 1 : 0;
}

int PlaceGroupIcon(const GroupJob& job, const std::string& name, const std::string& folder) {
    WFontMgrApp& app = TheApp();
    const FontGroup* group = app.m_groupList ? FindGroupByName(*app.m_groupList, name) : nullptr;
    if (!group) return 0;
    const int ok = platform::CurrentImage().IsNT() ? DropOnProgramManager(job.m_nMode, *group)
                                                   : MakeGroupShortcut(job.m_nMode, *group, folder);
    if (!ok)
        app.Ui().MessageBox(app.Ui().ActiveWindow(), LoadString(IDS_GROUP_ICON_FAILED),
                            LoadString(IDS_CAPTION_ERROR), platform::kMbOk | platform::kMbIconError);
    return ok;
}

std::string GroupShellDragFile(const FontGroup& group) {
    const platform::Image& image = platform::CurrentImage();
    if (image.IsNT()) return group.m_strPath;
    std::string folder = image.TempDir().empty() ? image.SystemDir() : image.TempDir();
    folder = WithoutTrailingBackslash(folder);
    const std::string path = GroupShortcutPath(group, folder);
    if (platform::FileExists(path)) platform::DeleteFile(path);
    GroupJob job;
    job.m_nMode = 3;
    if (!PlaceGroupIcon(job, group.m_strName, folder)) return {};
    return path;
}

int DropGroupFileOnProgramManager(size_t groupIndex, DropPoint point, const FontGroup& group) {
    const std::string block = platform::MakeDropFiles(point.x, point.y, true, {group.m_strPath});
    return platform::progman::PostDropFiles(groupIndex, block) ? 1 : 0;
}
