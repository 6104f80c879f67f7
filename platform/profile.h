#pragma once
// Private-profile (.INI) files with the semantics of the Windows calls: case-insensitive sections
// and keys, trimmed values, writes that create file and section, comments and malformed lines kept.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The text model, usable on any bytes (the image's own system.ini is read with it too).
class ProfileText {
public:
    explicit ProfileText(const std::string& bytes = {});
    // The value of the first occurrence of the key, or nullopt.
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    // key=value pairs of a section in file order (first occurrence of a duplicate wins on Get).
    std::vector<std::pair<std::string, std::string>> Entries(const std::string& section) const;
    std::vector<std::string> Sections() const;
    // nullopt value deletes the key; nullopt key deletes the whole section.
    void Set(const std::string& section, const std::optional<std::string>& key,
             const std::optional<std::string>& value);
    std::string Bytes() const;

private:
    std::vector<std::string> m_lines;
};

namespace profile {

// Reads into a buffer of `size` bytes: at most size-1 characters come back; the return value is
// the count copied. A missing file, section or key yields the default without trailing blanks.
unsigned GetString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& def, std::string& out, unsigned size = 260);
std::string GetString(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& def = {});
unsigned GetInt(const std::string& file, const std::string& section, const std::string& key, int def);
// Writes (or with no value deletes) a key; with no key deletes the section. Fails when the file
// cannot be written (its folder missing, read-only).
bool Write(const std::string& file, const std::string& section, const std::optional<std::string>& key,
           const std::optional<std::string>& value);
std::vector<std::pair<std::string, std::string>> Entries(const std::string& file, const std::string& section);
// "ATM.INI" without a folder lives in the Windows folder.
std::string ResolveProfilePath(const std::string& file);

// Integer parsing of profile values: blanks, sign, digits up to the first non-digit, mod 2^32.
unsigned ParseProfileInt(const std::string& text, int def);

} // namespace profile
} // namespace platform
