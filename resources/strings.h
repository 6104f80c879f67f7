#pragma once
// The program's string table: every message, caption and format under its resource number.
#include <initializer_list>
#include <string>

enum StringId : unsigned {
    IDS_CONFIG_FILE_MISSING = 20775,
    IDS_CONFIG_VALUE_MISSING = 20776,
    IDS_UNKNOWN = 59312,
    IDS_SCAN_TRUETYPE_EXT = 59375,
    IDS_SCAN_TYPE1_EXT = 59376,
    IDS_SCAN_PATTERNS = 59377,
    // Texts whose numbers the resource file leaves open get numbers of ours from 61000 on.
    IDS_CONFIG_CAPTION = 61000,
    IDS_CAPTION_ERROR = 61001,
    IDS_CAPTION_WARNING = 61002,
    IDS_CAPTION_NOTICE = 61003,
    IDS_FOLDER_INVALID = 61004,
    IDS_GROUP_INSTALLED = 61005,
    IDS_GROUP_FAILED = 61006,
    // Group files and the group job.
    IDS_SPLASH_ENUMERATING = 59409,
    IDS_GROUP_READ_ONLY = 61200,
    IDS_GROUP_RENAME_FAILED = 61201,
    IDS_GROUP_FILE_TAKEN = 61202,
    IDS_GROUP_NO_FOLDER = 61203,
    IDS_SPLASH_READING_GROUPS = 61206,
    IDS_SPLASH_READING_SOURCE = 61207,
    // Install engine and pane install batches.
    IDS_INVALID_FONT_FILES = 61300,
    IDS_TYPE1_ON_NT = 61301,
    IDS_REPLACE_FILE = 61302,
    IDS_COPYING_FILE = 61303,
    IDS_COPY_REMOTE = 61304,
    IDS_INSTALLING_PERMANENTLY = 61305,
    IDS_CONFIRM_UNINSTALL = 61306,
    IDS_UNINSTALL_PERMANENTLY = 61307,
    IDS_UNINSTALL_TEMPORARILY = 61308,
    IDS_ALREADY_PERMANENT = 61309,
    IDS_ALREADY_TEMPORARY = 61310,
    IDS_SKIPPED_PERMANENT = 61311,
    IDS_DELETE_FAILED = 61312,
    // The Font Properties sheet.
    IDS_PRINT_BUTTON = 59277,
    IDS_CLOSE_BUTTON = 59280,
    IDS_SAMPLE_TEXT = 59295,
    IDS_HELP_BUTTON = 59460,
    IDS_FONT_FILE_NOT_FOUND = 62300,
    IDS_CREATE_BUTTON_FAILED = 62301,
    IDS_SET_BUTTON_FONT_FAILED = 62302,
    // The main window, the list panes and the dialog framework.
    IDS_ABOUT_MENU = 101,
    IDS_WHATS_THIS = 21831,
    IDS_HELP_ITEM = 21832,
    IDS_FONT_PROPERTIES = 59251,
    IDS_STYLE_SEPARATOR = 59459,
    IDS_MAIN_CAPTION = 61400,
    IDS_IMAGE_LIST_FAILED = 61401,
    IDS_INSERT_ITEM_FAILED = 61402,
    IDS_DELETE_SOURCE_QUESTION = 61403,
    IDS_DELETE_SOURCE_CAPTION = 61404,
    IDS_DELETE_SOURCE_FAILED = 61405,
    IDS_PRINT_ALL_TITLE = 61407,
    IDS_PRINT_PERM_TITLE = 61408,
    IDS_PRINT_TEMP_TITLE = 61409,
    IDS_BROWSE_TITLE = 61410,
    IDS_BROWSE_FOLDER_NAME = 61411,
    IDS_BROWSE_FOLDERS = 61412,
    IDS_BROWSE_DRIVES = 61413,
    IDS_CLOSE_ITEM = 61414,
    IDS_HELP_TITLE = 61415,
    IDS_HELP_FILE_MISSING = 61416,
    IDS_HELP_NO_TOPIC = 61417,
    IDS_HELP_CONTENTS_TAB = 61418,
    IDS_HELP_INDEX_TAB = 61419,
    IDS_HELP_FIND_LABEL = 61420,
    IDS_HELP_DISPLAY = 61421,
    IDS_USING_HELP_TITLE = 61422,
    IDS_USING_HELP_TEXT = 61423,
};

// The text of a string; "" for a number the table does not hold.
const char* LoadString(unsigned id);
// The string with each "%s" replaced by the next argument in turn.
std::string FormatString(unsigned id, std::initializer_list<std::string> args);
std::string FormatText(const std::string& format, std::initializer_list<std::string> args);
