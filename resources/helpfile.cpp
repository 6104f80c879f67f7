#include "resources/helpfile.h"

#include "platform/files.h"

#include <cstdlib>
#include <sstream>

namespace {

std::string TrimBlankLines(const std::string& text) {
    size_t begin = text.find_first_not_of("\r\n");
    if (begin == std::string::npos) return "";
    size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// "12 Title" -> 12 and "Title"; nullopt when no number starts the text.
std::optional<std::pair<uint32_t, std::string>> NumberAndRest(const std::string& text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos || text[i] < '0' || text[i] > '9') return std::nullopt;
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str() + i, &end, 10);
    std::string rest = end;
    size_t r = rest.find_first_not_of(" \t");
    rest = r == std::string::npos ? "" : rest.substr(r);
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ')) rest.pop_back();
    return std::make_pair(static_cast<uint32_t>(value), rest);
}

} // namespace

const HelpTopic* HelpFile::Topic(uint32_t context) const {
    auto it = topics.find(context);
    return it == topics.end() ? nullptr : &it->second;
}

std::string HelpFile::PopupText(uint32_t context) const {
    if (auto it = popups.find(context); it != popups.end()) return it->second;
    if (const HelpTopic* topic = Topic(context)) return topic->text;
    return "";
}

uint32_t HelpFile::ContentsContext() const {
    return topics.empty() ? 0 : topics.begin()->first;
}

HelpFile ParseHelpFile(const std::string& text) {
    HelpFile file;
    enum { kNone, kTopic, kPopup } kind = kNone;
    uint32_t context = 0;
    std::string title, body;
    auto flush = [&] {
        if (kind == kTopic) file.topics[context] = HelpTopic{title, TrimBlankLines(body)};
        if (kind == kPopup) file.popups[context] = TrimBlankLines(body);
        kind = kNone;
        body.clear();
    };
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == ';') continue;
        if (line.rfind(".topic", 0) == 0 || line.rfind(".popup", 0) == 0) {
            flush();
            auto parsed = NumberAndRest(line.substr(6));
            if (!parsed) continue; // a directive without its number is dropped with its text
            context = parsed->first;
            title = parsed->second;
            kind = line[1] == 't' ? kTopic : kPopup;
            continue;
        }
        if (kind != kNone) body += line + "\n";
    }
    flush();
    return file;
}

std::optional<HelpFile> LoadHelpFile(const std::string& hostPath) {
    auto file = platform::ReadFile::OpenHost(hostPath);
    if (!file) return std::nullopt;
    std::string bytes(file->Size(), '\0');
    if (!file->ReadExact(0, bytes.data(), bytes.size())) return std::nullopt;
    return ParseHelpFile(bytes);
}

std::string HelpFilePathFor(const std::string& programHostPath) {
    size_t slash = programHostPath.find_last_of('/');
    size_t dot = programHostPath.find_last_of('.');
    // Only a period in the file name itself starts the extension.
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return programHostPath + ".HLP";
    return programHostPath.substr(0, dot) + ".HLP";
}
