#include "resources/helpmaps.h"

#include <map>

namespace {

const std::map<unsigned, std::vector<uint32_t>>& Maps() {
    static const std::map<unsigned, std::vector<uint32_t>> maps = {
        {102,
         {0,    1,  1047, 2,  1016, 3,  1044, 4,  1010, 5,  1000, 6,  1004, 7,  1005, 8,  1003, 9, 1027, 10,
          1028, 11, 1029, 12, 1030, 13, 1043, 14, 1015, 15, 1007, 16, 1008, 17, 1006, 18, 0,    0}},
        {142, {0, 31, 1018, 32, 1017, 33, 1045, 34, 1020, 35, 0, 0}},
        {143, {0, 36, 1017, 37, 1045, 38, 1021, 39, 0, 0}},
        {144, {0, 40, 1023, 41, 1017, 42, 1022, 43, 1027, 44, 1028, 45, 1045, 46, 1024, 47, 0, 0}},
        {148, {0, 26, 57669, 27, 1032, 28, 1033, 29, 1031, 30, 0, 0}},
        {149, {0, 19, 57669, 20, 1035, 21, 1025, 22, 1039, 23, 1034, 24, 1046, 25, 0, 0}},
    };
    return maps;
}

} // namespace

uint32_t HelpMap::ContextOf(uint32_t controlId) const {
    for (const auto& [control, context] : pairs)
        if (control == controlId) return context;
    return 0;
}

const std::vector<uint32_t>* FindHelpMapResource(unsigned templateId) {
    auto it = Maps().find(templateId);
    return it == Maps().end() ? nullptr : &it->second;
}

HelpMap ParseHelpMap(const std::vector<uint32_t>& raw, unsigned templateId) {
    HelpMap map;
    size_t i = 0;
    map.ownContext = templateId;
    if (raw.size() >= 2 && raw[0] == 0) {
        map.ownContext = raw[1];
        i = 2;
    }
    // A map without its closing zero ends with its last whole pair.
    for (; i + 1 < raw.size() && raw[i] != 0; i += 2) map.pairs.emplace_back(raw[i], raw[i + 1]);
    return map;
}

std::optional<HelpMap> LoadHelpMap(unsigned templateId) {
    const auto* raw = FindHelpMapResource(templateId);
    if (!raw) return std::nullopt;
    return ParseHelpMap(*raw, templateId);
}
