#pragma once
// Locale-aware comparison of Windows-1252 text, as lstrcmpA and lstrcmpiA compare for the default
// western locale: letters by their base letter first (accents and case only break ties), digits
// before letters, other symbols before digits, and hyphens and apostrophes ignored unless the texts
// are otherwise equal.
#include <string_view>

namespace platform {

// lstrcmpA: negative, 0 or positive. Lower case sorts before upper case among otherwise equal texts.
int CompareStringAnsi(std::string_view a, std::string_view b);
// lstrcmpiA: as above without the case tie-break.
int CompareStringAnsiNoCase(std::string_view a, std::string_view b);

} // namespace platform
