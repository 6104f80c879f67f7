#pragma once
// Windows-1252 text helpers. Everything above the platform layer holds single-byte ANSI text;
// host names are UTF-8 and are converted only at the file-system boundary.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

char UpperAnsi(char c);
char LowerAnsi(char c);
std::string UpperAnsi(std::string_view s);
std::string LowerAnsi(std::string_view s);
// Case-insensitive comparison as Windows compares file, section, key and registry names.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualNoCase(std::string_view a, std::string_view b);

std::string AnsiToUtf8(std::string_view ansi);
// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

// Blanks and tabs at both ends removed.
std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);
std::vector<std::string> Split(std::string_view s, char sep);

} // namespace platform
