#include "resources/strings.h"

#include <map>

namespace {

const std::map<unsigned, const char*>& Table() {
    static const std::map<unsigned, const char*> table = {
        {IDS_CONFIG_FILE_MISSING, "Could not open %s.\n\nPlease check Key: \"HKEY_LOCAL_MACHINE\\%s\"  "
                                  "Value: \"%s\"  in the Registry."},
        {IDS_CONFIG_VALUE_MISSING,
         "Key: \"HKEY_LOCAL_MACHINE\\%s\"  Value: \"%s\"  not found in the Registry."},
        {IDS_UNKNOWN, "Unknown"},
        {IDS_SCAN_TRUETYPE_EXT, "TTF"},
        {IDS_SCAN_TYPE1_EXT, "PFM"},
        {IDS_SCAN_PATTERNS, "*.TTF;*.PFM"},
        {IDS_CONFIG_CAPTION, "Kelvra"},
        {IDS_CAPTION_ERROR, "Error"},
        {IDS_CAPTION_WARNING, "Warning"},
        {IDS_CAPTION_NOTICE, "Notice"},
        {IDS_FOLDER_INVALID, "Current font folder is invalid. Defaulting to Windows folder"},
        {IDS_GROUP_INSTALLED, "Selected Fonts have been installed successfully"},
        {IDS_GROUP_FAILED, "Unable to install some of the fonts."},
        {IDS_SPLASH_ENUMERATING, "Enumerating Installed Fonts"},
        {IDS_GROUP_READ_ONLY, "Group file %s is read only. It will be not be saved!"},
        {IDS_GROUP_RENAME_FAILED, "Group file %s could not be renamed to %s. The group is not saved."},
        {IDS_GROUP_FILE_TAKEN, "Group file %s belongs to another group. The group is not saved."},
        {IDS_GROUP_NO_FOLDER, "Group %s cannot be saved: the program folder is unknown."},
        {IDS_SPLASH_READING_GROUPS, "Reading the Groups"},
        {IDS_SPLASH_READING_SOURCE, "Reading Fonts from Current Folder"},
        {IDS_INVALID_FONT_FILES, "Some fonts have invalid fontfiles."},
        {IDS_TYPE1_ON_NT, "Type 1 fonts cannot be installed under windows NT"},
        {IDS_REPLACE_FILE, "Replace file '%s' with '%s' ? "},
        {IDS_COPYING_FILE, "Copying File"},
        {IDS_COPY_REMOTE, "Copy Remote files to 'Fonts' folder?"},
        {IDS_INSTALLING_PERMANENTLY, "Installing Permanently"},
        {IDS_CONFIRM_UNINSTALL, "Are you sure you want to uninstall the selected font(s)?"},
        {IDS_UNINSTALL_PERMANENTLY, "Uninstall Permanently"},
        {IDS_UNINSTALL_TEMPORARILY, "Uninstall Temporarily"},
        {IDS_ALREADY_PERMANENT, "Some fonts already installed permanently"},
        {IDS_ALREADY_TEMPORARY, "Some fonts are already installed temporarily"},
        {IDS_SKIPPED_PERMANENT,
         "Some fonts are already installed Permanently and therefore could not be installed temporarily"},
        {IDS_DELETE_FAILED, "Some font files were not found and therefore could not be Deleted"},
        // The Font Properties sheet.
        {IDS_PRINT_BUTTON, "&Print"},
        {IDS_CLOSE_BUTTON, "&Close"},
        {IDS_SAMPLE_TEXT, "The quick brown fox jumped over the lazy dog."},
        {IDS_HELP_BUTTON, "&Help"},
        {IDS_FONT_FILE_NOT_FOUND, "Could not find font file; some information is unavailable"},
        {IDS_CREATE_BUTTON_FAILED, "Could not Create Button"},
        {IDS_SET_BUTTON_FONT_FAILED, "Could not Set Button Font"},
        // The main window, the list panes and the dialog framework.
        {IDS_ABOUT_MENU, "&About Kelvra TYPESTOW"},
        {IDS_WHATS_THIS, "&What's This?"},
        {IDS_HELP_ITEM, "&Help"},
        {IDS_FONT_PROPERTIES, "Font Properties"},
        {IDS_STYLE_SEPARATOR, ","},
        {IDS_MAIN_CAPTION, "Kelvra TYPESTOW"},
        {IDS_IMAGE_LIST_FAILED, "Could not Create Image List"},
        {IDS_INSERT_ITEM_FAILED, "Could not Insert Item"},
        {IDS_DELETE_SOURCE_QUESTION, "Are you sure you want to delete the selected font file(s)?"},
        {IDS_DELETE_SOURCE_CAPTION, "Deleting a Source Font"},
        {IDS_DELETE_SOURCE_FAILED, "File(s) in use. Cannot delete file(s)."},
        {IDS_PRINT_ALL_TITLE, "Kelvra TYPESTOW: List of all fonts currently installed"},
        {IDS_PRINT_PERM_TITLE, "Kelvra TYPESTOW: List of fonts installed permanently"},
        {IDS_PRINT_TEMP_TITLE, "Kelvra TYPESTOW: List of fonts installed temporarily"},
        {IDS_BROWSE_TITLE, "Open"},
        {IDS_BROWSE_FOLDER_NAME, "Folder Name:"},
        {IDS_BROWSE_FOLDERS, "&Folders:"},
        {IDS_BROWSE_DRIVES, "Dri&ves:"},
        {IDS_CLOSE_ITEM, "&Close"},
        {IDS_HELP_TITLE, "Kelvra TYPESTOW Help"},
        {IDS_HELP_FILE_MISSING, "Cannot find the help file %s."},
        {IDS_HELP_NO_TOPIC, "No help is available for this item."},
        {IDS_HELP_CONTENTS_TAB, "Contents"},
        {IDS_HELP_INDEX_TAB, "Index"},
        {IDS_HELP_FIND_LABEL, "&Type the first few letters of the word you are looking for:"},
        {IDS_HELP_DISPLAY, "&Display"},
        {IDS_USING_HELP_TITLE, "How to Use Help"},
        {IDS_USING_HELP_TEXT,
         "The Contents tab lists the topics of the help file; double-click a topic, or select it and "
         "click Display, to read it.\n\nThe Index tab finds a topic by the first letters of its title.\n\n"
         "In a dialog box, press F1 or right-click a control and choose What's This? to see a short "
         "description of that control."},
        // Splash window, About box and System Info.
        {IDS_PRODUCT_TITLE, "Kelvra TYPESTOW"},
        {IDS_PRODUCT_VERSION, "Version 6.0"},
        {IDS_PRODUCT_BUILD, "Version 6.00.112"},
        {IDS_PRODUCT_NOTICE1, "Copyright \xA9 Kelvra. All rights reserved.\n"},
        {IDS_PRODUCT_NOTICE2, "Fonts installed, grouped and inspected in one window."},
        {IDS_ABOUT_CAPTION, "About %s"},
        {IDS_ABOUT_FREE_SPACE, "Disk Space Free: %ld KB (%c:)"},
        {IDS_ABOUT_SYSINFO_BUTTON, "&System Info..."},
        {IDS_SYSINFO_CAPTION, "System Info"},
        {IDS_SYSINFO_CHOOSE, "C&hoose a category:"},
        {IDS_SYSINFO_SAVE_BUTTON, "&Save..."},
        {IDS_SYSINFO_SAVED, "System info was saved to %s."},
        {IDS_SYSINFO_SAVE_FAILED, "Unable to save system info to %s."},
        {IDS_SYSINFO_CAT_SYSTEM, "System"},
        {IDS_SYSINFO_CAT_DISPLAY, "Display"},
        {IDS_SYSINFO_CAT_PRINTING, "Printing"},
        {IDS_SYSINFO_CAT_PROGRAMS, "Kelvra EXEs & DLLs"},
        {IDS_SYSINFO_CAT_SYSTEM_DLLS, "System DLLs"},
        {IDS_SYSINFO_FILE_NAME, "sysinfo.txt"},
        {IDS_CREDITS_CAPTION, "Credits"},
        {IDS_CREDITS_TEXT, "Kelvra TYPESTOW\n\nDesigned and built by the TYPESTOW team.\n\n"
                           "Thanks to everyone who tried the early versions."},
        {IDS_GROUP_NAME_INVALID, "Group Names can not contain characters \\ / : * ? \" < > | or invalid "
                                 "extended characters.  Please choose a different name."},
        {IDS_GROUP_NAME_EXISTS, "Group name already exists. Please choose a different name."},
        {IDS_GROUP_NAME_TOO_LONG, "Group names can not be longer than 127 characters.  Please choose a "
                                  "shorter name."},
        {IDS_ALREADY_IN_GROUP, "Some fonts are already included in the group"},
        {IDS_REMOVE_GROUP_FONT, "Are you sure you want to remove the selected font from this group?"},
        {IDS_REMOVE_GROUP_FONT_CAPTION, "Deleting a Group Font"},
        {IDS_DELETE_GROUP, "Are you sure you want to delete this group?"},
        {IDS_DELETE_GROUP_CAPTION, "Deleting a Group"},
        {IDS_NEW_GROUP_NAME, "NewGroup"},
        {IDS_GROUP_ICON_FAILED, "An error has occurred while placing the group on Start menu"},
        {IDS_SHORTCUT_TO, "Shortcut to"},
        {IDS_GROUP_FONT_TTF, "%s [TTF]"},
        {IDS_GROUP_FONT_ATM, "%s [ATM]"},
        {IDS_GROUP_FONT_UNKNOWN, "%s [Unknown]"},
        {IDS_PRINT_DOCUMENT, "Kelvra TYPESTOW"},
        {IDS_PRINT_ALL_INSTALLED, "Kelvra TYPESTOW: List of all fonts currently installed"},
        {IDS_PRINT_PERMANENT, "Kelvra TYPESTOW: List of fonts installed permanently"},
        {IDS_PRINT_TEMPORARY, "Kelvra TYPESTOW: List of fonts installed temporarily"},
        {IDS_PRINT_FOLDER, "Kelvra TYPESTOW: List of font files "},
        {IDS_PRINT_GROUPS, "Kelvra TYPESTOW: List of font groups"},
        {IDS_PRINT_IS_PERMANENT, "Permanent"},
        {IDS_PRINT_IS_TEMPORARY, "Temporary"},
        {IDS_PRINT_FONT_HEADER, "%s : %s"},
    };
    return table;
}

} // namespace

const char* LoadString(unsigned id) {
    auto it = Table().find(id);
    return it == Table().end() ? "" : it->second;
}

std::string FormatText(const std::string& format, std::initializer_list<std::string> args) {
    std::string out;
    auto it = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (it != args.end()) out += *it++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string FormatString(unsigned id, std::initializer_list<std::string> args) {
    return FormatText(LoadString(id), args);
}
