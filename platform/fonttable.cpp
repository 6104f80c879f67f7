#include "platform/fonttable.h"

namespace platform {

int AddFontResource(const std::string&) {
    return 0;
}
int RemoveFontResource(const std::string&) {
    return 0;
}
int FontResourceCount(const std::string&) {
    return 0;
}
std::vector<ActiveFontFile> ActiveFontFiles() {
    return {};
}
int EnumFontFamilies(const char*, const FontEnumProc&) {
    return 1;
}
int EnumFontFamiliesEx(const LOGFONTA&, const FontEnumProc&) {
    return 1;
}
std::optional<ActiveFace> MatchActiveFace(const LOGFONTA&) {
    return std::nullopt;
}
std::vector<ActiveFace> FacesOfFontFile(const std::string&) {
    return {};
}
void LoadBootTimeTrueTypeFonts() {}
std::string FontsRegistryKey() {
    return {};
}
std::string FontsFolder() {
    return {};
}
std::vector<std::string> FontTableListing() {
    return {};
}
void ClearFontFactsCache() {}

} // namespace platform
