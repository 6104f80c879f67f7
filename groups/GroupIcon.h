#pragma once
// Group icons: a shortcut (.LNK) that opens a group's file with an install switch on Windows 95, an
// item of a Program Manager group on Windows NT.
#include "app/GroupJob.h"
#include "groups/FontGroup.h"
#include "platform/progman.h"

#include <string>

// The switch of an install mode: "/P" for 1, "/T" for 2, "/Q" for any other.
const char* GroupIconSwitch(int mode);
// The system folder in upper case, cut at its first "SYSTEM", followed by "Desktop".
std::string DefaultShortcutFolder();
// Folder + "\" + group name + ".LNK", with the default folder when none is given.
std::string GroupShortcutPath(const FontGroup& group, const std::string& folder = {});

// Writes the group's shortcut (overwriting one of that name). 0 when it could not be written.
int MakeGroupShortcut(int mode, const FontGroup& group, const std::string& folder = {});

// The group window that receives an icon: the first titled exactly like GroupIconFolder, else the
// first one; -1 when there is none.
int ChooseProgramManagerGroup(const std::vector<platform::progman::Group>& groups, const std::string& title);
struct DropPoint {
    int x = 0, y = 0;
};
// Where a file dropped on the group window lands, in screen coordinates.
DropPoint ProgramManagerDropPoint(const platform::progman::Group& group);
// The item's text: the group file's path in double quotes, two blanks and the switch.
std::string ProgramManagerItemText(int mode, const FontGroup& group);
// Drops the group's item onto a Program Manager group window. 0 when Program Manager is not running
// or has no group window.
int DropOnProgramManager(int mode, const FontGroup& group);

// Places an icon for the group of that name in the job's mode (Program Manager on Windows NT, a
// shortcut in `folder` or the default folder otherwise). On failure shows "An error has occurred
// while placing the group on Start menu" and returns 0; a name that no group has does nothing and
// returns 0.
int PlaceGroupIcon(const GroupJob& job, const std::string& name, const std::string& folder = {});

// The file a Ctrl-drag of the group carries: on Windows NT the group's file, otherwise a fresh
// shortcut in mode 3 in the temporary folder. Empty when the shortcut could not be made (the
// message has been shown).
std::string GroupShellDragFile(const FontGroup& group);
// After a Ctrl-drag released over a Program Manager group window (Windows NT): the group's file,
// without quotes or switch, dropped at that point.
int DropGroupFileOnProgramManager(size_t groupIndex, DropPoint point, const FontGroup& group);
