#include "fontdata/TempRecords.h"

#include <cstring>

namespace {

std::string FieldAt(std::string_view record, size_t at) {
    std::string_view field = record.substr(at, kTempRecordField);
    return std::string(field.substr(0, field.find('\0')));
}

} // namespace

std::vector<TempInstallRecord> ParseTempInstallRecords(std::string_view file) {
    std::vector<TempInstallRecord> records;
    for (size_t at = 0; at + kTempRecordSize <= file.size(); at += kTempRecordSize) {
        std::string_view record = file.substr(at, kTempRecordSize);
        records.push_back({FieldAt(record, 0), FieldAt(record, kTempRecordField), record});
    }
    return records;
}

std::string AsRecordField(const std::string& text) {
    std::string field = text.substr(0, std::min(text.size(), kTempRecordField));
    return field.substr(0, field.find('\0'));
}

std::string MakeTempInstallRecord(const std::string& name, const std::string& path) {
    std::string record(kTempRecordSize, '\0');
    std::string n = AsRecordField(name), p = AsRecordField(path);
    std::memcpy(record.data(), n.data(), n.size());
    std::memcpy(record.data() + kTempRecordField, p.data(), p.size());
    return record;
}

std::string TrimTrailingSpace(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && std::strchr(" \t\r\n\v\f", text[end - 1]) && text[end - 1] != '\0') --end;
    return text.substr(0, end);
}
