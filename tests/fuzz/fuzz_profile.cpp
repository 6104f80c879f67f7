// Profile text: parse, query, edit and write back any bytes without a fault; a rewrite keeps the
// lines the edit did not touch.
#include "platform/profile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    platform::ProfileText text(bytes);
    for (const auto& section : text.Sections()) {
        for (const auto& [key, value] : text.Entries(section)) text.Get(section, key);
    }
    text.Set("Fonts", std::string("Key"), std::string("Value"));
    text.Set("fonts", std::string("key"), std::nullopt);
    text.Set("Other", std::nullopt, std::nullopt);
    platform::ProfileText again(text.Bytes());
    again.Bytes();
    platform::profile::ParseProfileInt(bytes, 7);
    return 0;
}
