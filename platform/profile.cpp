#include "platform/profile.h"

#include "platform/files.h"
#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cstdint>

namespace platform {

namespace {

std::string StripLine(const std::string& line) {
    std::string s = line;
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    return s;
}

bool ParseSection(const std::string& line, std::string& name) {
    std::string t = Trim(line);
    if (t.empty() || t[0] != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool ParseKey(const std::string& line, std::string& key, std::string& value) {
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '[') return false;
    size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

std::string Unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

ProfileText::ProfileText(const std::string& bytes) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        if (nl == std::string::npos) nl = bytes.size();
        m_lines.push_back(StripLine(bytes.substr(start, nl - start)));
        start = nl + 1;
    }
}

std::optional<std::string> ProfileText::Get(const std::string& section, const std::string& key) const {
    std::string sec = Trim(section), k = Trim(key);
    bool in = false;
    for (const auto& line : m_lines) {
        std::string name, key2, value;
        if (ParseSection(line, name)) {
            in = EqualNoCase(name, sec);
        } else if (in && ParseKey(line, key2, value) && EqualNoCase(key2, k)) {
            return Unquote(value);
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> ProfileText::Entries(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> out;
    std::string sec = Trim(section);
    bool in = false;
    for (const auto& line : m_lines) {
        std::string name, key, value;
        if (ParseSection(line, name)) {
            in = EqualNoCase(name, sec);
        } else if (in && ParseKey(line, key, value)) {
            out.emplace_back(key, Unquote(value));
        }
    }
    return out;
}

std::vector<std::string> ProfileText::Sections() const {
    std::vector<std::string> out;
    for (const auto& line : m_lines) {
        std::string name;
        if (ParseSection(line, name)) out.push_back(name);
    }
    return out;
}

void ProfileText::Set(const std::string& section, const std::optional<std::string>& key,
                      const std::optional<std::string>& value) {
    std::string sec = Trim(section);
    // Locate the first section of that name: its header line and the end of its body.
    size_t header = SIZE_MAX, end = m_lines.size();
    for (size_t i = 0; i < m_lines.size(); ++i) {
        std::string name;
        if (!ParseSection(m_lines[i], name)) continue;
        if (header != SIZE_MAX) {
            end = i;
            break;
        }
        if (EqualNoCase(name, sec)) header = i;
    }
    if (!key) {
        if (header != SIZE_MAX) m_lines.erase(m_lines.begin() + header, m_lines.begin() + end);
        return;
    }
    std::string k = Trim(*key);
    if (header == SIZE_MAX) {
        if (!value) return;
        if (!m_lines.empty() && !Trim(m_lines.back()).empty()) m_lines.emplace_back();
        m_lines.push_back("[" + sec + "]");
        m_lines.push_back(k + "=" + *value);
        return;
    }
    // A new key goes at the end of its section: after its last non-blank line.
    size_t lastLine = header;
    for (size_t i = header + 1; i < end; ++i) {
        if (!Trim(m_lines[i]).empty()) lastLine = i;
        std::string key2, v;
        if (!ParseKey(m_lines[i], key2, v)) continue;
        if (EqualNoCase(key2, k)) {
            if (value)
                m_lines[i] = key2 + "=" + *value; // keeps the case already in the file
            else
                m_lines.erase(m_lines.begin() + i);
            return;
        }
    }
    if (value) m_lines.insert(m_lines.begin() + lastLine + 1, k + "=" + *value);
}

std::string ProfileText::Bytes() const {
    std::string out;
    for (const auto& line : m_lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

namespace profile {

std::string ResolveProfilePath(const std::string& file) {
    if (file.find('\\') == std::string::npos && file.find('/') == std::string::npos &&
        file.find(':') == std::string::npos)
        return CurrentImage().WindowsDir() + "\\" + file;
    return file;
}

unsigned ParseProfileInt(const std::string& text, int def) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i == text.size()) return static_cast<unsigned>(def);
    bool neg = false;
    if (text[i] == '-' || text[i] == '+') neg = text[i++] == '-';
    uint32_t v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        v = v * 10u + static_cast<uint32_t>(text[i++] - '0');
    return neg ? 0u - v : v;
}

namespace {
ProfileText Load(const std::string& file) {
    auto hostPath = HostPath(ResolveProfilePath(file));
    if (!hostPath) return ProfileText();
    auto bytes = host::ReadFile(*hostPath);
    return ProfileText(bytes ? *bytes : std::string());
}
} // namespace

unsigned GetString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& def, std::string& out, unsigned size) {
    auto v = Load(file).Get(section, key);
    std::string value = v ? *v : TrimRight(def);
    if (size == 0) {
        out.clear();
        return 0;
    }
    if (value.size() > size - 1) value.resize(size - 1);
    out = value;
    return static_cast<unsigned>(out.size());
}

std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& def) {
    auto v = Load(file).Get(section, key);
    return v ? *v : TrimRight(def);
}

unsigned GetInt(const std::string& file, const std::string& section, const std::string& key, int def) {
    auto v = Load(file).Get(section, key);
    if (!v || v->empty()) return static_cast<unsigned>(def);
    return ParseProfileInt(*v, def);
}

std::vector<std::pair<std::string, std::string>> Entries(const std::string& file,
                                                         const std::string& section) {
    return Load(file).Entries(section);
}

bool Write(const std::string& file, const std::string& section, const std::optional<std::string>& key,
           const std::optional<std::string>& value) {
    ImageLock lock;
    auto hostPath = HostPath(ResolveProfilePath(file));
    if (!hostPath) return false;
    auto bytes = host::ReadFile(*hostPath);
    if (!bytes) {
        if (!value || !key) return true; // nothing to delete
        std::string parent = hostPath->substr(0, hostPath->rfind('/'));
        if (!host::IsDirectory(parent)) return false;
    }
    ProfileText text(bytes ? *bytes : std::string());
    text.Set(section, key, value);
    std::string out = text.Bytes();
    if (bytes && out == *bytes) return true;
    return host::WriteFileAtomic(*hostPath, out);
}

} // namespace profile
} // namespace platform
