#pragma once
// Help maps: one per dialog template, mapping control ids to help contexts. The raw form is a
// sequence of 32-bit values; when it starts with 0 the second value is the dialog's own context,
// otherwise the dialog's own context is its template id. Pairs (control id, context) end at a
// control id of 0.
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

struct HelpMap {
    uint32_t ownContext = 0;
    std::vector<std::pair<uint32_t, uint32_t>> pairs; // (control id, help context)

    // 0 when the control is not in the map.
    uint32_t ContextOf(uint32_t controlId) const;
};

// The raw resource of a template id; nullptr when the template has no help map.
const std::vector<uint32_t>* FindHelpMapResource(unsigned templateId);
HelpMap ParseHelpMap(const std::vector<uint32_t>& raw, unsigned templateId);
// Looked up afresh on every call.
std::optional<HelpMap> LoadHelpMap(unsigned templateId);
