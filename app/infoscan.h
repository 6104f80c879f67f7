#pragma once
// typestow-info scan FOLDER: the Source folder scan of a folder of the current image.
#include <string>
#include <vector>

int InfoScanCommand(const std::vector<std::string>& args);
