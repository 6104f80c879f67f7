#pragma once
// Bytes read at an offset: an open font file, or memory for tests and fuzzing. The font readers take
// only what they need through this, so a damaged offset costs a short read, never a crash.
#include "platform/files.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Up to n bytes at the offset; the count read, short or 0 past the end.
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t n) const = 0;
    bool ReadExact(uint64_t offset, void* buffer, size_t n) const { return ReadAt(offset, buffer, n) == n; }
};

class FileSource : public ByteSource {
public:
    explicit FileSource(const platform::ReadFile& file) : m_file(file) {}
    uint64_t Size() const override { return m_file.Size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t n) const override {
        return m_file.ReadAt(offset, buffer, n);
    }

private:
    const platform::ReadFile& m_file;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
    uint64_t Size() const override { return m_bytes.size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t n) const override {
        if (offset >= m_bytes.size()) return 0;
        size_t count = static_cast<size_t>(std::min<uint64_t>(n, m_bytes.size() - offset));
        std::memcpy(buffer, m_bytes.data() + offset, count);
        return count;
    }

private:
    std::string_view m_bytes;
};
