// Shell links and file-drop blocks: decode any bytes without a fault; what decodes re-encodes.
#include "platform/progman.h"
#include "platform/shelllink.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (auto link = platform::DecodeShellLink(bytes))
        platform::DecodeShellLink(platform::EncodeShellLink(*link));
    platform::ParseDropFiles(bytes);
    return 0;
}
