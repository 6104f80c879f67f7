// Registry text: parse, query, edit and write back any bytes without a fault.
#include "platform/registry.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    platform::RegistryText text(bytes);
    for (const auto& sub : text.Subkeys("")) {
        for (const auto& v : text.Values(sub)) text.Find(sub, v.name);
    }
    text.Set("SOFTWARE\\A", platform::RegValue{"n", platform::kRegSz, "d\\\"", 0});
    text.DeleteValue("SOFTWARE\\A", "n");
    text.DeleteKey("SOFTWARE");
    platform::RegistryText again(text.Bytes());
    again.Bytes();
    return 0;
}
