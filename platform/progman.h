#pragma once
// Program Manager of a Windows NT image: its group windows and their items, kept in the image so
// that every program using the image sees the same groups. A dropped file list adds items.
#include <string>
#include <vector>

namespace platform {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

namespace progman {

struct Group {
    std::string title;
    Rect rect;
    bool iconic = false;
    std::vector<std::string> items; // each item's command line
};

// The "Progman" window exists: the image's Program Manager is running.
bool IsRunning();
// The "PMGroup" windows in window order.
std::vector<Group> Groups();
// Creates the store with the given groups (the image set-up does this for NT images).
bool CreateStore(const std::vector<Group>& groups);
// WM_DROPFILES posted to group window `index`: one item per file named in the block.
bool PostDropFiles(size_t index, const std::string& dropBlock);

} // namespace progman

// The file-drop block: a 20-byte header (list offset 20, the point, the non-client flag, the
// wide-characters flag 0) and NUL-terminated names ending with an empty one.
std::string MakeDropFiles(int x, int y, bool nonClient, const std::vector<std::string>& files);
std::vector<std::string> ParseDropFiles(const std::string& block);

enum SystemMetric : int { kSmCxIcon = 11, kSmCyIcon = 12, kSmCyMenu = 15 };
int GetSystemMetrics(int metric);

} // namespace platform
