#pragma once
// Resource numbers of the program: dialogs, menus, controls, commands, pictures and help maps.

// Dialog templates.
enum DialogId : unsigned {
    IDD_FONTMGR = 102,
    IDD_SAMPLE_PAGE = 142,
    IDD_INFO_PAGE = 143,
    IDD_CHARSET_PAGE = 144,
    IDD_GROUP_ICON_TYPE = 148,
    IDD_INSTALL_GROUP = 149,
    IDD_ABOUT = 20513,
    IDD_SYSTEM_INFO = 20576,
    IDD_EMPTY_FONT = 20528, // the shared library's empty template that carries the family's dialog font
};

// Menus.
enum MenuId : unsigned {
    IDR_MAINMENU = 130,
    IDR_GROUP_DLG_MENU = 158,
    IDR_PANE_MENUS = 159,
};

// Pictures.
enum PictureId : unsigned {
    IDI_MAINFRAME = 128,
    IDI_TRUETYPE = 146,
    IDI_OTHER_TYPE = 147,
    IDB_PANE_IMAGES = 131,
    IDB_SPLASH_256 = 151, // splash pictures by colour count: 256 or more, 3 to 255, 2
    IDB_SPLASH_16 = 152,
    IDB_SPLASH_2 = 153,
    IDB_INSTALL_STATES = 160,
};

// Indexes of the popups of menu 159.
enum PaneMenuIndex : unsigned {
    kPopupFileCtrl = 0,
    kPopupPerm = 1,
    kPopupTemp = 2,
    kPopupGroup = 3,
    kPopupSource = 4,
};

// Controls of the main window (template 102).
enum MainControlId : unsigned {
    IDC_GROUPS_PANE = 1000,
    IDC_TEMP_PANE = 1003,
    IDC_PERM_PANE = 1004,
    IDC_SOURCE_PANE = 1005,
    IDC_TEMP_CAPTION = 1006,
    IDC_GROUPS_CAPTION = 1007,
    IDC_PERM_CAPTION = 1008,
    IDC_CLOSE = 1010,
    IDC_SOURCE_CAPTION = 1015,
    IDC_BROWSE = 1016,
    IDC_SOURCE_FRAME = 1027,
    IDC_GROUPS_FRAME = 1028,
    IDC_PERM_FRAME = 1029,
    IDC_TEMP_FRAME = 1030,
    IDC_STATUS_FRAME = 1043,
    IDC_STATUS = 1044,
    IDC_HELP_BUTTON = 1047,
};

// Controls of the Group Icon Type and Install Font Group dialogs (templates 148 and 149).
enum GroupDialogControlId : unsigned {
    IDC_ICON_TEMPORARY = 1031,
    IDC_ICON_PERMANENT = 1032,
    IDC_ICON_ASK = 1033,
    IDC_GROUP_FONTS = 1034,
    IDC_ADD_PERM = 1035,
    IDC_ADD_TEMP = 1025,
    IDC_LAUNCH = 1039,
    IDC_GROUP_NAME = 1046,
    IDC_STATIC_ANY = 65535,
};

// Controls of the Font Properties pages (templates 142 to 144) and the sheet's own buttons.
enum PropertiesControlId : unsigned {
    IDC_PROP_FONT_NAME = 1017,
    IDC_SAMPLE_SIZE = 1018,
    IDC_SAMPLE_AREA = 1020,
    IDC_INFO_LIST = 1021,
    IDC_CHAR_NAME = 1022,
    IDC_CHAR_CODE = 1023,
    IDC_CHAR_GRID = 1024,
    IDC_PROP_PRINT = 1025,
    IDC_CHAR_NAME_FRAME = 1027,
    IDC_CHAR_CODE_FRAME = 1028,
    IDC_PROP_CLOSE = 1042,
    IDC_TYPE_ICON = 1045,
    IDC_GRID_SCROLLBAR = 201,
};

// Standard dialog and sheet buttons.
enum StandardButtonId : unsigned {
    IDOK_BUTTON = 1,
    IDCANCEL_BUTTON = 2,
    IDHELP_BUTTON9 = 9,
    ID_HELP = 57669,
    ID_APPLY_NOW = 59904,
};

// Menu commands.
enum CommandId : unsigned {
    ID_FILE_PROPERTIES = 32772,
    ID_FILE_GROUP_ICON = 32773,
    ID_FILE_RENAME_GROUP = 32774,
    ID_FILE_INSTALL = 32775,
    ID_FILE_INSTALL_TEMP = 32776,
    ID_PRINT_ALL = 32777,
    ID_PRINT_PERMANENT = 32778,
    ID_PRINT_TEMPORARY = 32779,
    ID_EDIT_DELETE = 32780,
    ID_EDIT_SELECT_ALL = 32781,
    ID_VIEW_ALL = 32782,
    ID_VIEW_POSTSCRIPT = 32783,
    ID_VIEW_TRUETYPE = 32784,
    ID_APP_ABOUT = 32785,
    ID_PRINT_GROUPS = 32810,
    ID_PRINT_FOLDER = 32811,
    ID_FILE_BROWSE = 32812,
    ID_FILE_EXIT = 32813,
    ID_VIEW_FILENAMES = 32808,
    ID_VIEW_FONTNAMES = 32809,
    ID_GRP_SELECT_ALL = 32818,
    ID_VIEW_WARNINGS = 32820,
    ID_FILE_NEW_GROUP = 57600,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_HELP_FINDER = 57666,
    ID_HELP_USING = 57667,
    // The dialog framework's own commands.
    ID_SYS_HELP = 53460,
    ID_WHATS_THIS = 53461,
    ID_SYS_ABOUT = 16,
};

// Internal pane commands: a menu command re-sent to the pane that carries it out.
enum PaneCommand : unsigned {
    PANE_CUT = 32787,
    PANE_COPY = 32788,
    PANE_PASTE = 32789,
    PANE_DELETE = 32790,
    PANE_PROPERTIES = 32791,
    PANE_NEW_GROUP = 32792,
    PANE_GROUP_ICON = 32793,
    PANE_RENAME = 32794,
    PANE_SELECT_ALL = 32795,
    PANE_INSTALL = 32814,
    PANE_INSTALL_TEMP = 32815,
    PANE_BROWSE = 32816,
};
