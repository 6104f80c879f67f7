#pragma once
// HKEY_LOCAL_MACHINE of the image, kept as REGEDIT4 text. Key and value names compare without regard
// to case. Lines that do not parse are kept as they stand and written back unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Win32 error codes the callers test.
enum RegStatus : long { kRegOk = 0, kRegNotFound = 2, kRegAccessDenied = 5, kRegMoreData = 234 };
enum RegType : uint32_t { kRegSz = 1, kRegBinary = 3, kRegDword = 4 };

struct RegValue {
    std::string name; // empty for the default value
    RegType type = kRegSz;
    std::string data; // string bytes or binary bytes
    uint32_t dword = 0;
};

class RegistryText {
public:
    explicit RegistryText(const std::string& bytes = {});
    std::string Bytes() const;

    bool KeyExists(const std::string& key) const;
    const RegValue* Find(const std::string& key, const std::string& name) const;
    std::vector<RegValue> Values(const std::string& key) const;
    std::vector<std::string> Subkeys(const std::string& key) const;
    void CreateKey(const std::string& key);
    void Set(const std::string& key, const RegValue& value);
    bool DeleteValue(const std::string& key, const std::string& name);
    bool DeleteKey(const std::string& key);

private:
    struct Entry {
        bool parsed = false;
        std::string raw; // the line(s) as read, when not parsed
        RegValue value;
    };
    struct Key {
        std::string header; // raw header line for keys outside HKEY_LOCAL_MACHINE
        std::string path;   // below HKEY_LOCAL_MACHINE, empty for foreign keys
        bool local = true;
        std::vector<Entry> entries;
    };
    Key* FindKey(const std::string& key);
    const Key* FindKey(const std::string& key) const;
    std::vector<std::string> m_preamble;
    std::vector<Key> m_keys;
};

namespace reg {

// Key paths are given below HKEY_LOCAL_MACHINE ("SOFTWARE\\Kelvra"); a leading
// "HKEY_LOCAL_MACHINE\\" is accepted and dropped.
bool KeyExists(const std::string& key);
// Queries into a buffer of `bufferSize` bytes. A string's size counts its NUL; data that does not
// fit gives kRegMoreData with *needed set.
long QueryValue(const std::string& key, const std::string& name, RegValue& out, size_t bufferSize = SIZE_MAX,
                size_t* needed = nullptr);
long QueryString(const std::string& key, const std::string& name, std::string& out,
                 size_t bufferSize = SIZE_MAX, size_t* needed = nullptr);
long SetString(const std::string& key, const std::string& name, const std::string& data);
long SetDword(const std::string& key, const std::string& name, uint32_t data);
long DeleteValue(const std::string& key, const std::string& name);
long DeleteKey(const std::string& key);
long CreateKey(const std::string& key);
std::vector<RegValue> EnumValues(const std::string& key);
std::vector<std::string> EnumSubkeys(const std::string& key);

} // namespace reg
} // namespace platform
