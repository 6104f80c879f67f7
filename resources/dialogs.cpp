#include "resources/dialogs.h"

#include "resources/resource.h"

#include <cstdlib>

namespace {

DialogItem Ctl(unsigned id, ControlKind kind, const char* text, int x, int y, int cx, int cy,
               unsigned style = 0) {
    return DialogItem{id, kind, text, x, y, cx, cy, style};
}

constexpr unsigned kPane = kStyleBorder | kStyleTabStop;
constexpr unsigned kButton = kStyleTabStop;

std::vector<DialogTemplate> MakeTemplates() {
    std::vector<DialogTemplate> t;
    using K = ControlKind;
    t.push_back(DialogTemplate{
        IDD_FONTMGR,
        "Kelvra TYPESTOW",
        418,
        257,
        IDR_MAINMENU,
        "MS Sans Serif",
        8,
        kDialogSysMenu | kDialogMinimizeBox | kDialogMaximizeBox | kDialogSizingBorder,
        {
            Ctl(IDC_SOURCE_FRAME, K::GroupBox, "", 5, 0, 200, 17),
            Ctl(IDC_SOURCE_CAPTION, K::Static, "", 7, 5, 196, 8),
            Ctl(IDC_SOURCE_PANE, K::ListView, "", 5, 17, 200, 95, kPane | kListIconMode),
            Ctl(IDC_PERM_FRAME, K::GroupBox, "", 212, 0, 200, 17),
            Ctl(IDC_PERM_CAPTION, K::Static, " Permanently Installed", 214, 5, 196, 8),
            Ctl(IDC_PERM_PANE, K::ListView, "", 212, 17, 200, 95, kPane | kListListMode | kListAutoArrange),
            Ctl(IDC_GROUPS_FRAME, K::GroupBox, "", 5, 115, 200, 17),
            Ctl(IDC_GROUPS_CAPTION, K::Static, " Groups", 7, 120, 196, 8),
            Ctl(IDC_GROUPS_PANE, K::TreeView, "", 5, 132, 200, 95,
                kPane | kTreeHasButtons | kTreeHasLines | kTreeLinesAtRoot | kTreeEditLabels),
            Ctl(IDC_TEMP_FRAME, K::GroupBox, "", 212, 115, 200, 17),
            Ctl(IDC_TEMP_CAPTION, K::Static, " Temporarily Installed", 214, 120, 196, 8),
            Ctl(IDC_TEMP_PANE, K::ListView, "", 212, 132, 200, 95, kPane | kListListMode | kListAutoArrange),
            Ctl(IDC_STATUS_FRAME, K::GroupBox, "", 5, 236, 235, 14),
            Ctl(IDC_STATUS, K::Static, "", 10, 236, 195, 9),
            Ctl(IDC_BROWSE, K::PushButton, "&Browse", 247, 236, 50, 14, kButton),
            Ctl(IDC_CLOSE, K::PushButton, "Close", 303, 236, 50, 14, kButton),
            Ctl(IDC_HELP_BUTTON, K::PushButton, "&Help", 359, 236, 50, 14, kButton),
        }});
    t.push_back(
        DialogTemplate{IDD_GROUP_ICON_TYPE,
                       "Group Icon Type",
                       190,
                       98,
                       0,
                       "MS Sans Serif",
                       8,
                       kDialogSysMenu | kDialogModalFrame,
                       {
                           Ctl(IDC_STATIC_ANY, K::GroupBox, "Type", 35, 10, 120, 55),
                           Ctl(IDC_ICON_ASK, K::RadioButton, "Ask before Installing", 48, 20, 95, 9,
                               kStyleGroup | kStyleTabStop),
                           Ctl(IDC_ICON_PERMANENT, K::RadioButton, "Install Permanently", 48, 35, 95, 9),
                           Ctl(IDC_ICON_TEMPORARY, K::RadioButton, "Install Temporarily", 48, 50, 95, 9),
                           Ctl(IDOK_BUTTON, K::DefPushButton, "OK", 14, 77, 50, 14, kButton | kStyleGroup),
                           Ctl(IDCANCEL_BUTTON, K::PushButton, "Cancel", 70, 77, 50, 14, kButton),
                           Ctl(ID_HELP, K::PushButton, "&Help", 126, 77, 50, 14, kButton),
                       }});
    t.push_back(DialogTemplate{IDD_INSTALL_GROUP,
                               "Install Font Group",
                               308,
                               138,
                               0,
                               "MS Sans Serif",
                               8,
                               kDialogSysMenu | kDialogModalFrame,
                               {
                                   Ctl(IDC_STATIC_ANY, K::GroupBox, "", 14, 8, 278, 17),
                                   Ctl(IDC_GROUP_NAME, K::Static, "Fonts in Group : ", 19, 14, 218, 9),
                                   Ctl(IDC_GROUP_FONTS, K::ListView, "", 14, 25, 278, 80,
                                       kPane | kListReportMode | kListNoColumnHeader | kListAlignLeft),
                                   Ctl(IDC_LAUNCH, K::PushButton, "&Launch", 14, 115, 50, 14, kButton),
                                   Ctl(IDC_ADD_TEMP, K::DefPushButton, "Add &Temp", 71, 115, 50, 14, kButton),
                                   Ctl(IDC_ADD_PERM, K::PushButton, "Add &Perm", 128, 115, 50, 14, kButton),
                                   Ctl(IDCANCEL_BUTTON, K::PushButton, "Cancel", 185, 115, 50, 14, kButton),
                                   Ctl(ID_HELP, K::PushButton, "&Help", 242, 115, 50, 14, kButton),
                               }});
    // The Font Properties pages.
    t.push_back(DialogTemplate{IDD_SAMPLE_PAGE,
                               "Sample",
                               235,
                               200,
                               0,
                               "MS Sans Serif",
                               8,
                               0,
                               {
                                   Ctl(IDC_PROP_FONT_NAME, K::Static, "", 50, 10, 120, 20),
                                   Ctl(IDC_SAMPLE_SIZE, K::ComboBox, "", 177, 8, 30, 105, kButton),
                                   Ctl(IDC_STATIC_ANY, K::Static, "Points", 210, 10, 20, 7),
                                   Ctl(IDC_SAMPLE_AREA, K::BlackFrame, "", 8, 30, 220, 160),
                                   Ctl(IDC_TYPE_ICON, K::BlackFrame, "", 9, 6, 31, 20, kStaticHidden),
                               }});
    t.push_back(DialogTemplate{IDD_INFO_PAGE,
                               "Info",
                               235,
                               200,
                               0,
                               "MS Sans Serif",
                               8,
                               0,
                               {
                                   Ctl(IDC_PROP_FONT_NAME, K::Static, "", 50, 10, 120, 20),
                                   Ctl(IDC_INFO_LIST, K::ListBox, "", 8, 30, 220, 160, kPane),
                                   Ctl(IDC_TYPE_ICON, K::BlackFrame, "", 9, 6, 31, 20, kStaticHidden),
                               }});
    t.push_back(
        DialogTemplate{IDD_CHARSET_PAGE,
                       "Character Set",
                       235,
                       200,
                       0,
                       "MS Sans Serif",
                       8,
                       0,
                       {
                           Ctl(IDC_PROP_FONT_NAME, K::Static, "", 50, 10, 120, 20),
                           Ctl(IDC_CHAR_NAME, K::Static, " Character Name: none", 15, 180, 100, 8),
                           Ctl(IDC_CHAR_CODE, K::Static, "ANSI Code: 00", 133, 180, 95, 8, kStaticCenter),
                           Ctl(IDC_CHAR_GRID, K::Custom, "PTV60_GridPicker", 8, 30, 220, 164, kButton),
                           Ctl(IDC_CHAR_NAME_FRAME, K::GroupBox, "", 8, 180, 110, 17),
                           Ctl(IDC_CHAR_CODE_FRAME, K::GroupBox, "", 123, 180, 105, 17),
                           Ctl(IDC_TYPE_ICON, K::BlackFrame, "", 9, 6, 31, 20, kStaticHidden),
                       }});
    t.push_back(DialogTemplate{IDD_EMPTY_FONT, "", 0, 0, 0, "MS Sans Serif", 8, 0, {}});
    return t;
}

// MulDiv: the product over the divisor, halves away from zero.
int MulDivRound(long long value, long long num, long long den) {
    long long p = value * num;
    long long q = (std::llabs(p) * 2 + den) / (2 * den);
    return static_cast<int>(p < 0 ? -q : q);
}

} // namespace

const DialogItem* DialogTemplate::Item(unsigned controlId) const {
    for (const auto& item : items)
        if (item.id == controlId) return &item;
    return nullptr;
}

const DialogTemplate* FindDialogTemplate(unsigned id) {
    static const std::vector<DialogTemplate> templates = MakeTemplates();
    for (const auto& t : templates)
        if (t.id == id) return &t;
    return nullptr;
}

int DialogUnitsToPixelsX(int du, int dpi) {
    return MulDivRound(du, 6LL * dpi, 4LL * 96);
}

int DialogUnitsToPixelsY(int du, int dpi) {
    return MulDivRound(du, 13LL * dpi, 8LL * 96);
}

PixelRect DialogItemPixels(const DialogItem& item, int dpi) {
    return PixelRect{DialogUnitsToPixelsX(item.x, dpi), DialogUnitsToPixelsY(item.y, dpi),
                     DialogUnitsToPixelsX(item.cx, dpi), DialogUnitsToPixelsY(item.cy, dpi)};
}
