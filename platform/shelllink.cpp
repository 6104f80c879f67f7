#include "platform/shelllink.h"

#include "platform/files.h"
#include "platform/paths.h"

#include <cstring>

namespace platform {

namespace {

constexpr uint32_t kHeaderSize = 0x4C;
constexpr uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
enum : uint32_t {
    kHasIdList = 0x01,
    kHasLinkInfo = 0x02,
    kHasName = 0x04,
    kHasRelativePath = 0x08,
    kHasWorkingDir = 0x10,
    kHasArguments = 0x20,
    kHasIconLocation = 0x40,
    kIsUnicode = 0x80,
};

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

class Reader {
public:
    explicit Reader(const std::string& b) : m_b(b) {}
    bool Has(size_t pos, size_t n) const { return pos <= m_b.size() && n <= m_b.size() - pos; }
    uint32_t U16(size_t pos) const {
        return static_cast<uint8_t>(m_b[pos]) |
               (static_cast<uint32_t>(static_cast<uint8_t>(m_b[pos + 1])) << 8);
    }
    uint32_t U32(size_t pos) const { return U16(pos) | (U16(pos + 2) << 16); }
    const std::string& Bytes() const { return m_b; }

private:
    const std::string& m_b;
};

void PutString(std::string& out, const std::string& s) {
    std::string t = s.substr(0, 0xFFFF);
    Put16(out, static_cast<uint32_t>(t.size()));
    out += t;
}

} // namespace

std::string EncodeShellLink(const ShellLink& link) {
    uint32_t flags = kHasLinkInfo | kHasName | kHasWorkingDir | kHasArguments;
    std::string out;
    Put32(out, kHeaderSize);
    out.append(reinterpret_cast<const char*>(kLinkClsid), sizeof kLinkClsid);
    Put32(out, flags);
    Put32(out, 0x20);     // archive: the target is a file
    out.append(24, '\0'); // creation, access and write times unset
    Put32(out, link.targetSize);
    Put32(out, 0); // icon index
    Put32(out, 1); // show normal
    Put16(out, 0); // no hot key
    out.append(10, '\0');

    // Link info: volume id and local base path.
    const uint32_t volumeSize = 0x11;
    const uint32_t localOffset = 0x1C + volumeSize;
    const uint32_t suffixOffset = localOffset + static_cast<uint32_t>(link.target.size()) + 1;
    const uint32_t total = suffixOffset + 1;
    Put32(out, total);
    Put32(out, 0x1C);
    Put32(out, 1);
    Put32(out, 0x1C);
    Put32(out, localOffset);
    Put32(out, 0);
    Put32(out, suffixOffset);
    Put32(out, volumeSize);
    Put32(out, link.driveType);
    Put32(out, 0); // serial number
    Put32(out, 0x10);
    out += '\0'; // empty label
    out += link.target;
    out += '\0';
    out += '\0'; // empty common path suffix

    PutString(out, link.description);
    PutString(out, link.workingFolder);
    PutString(out, link.arguments);
    Put32(out, 0);
    return out;
}

std::optional<ShellLink> DecodeShellLink(const std::string& bytes) {
    Reader r(bytes);
    if (!r.Has(0, kHeaderSize) || r.U32(0) != kHeaderSize ||
        std::memcmp(bytes.data() + 4, kLinkClsid, 16) != 0)
        return std::nullopt;
    ShellLink link;
    const uint32_t flags = r.U32(0x14);
    link.targetSize = r.U32(0x34);
    size_t pos = kHeaderSize;
    if (flags & kHasIdList) {
        if (!r.Has(pos, 2)) return std::nullopt;
        pos += 2 + r.U16(pos);
    }
    if (flags & kHasLinkInfo) {
        if (!r.Has(pos, 0x1C)) return std::nullopt;
        const uint32_t size = r.U32(pos);
        if (size < 0x1C || !r.Has(pos, size)) return std::nullopt;
        if (r.U32(pos + 8) & 1) {
            const uint32_t volume = r.U32(pos + 12), local = r.U32(pos + 16);
            if (volume + 8 <= size) link.driveType = r.U32(pos + volume + 4);
            if (local >= size) return std::nullopt;
            const char* start = bytes.data() + pos + local;
            link.target.assign(start, strnlen(start, size - local));
        }
        pos += size;
    }
    std::string* fields[] = {&link.description, nullptr, &link.workingFolder, &link.arguments, nullptr};
    const uint32_t bits[] = {kHasName, kHasRelativePath, kHasWorkingDir, kHasArguments, kHasIconLocation};
    const size_t unit = (flags & kIsUnicode) ? 2 : 1;
    for (int i = 0; i < 5; ++i) {
        if (!(flags & bits[i])) continue;
        if (!r.Has(pos, 2)) return std::nullopt;
        const size_t count = r.U16(pos);
        pos += 2;
        if (!r.Has(pos, count * unit)) return std::nullopt;
        if (fields[i]) {
            std::string s;
            for (size_t k = 0; k < count; ++k) s += bytes[pos + k * unit]; // wide text: keep the low byte
            *fields[i] = s;
        }
        pos += count * unit;
    }
    return link;
}

bool WriteShellLink(const std::string& path, const ShellLink& link) {
    return WriteWholeFile(path, EncodeShellLink(link));
}

std::optional<ShellLink> ReadShellLink(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return DecodeShellLink(*bytes);
}

std::string ShellCommandLine(const std::string& target, const std::string& arguments) {
    std::string line = "\"" + target + "\"";
    if (!arguments.empty()) line += " " + arguments;
    return line;
}

} // namespace platform
