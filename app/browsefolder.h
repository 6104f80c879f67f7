#pragma once
// The folder chooser's rules: folders of the image's drives, moving between them, and what OK does
// with the text of the folder-name box.
#include <string>
#include <vector>

// A folder path as the chooser shows it: canonical, upper-case drive letter, a root keeps its
// backslash ("C:\"), other folders have none. Empty for a path that is no folder path.
std::string NormalFolderPath(const std::string& path);
// The folder above; a root stays where it is.
std::string ParentFolder(const std::string& folder);
// The sub-folders of a folder, sorted by name without regard to case.
std::vector<std::string> SubfolderNames(const std::string& folder);
// The roots of the image's drives ("C:\"), in drive order.
std::vector<std::string> DriveRoots();
// Where the chooser opens: the folder, else the nearest existing folder above it, else the first
// drive's root.
std::string StartFolder(const std::string& folder);

// OK with the folder-name box: an existing folder (absolute, or relative to the folder shown)
// closes the chooser on that folder; an existing file is refused and the chooser closes on the
// folder shown; anything else sets the box back to the folder shown and keeps the chooser open.
struct BrowseOk {
    bool close = false;
    std::string folder; // the answer when `close`, else the folder still shown
};
BrowseOk ResolveBrowseOk(const std::string& shownFolder, const std::string& entry);
