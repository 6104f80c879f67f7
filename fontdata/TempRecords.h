#pragma once
// "FGP_Temp.tmp": 256-byte records without header, a font's full name in the first 128 bytes and its
// original file path in the second, each NUL-padded. These functions only shape bytes; the catalog
// reads and replaces the file.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kTempRecordField = 128;
constexpr size_t kTempRecordSize = 2 * kTempRecordField;

struct TempInstallRecord {
    std::string name; // up to the field's first NUL
    std::string path;
    std::string_view bytes; // the whole 256-byte record, as read
};

// The whole records of the file, in order; a trailing partial record is left out.
std::vector<TempInstallRecord> ParseTempInstallRecords(std::string_view file);
// A record of the two texts, each cut to 128 bytes and zero-filled.
std::string MakeTempInstallRecord(const std::string& name, const std::string& path);
// A text as a 128-byte field holds it: cut to 128 bytes and ending at its first NUL.
std::string AsRecordField(const std::string& text);
// Without trailing white space.
std::string TrimTrailingSpace(const std::string& text);
