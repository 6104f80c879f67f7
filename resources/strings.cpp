#include "resources/strings.h"

#include <map>

namespace {

const std::map<unsigned, const char*>& Table() {
    static const std::map<unsigned, const char*> table = {
        {IDS_CONFIG_FILE_MISSING, "Could not open %s.\n\nPlease check Key: \"HKEY_LOCAL_MACHINE\\%s\"  "
                                  "Value: \"%s\"  in the Registry."},
        {IDS_CONFIG_VALUE_MISSING,
         "Key: \"HKEY_LOCAL_MACHINE\\%s\"  Value: \"%s\"  not found in the Registry."},
        {IDS_CONFIG_CAPTION, "Kelvra"},
        {IDS_CAPTION_ERROR, "Error"},
        {IDS_CAPTION_WARNING, "Warning"},
        {IDS_CAPTION_NOTICE, "Notice"},
        {IDS_FOLDER_INVALID, "Current font folder is invalid. Defaulting to Windows folder"},
        {IDS_GROUP_INSTALLED, "Selected Fonts have been installed successfully"},
        {IDS_GROUP_FAILED, "Unable to install some of the fonts."},
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
