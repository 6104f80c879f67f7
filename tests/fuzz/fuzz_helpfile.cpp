// libFuzzer target for the help file reader: any text parses, and every topic and popup it yields
// is found again by its context number.
#include "resources/helpfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const HelpFile file = ParseHelpFile(std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& [context, topic] : file.topics)
        if (file.Topic(context) != &topic) std::abort();
    for (const auto& [context, text] : file.popups)
        if (file.PopupText(context) != text) std::abort();
    (void)file.ContentsContext();
    return 0;
}
