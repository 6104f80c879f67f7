#pragma once
// typestow-info commands on fonts: "font PATH" and "installed".
#include <string>
#include <vector>

// A .ttf or .pfm file, given as a host path or as a Windows path of the image under `root`: prints
// the Info lines of the font, one per output line.
int InfoFontCommand(const std::string& root, const std::vector<std::string>& args);
// The installed fonts of the image after a refresh: "P" or "T", "TTF" or "ATM", the full name and the
// file path, tab-separated; the permanent list first, each list in display order.
int InfoInstalledCommand(const std::vector<std::string>& args);
