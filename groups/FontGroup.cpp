#include "groups/FontGroup.h"

#include <utility>

FontGroup::FontGroup(std::string path, std::string name)
    : m_strPath(std::move(path)), m_strName(std::move(name)), m_pFonts(std::make_unique<FontList>()) {}

FontGroup::~FontGroup() = default;
