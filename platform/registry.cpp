#include "platform/registry.h"

#include "platform/hostfs.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/text.h"

#include <cstdio>

namespace platform {

namespace {

const std::string kHklm = "HKEY_LOCAL_MACHINE";

std::string NormalizeKey(const std::string& key) {
    std::string k = key;
    if (k.size() >= kHklm.size() && EqualNoCase(k.substr(0, kHklm.size()), kHklm)) {
        k = k.substr(kHklm.size());
        if (!k.empty() && k[0] == '\\') k = k.substr(1);
    }
    while (!k.empty() && k.back() == '\\') k.pop_back();
    while (!k.empty() && k.front() == '\\') k.erase(0, 1);
    return k;
}

// Reads a quoted string starting at s[i] == '"'; i ends past the closing quote.
bool ReadQuoted(const std::string& s, size_t& i, std::string& out) {
    if (i >= s.size() || s[i] != '"') return false;
    ++i;
    out.clear();
    while (i < s.size()) {
        char c = s[i++];
        if (c == '\\' && i < s.size()) {
            out += s[i++];
        } else if (c == '"') {
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseValueLine(const std::string& line, RegValue& v) {
    size_t i = 0;
    if (line.empty()) return false;
    if (line[0] == '@') {
        v.name.clear();
        i = 1;
    } else if (!ReadQuoted(line, i, v.name)) {
        return false;
    }
    if (i >= line.size() || line[i] != '=') return false;
    ++i;
    std::string rest = line.substr(i);
    if (!rest.empty() && rest[0] == '"') {
        size_t j = 0;
        if (!ReadQuoted(rest, j, v.data) || j != rest.size()) return false;
        v.type = kRegSz;
        return true;
    }
    if (rest.rfind("dword:", 0) == 0) {
        std::string hex = rest.substr(6);
        if (hex.size() != 8) return false;
        uint32_t d = 0;
        for (char c : hex) {
            int h = HexDigit(c);
            if (h < 0) return false;
            d = d * 16 + static_cast<uint32_t>(h);
        }
        v.type = kRegDword;
        v.dword = d;
        return true;
    }
    if (rest.rfind("hex:", 0) == 0) {
        std::string bytes;
        std::string hex = rest.substr(4);
        size_t p = 0;
        while (p < hex.size()) {
            if (hex[p] == ',' || hex[p] == ' ' || hex[p] == '\\') {
                ++p;
                continue;
            }
            if (p + 1 >= hex.size()) return false;
            int a = HexDigit(hex[p]), b = HexDigit(hex[p + 1]);
            if (a < 0 || b < 0) return false;
            bytes += static_cast<char>(a * 16 + b);
            p += 2;
        }
        v.type = kRegBinary;
        v.data = bytes;
        return true;
    }
    return false;
}

std::string FormatValue(const RegValue& v) {
    std::string line = v.name.empty() ? std::string("@") : Quote(v.name);
    line += '=';
    char buf[32];
    switch (v.type) {
    case kRegDword:
        std::snprintf(buf, sizeof buf, "dword:%08x", v.dword);
        line += buf;
        break;
    case kRegBinary:
        line += "hex:";
        for (size_t i = 0; i < v.data.size(); ++i) {
            std::snprintf(buf, sizeof buf, "%s%02x", i ? "," : "", static_cast<unsigned char>(v.data[i]));
            line += buf;
        }
        break;
    default:
        line += Quote(v.data);
        break;
    }
    return line;
}

bool IsBlank(const std::string& s) {
    return Trim(s).empty();
}

} // namespace

RegistryText::RegistryText(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        if (nl == std::string::npos) nl = bytes.size();
        std::string line = bytes.substr(start, nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = nl + 1;
    }
    Key* current = nullptr;
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string line = lines[n];
        // A hex value may continue over lines ending in a backslash.
        while (line.size() > 1 && line.back() == '\\' && line.find("=hex") != std::string::npos &&
               n + 1 < lines.size())
            line += "\n" + lines[++n];
        if (n == 0 && line == "REGEDIT4") continue;
        if (!line.empty() && line[0] == '[' && line.back() == ']' && (line.size() < 2 || line[1] != '-')) {
            std::string name = line.substr(1, line.size() - 2);
            Key key;
            key.header = line;
            bool local = name.size() >= kHklm.size() && EqualNoCase(name.substr(0, kHklm.size()), kHklm) &&
                         (name.size() == kHklm.size() || name[kHklm.size()] == '\\');
            key.local = local;
            if (local) key.path = NormalizeKey(name);
            m_keys.push_back(std::move(key));
            current = &m_keys.back();
            continue;
        }
        if (IsBlank(line)) continue;
        Entry e;
        std::string flat = line;
        for (size_t p; (p = flat.find('\n')) != std::string::npos;) flat.erase(p, 1);
        if (current && current->local && ParseValueLine(flat, e.value)) {
            e.parsed = true;
        } else {
            e.raw = line;
        }
        if (current)
            current->entries.push_back(std::move(e));
        else
            m_preamble.push_back(line);
    }
}

std::string RegistryText::Bytes() const {
    std::string out = "REGEDIT4\r\n\r\n";
    auto add = [&out](const std::string& line) {
        for (char c : line) {
            if (c == '\n') out += '\r';
            out += c;
        }
        out += "\r\n";
    };
    for (const auto& line : m_preamble) add(line);
    if (!m_preamble.empty()) out += "\r\n";
    for (const auto& key : m_keys) {
        add(key.local ? "[" + kHklm + (key.path.empty() ? "" : "\\" + key.path) + "]" : key.header);
        for (const auto& e : key.entries) add(e.parsed ? FormatValue(e.value) : e.raw);
        out += "\r\n";
    }
    return out;
}

RegistryText::Key* RegistryText::FindKey(const std::string& key) {
    std::string k = NormalizeKey(key);
    for (auto& entry : m_keys)
        if (entry.local && EqualNoCase(entry.path, k)) return &entry;
    return nullptr;
}

const RegistryText::Key* RegistryText::FindKey(const std::string& key) const {
    return const_cast<RegistryText*>(this)->FindKey(key);
}

bool RegistryText::KeyExists(const std::string& key) const {
    if (FindKey(key)) return true;
    // A key exists also when only its subkeys were written.
    return !Subkeys(key).empty();
}

const RegValue* RegistryText::Find(const std::string& key, const std::string& name) const {
    const Key* k = FindKey(key);
    if (!k) return nullptr;
    for (const auto& e : k->entries)
        if (e.parsed && EqualNoCase(e.value.name, name)) return &e.value;
    return nullptr;
}

std::vector<RegValue> RegistryText::Values(const std::string& key) const {
    std::vector<RegValue> out;
    if (const Key* k = FindKey(key))
        for (const auto& e : k->entries)
            if (e.parsed) out.push_back(e.value);
    return out;
}

std::vector<std::string> RegistryText::Subkeys(const std::string& key) const {
    std::string k = NormalizeKey(key);
    std::vector<std::string> out;
    for (const auto& entry : m_keys) {
        if (!entry.local || entry.path.size() <= k.size()) continue;
        if (!k.empty() && (!EqualNoCase(entry.path.substr(0, k.size()), k) || entry.path[k.size()] != '\\'))
            continue;
        std::string rest = entry.path.substr(k.empty() ? 0 : k.size() + 1);
        std::string child = rest.substr(0, rest.find('\\'));
        bool seen = false;
        for (const auto& c : out) seen = seen || EqualNoCase(c, child);
        if (!seen && !child.empty()) out.push_back(child);
    }
    return out;
}

void RegistryText::CreateKey(const std::string& key) {
    if (FindKey(key)) return;
    Key k;
    k.path = NormalizeKey(key);
    m_keys.push_back(std::move(k));
}

void RegistryText::Set(const std::string& key, const RegValue& value) {
    CreateKey(key);
    Key* k = FindKey(key);
    for (auto& e : k->entries) {
        if (e.parsed && EqualNoCase(e.value.name, value.name)) {
            std::string keepName = e.value.name;
            e.value = value;
            e.value.name = keepName;
            return;
        }
    }
    Entry e;
    e.parsed = true;
    e.value = value;
    k->entries.push_back(std::move(e));
}

bool RegistryText::DeleteValue(const std::string& key, const std::string& name) {
    Key* k = FindKey(key);
    if (!k) return false;
    for (size_t i = 0; i < k->entries.size(); ++i) {
        if (k->entries[i].parsed && EqualNoCase(k->entries[i].value.name, name)) {
            k->entries.erase(k->entries.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

bool RegistryText::DeleteKey(const std::string& key) {
    std::string k = NormalizeKey(key);
    bool any = false;
    for (size_t i = m_keys.size(); i-- > 0;) {
        const auto& e = m_keys[i];
        if (!e.local) continue;
        bool match = EqualNoCase(e.path, k) ||
                     (e.path.size() > k.size() && EqualNoCase(e.path.substr(0, k.size()), k) &&
                      e.path[k.size()] == '\\');
        if (match) {
            m_keys.erase(m_keys.begin() + static_cast<long>(i));
            any = true;
        }
    }
    return any;
}

namespace reg {

namespace {

RegistryText Load() {
    auto bytes = host::ReadFile(CurrentImage().RegistryPath());
    return RegistryText(bytes ? *bytes : std::string());
}

template <typename F> long Modify(F&& change) {
    if (!CurrentImage().IsValid()) return kRegAccessDenied;
    ImageLock lock;
    RegistryText text = Load();
    long rc = change(text);
    if (rc != kRegOk) return rc;
    return host::WriteFileAtomic(CurrentImage().RegistryPath(), text.Bytes()) ? kRegOk : kRegAccessDenied;
}

} // namespace

bool KeyExists(const std::string& key) {
    return Load().KeyExists(key);
}

long QueryValue(const std::string& key, const std::string& name, RegValue& out, size_t bufferSize,
                size_t* needed) {
    RegistryText text = Load();
    const RegValue* v = text.Find(key, name);
    if (!v) return kRegNotFound;
    size_t size = v->type == kRegDword ? 4 : v->type == kRegSz ? v->data.size() + 1 : v->data.size();
    if (needed) *needed = size;
    if (size > bufferSize) return kRegMoreData;
    out = *v;
    return kRegOk;
}

long QueryString(const std::string& key, const std::string& name, std::string& out, size_t bufferSize,
                 size_t* needed) {
    RegValue v;
    long rc = QueryValue(key, name, v, bufferSize, needed);
    if (rc != kRegOk) return rc;
    if (v.type == kRegDword)
        out = std::to_string(v.dword);
    else
        out = v.data;
    return kRegOk;
}

long SetString(const std::string& key, const std::string& name, const std::string& data) {
    return Modify([&](RegistryText& t) {
        t.Set(key, RegValue{name, kRegSz, data, 0});
        return kRegOk;
    });
}

long SetDword(const std::string& key, const std::string& name, uint32_t data) {
    return Modify([&](RegistryText& t) {
        t.Set(key, RegValue{name, kRegDword, {}, data});
        return kRegOk;
    });
}

long DeleteValue(const std::string& key, const std::string& name) {
    return Modify(
        [&](RegistryText& t) { return t.DeleteValue(key, name) ? long(kRegOk) : long(kRegNotFound); });
}

long DeleteKey(const std::string& key) {
    return Modify([&](RegistryText& t) { return t.DeleteKey(key) ? long(kRegOk) : long(kRegNotFound); });
}

long CreateKey(const std::string& key) {
    return Modify([&](RegistryText& t) {
        t.CreateKey(key);
        return kRegOk;
    });
}

std::vector<RegValue> EnumValues(const std::string& key) {
    return Load().Values(key);
}
std::vector<std::string> EnumSubkeys(const std::string& key) {
    return Load().Subkeys(key);
}

} // namespace reg
} // namespace platform
