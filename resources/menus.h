#pragma once
// Menu resources as data: the menu bar of the main window and the context-menu popups.
#include <string>
#include <vector>

enum MenuItemFlags : unsigned {
    kMenuGrayed = 0x1,
    kMenuChecked = 0x8,
    kMenuPopup = 0x10,
    kMenuSeparator = 0x800,
};

struct MenuItem {
    unsigned id = 0; // 0 for a popup or a separator
    std::string text;
    unsigned flags = 0;
    std::vector<MenuItem> items; // a popup's items
};

struct MenuResource {
    unsigned id = 0;
    std::vector<MenuItem> items; // the top-level popups
};

// nullptr for a number the program does not hold.
const MenuResource* FindMenu(unsigned id);
// The item with the command id anywhere below the given items, or nullptr.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, unsigned id);
