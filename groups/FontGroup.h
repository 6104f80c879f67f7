#pragma once
// A named group of fonts, kept in its own group file named after the group.
#include "fontdata/FontItem.h"

#include <memory>
#include <string>

class FontGroup {
public:
    // A group that was never saved holds the program folder (ending in a backslash) as its path.
    explicit FontGroup(std::string path = {}, std::string name = {});
    virtual ~FontGroup();
    FontGroup(const FontGroup&) = delete;
    FontGroup& operator=(const FontGroup&) = delete;

    // Full path of the group's file, or the folder it will be saved in.
    std::string m_strPath;
    // At most kMaxGroupName characters: the file's name field holds 128 bytes with its terminator.
    std::string m_strName;
    // The group's own copies of its fonts, in file order.
    std::unique_ptr<FontList> m_pFonts;
};

constexpr size_t kMaxGroupName = 127;

using GroupList = OwningList<FontGroup>;
