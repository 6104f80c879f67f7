#include "resources/menus.h"

#include "resources/resource.h"

namespace {

MenuItem Item(unsigned id, const char* text, unsigned flags = 0) {
    return MenuItem{id, text, flags, {}};
}
MenuItem Separator() {
    return MenuItem{0, "", kMenuSeparator, {}};
}
MenuItem Popup(const char* text, std::vector<MenuItem> items) {
    return MenuItem{0, text, kMenuPopup, std::move(items)};
}

std::vector<MenuResource> MakeMenus() {
    std::vector<MenuResource> menus;
    menus.push_back(MenuResource{
        IDR_MAINMENU,
        {
            Popup("&File", {Item(ID_FILE_BROWSE, "&Browse..."),
                            Popup("&Print", {Item(ID_PRINT_ALL, "&All Installed Fonts..."),
                                             Item(ID_PRINT_PERMANENT, "&Permanent Fonts..."),
                                             Item(ID_PRINT_TEMPORARY, "&Temporary Fonts..."), Separator(),
                                             Item(ID_PRINT_FOLDER, "&Current Folder..."),
                                             Item(ID_PRINT_GROUPS, "&Group List...")}),
                            Separator(), Item(ID_FILE_NEW_GROUP, "&New Group"),
                            Item(ID_FILE_GROUP_ICON, "&Create Group Icon", kMenuGrayed),
                            Item(ID_FILE_RENAME_GROUP, "Rena&me Group", kMenuGrayed), Separator(),
                            Item(ID_FILE_INSTALL, "Instal&l Font", kMenuGrayed),
                            Item(ID_FILE_INSTALL_TEMP, "Install Temporaril&y", kMenuGrayed), Separator(),
                            Item(ID_FILE_PROPERTIES, "Propert&ies...", kMenuGrayed), Separator(),
                            Item(ID_FILE_EXIT, "E&xit")}),
            Popup("&Edit", {Item(ID_EDIT_CUT, "Cu&t", kMenuGrayed), Item(ID_EDIT_COPY, "&Copy", kMenuGrayed),
                            Item(ID_EDIT_PASTE, "&Paste", kMenuGrayed), Separator(),
                            Item(ID_EDIT_DELETE, "&Delete", kMenuGrayed), Separator(),
                            Item(ID_EDIT_SELECT_ALL, "Select &All", kMenuGrayed)}),
            Popup("&View",
                  {Item(ID_VIEW_ALL, "&All", kMenuChecked), Item(ID_VIEW_POSTSCRIPT, "&PostScript Only"),
                   Item(ID_VIEW_TRUETYPE, "&TrueType Only"), Separator(),
                   Item(ID_VIEW_FILENAMES, "Display F&ilenames"),
                   Item(ID_VIEW_FONTNAMES, "Display F&ontnames", kMenuChecked), Separator(),
                   Item(ID_VIEW_WARNINGS, "Show &Warnings", kMenuChecked)}),
            Popup("&Help", {Item(ID_HELP_FINDER, "&Help Topics"), Item(ID_HELP_USING, "&Using Help"),
                            Separator(), Item(ID_APP_ABOUT, "&About Kelvra TYPESTOW...")}),
        }});
    menus.push_back(MenuResource{
        IDR_GROUP_DLG_MENU,
        {Popup("&Grp Ctrl", {Item(ID_GRP_SELECT_ALL, "Select &All")})},
    });
    menus.push_back(MenuResource{
        IDR_PANE_MENUS,
        {
            Popup("FileCtrl", {Item(ID_FILE_BROWSE, "&Browse...")}),
            Popup("Perm", {Item(ID_EDIT_CUT, "Cu&t"), Item(ID_EDIT_COPY, "&Copy"),
                           Item(ID_EDIT_PASTE, "&Paste"), Separator(), Item(ID_EDIT_DELETE, "&Delete"),
                           Separator(), Item(ID_FILE_PROPERTIES, "Propert&ies...")}),
            Popup("Temp",
                  {Item(ID_EDIT_CUT, "Cu&t"), Item(ID_EDIT_COPY, "&Copy"), Item(ID_EDIT_PASTE, "&Paste"),
                   Separator(), Item(ID_EDIT_DELETE, "&Delete"), Separator(),
                   Item(ID_FILE_INSTALL, "Instal&l"), Item(ID_FILE_INSTALL_TEMP, "Install Temporaril&y"),
                   Separator(), Item(ID_FILE_PROPERTIES, "Propert&ies...")}),
            Popup("Group",
                  {Item(ID_FILE_NEW_GROUP, "&New Group"), Item(ID_FILE_GROUP_ICON, "&Create Group Icon"),
                   Separator(), Item(ID_EDIT_CUT, "Cu&t"), Item(ID_EDIT_COPY, "&Copy"),
                   Item(ID_EDIT_PASTE, "&Paste"), Separator(), Item(ID_EDIT_DELETE, "&Delete"),
                   Item(ID_FILE_RENAME_GROUP, "Rena&me"), Separator(), Item(ID_FILE_INSTALL, "Instal&l"),
                   Item(ID_FILE_INSTALL_TEMP, "Install Temporaril&y"), Separator(),
                   Item(ID_FILE_PROPERTIES, "Propert&ies...")}),
            Popup("Source", {Item(ID_FILE_BROWSE, "&Browse..."), Separator(), Item(ID_EDIT_COPY, "&Copy"),
                             Item(ID_EDIT_DELETE, "&Delete"), Separator(), Item(ID_FILE_INSTALL, "Instal&l"),
                             Item(ID_FILE_INSTALL_TEMP, "Install Temporaril&y"), Separator(),
                             Item(ID_VIEW_FILENAMES, "Display F&ilenames"),
                             Item(ID_VIEW_FONTNAMES, "Display F&ontnames"), Separator(),
                             Item(ID_FILE_PROPERTIES, "Propert&ies...")}),
        }});
    return menus;
}

} // namespace

const MenuResource* FindMenu(unsigned id) {
    static const std::vector<MenuResource> menus = MakeMenus();
    for (const auto& m : menus)
        if (m.id == id) return &m;
    return nullptr;
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, unsigned id) {
    for (const auto& item : items) {
        if (!(item.flags & (kMenuPopup | kMenuSeparator)) && item.id == id) return &item;
        if (item.flags & kMenuPopup)
            if (const MenuItem* found = FindMenuItem(item.items, id)) return found;
    }
    return nullptr;
}
