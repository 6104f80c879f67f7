#pragma once
// A named group of fonts, kept in its own group file named after the group.
#include "fontdata/FontItem.h"

#include <string>

class FontGroup {
public:
    std::string m_strName;
    FontList m_fonts;
};

using GroupList = OwningList<FontGroup>;
