#pragma once
// The commands of typestow-info, callable from tests. Arguments are as the terminal gave them (UTF-8).
#include <string>
#include <vector>

int RunInfoTool(const std::string& root, const std::vector<std::string>& args);
// typestow-info group FILE.
int RunInfoGroup(const std::vector<std::string>& args);
