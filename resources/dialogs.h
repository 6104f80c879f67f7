#pragma once
// Dialog templates as data, in dialog units, and the conversion of dialog units to pixels.
#include <string>
#include <vector>

enum class ControlKind {
    GroupBox,
    Static,
    PushButton,
    DefPushButton,
    RadioButton,
    ListView,
    TreeView,
    ComboBox, // drop-down, editable
    ListBox,
    BlackFrame,
    Custom, // a placeholder of a registered window class, named by the item's text
};

// Styles of the template; only those the program uses.
enum TemplateStyle : unsigned {
    kStyleBorder = 0x1,
    kStyleTabStop = 0x2,
    kStyleGroup = 0x4, // first control of a group of radio buttons
    // List views.
    kListIconMode = 0x10,
    kListListMode = 0x20,
    kListReportMode = 0x40,
    kListAutoArrange = 0x80,
    kListNoColumnHeader = 0x100,
    kListAlignLeft = 0x200,
    kListSingleSelection = 0x400,
    // Tree views.
    kTreeHasButtons = 0x1000,
    kTreeHasLines = 0x2000,
    kTreeLinesAtRoot = 0x4000,
    kTreeEditLabels = 0x8000,
    // Static controls.
    kStaticHidden = 0x10000,
    kStaticCenter = 0x20000,
};

// Styles of the dialog itself.
enum TemplateDialogStyle : unsigned {
    kDialogSysMenu = 0x1,
    kDialogMinimizeBox = 0x2,
    kDialogMaximizeBox = 0x4,
    kDialogSizingBorder = 0x8,
    kDialogModalFrame = 0x10,
};

struct DialogItem {
    unsigned id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    unsigned style = 0;
};

struct DialogTemplate {
    unsigned id = 0;
    std::string caption;
    int cx = 0, cy = 0; // dialog units
    unsigned menu = 0;  // menu resource, 0 for none
    std::string fontFace;
    int pointSize = 8;
    unsigned style = 0;
    std::vector<DialogItem> items;

    const DialogItem* Item(unsigned controlId) const;
};

// nullptr for a number the program does not hold.
const DialogTemplate* FindDialogTemplate(unsigned id);

// Dialog units to pixels with the base units of 8-point MS Sans Serif (6 by 13 pixels at 96 dpi),
// scaled by dpi / 96; halves round away from zero.
int DialogUnitsToPixelsX(int du, int dpi = 96);
int DialogUnitsToPixelsY(int du, int dpi = 96);

struct PixelRect {
    int x = 0, y = 0, cx = 0, cy = 0;
    bool operator==(const PixelRect&) const = default;
};
// Position and size are converted each on its own, as the dialog manager places controls.
PixelRect DialogItemPixels(const DialogItem& item, int dpi = 96);
