#pragma once
// The lines of the Info page for one font, in order, tabs kept: the page shows them in its list and
// the sheet prints them.
#include "fontdata/FontItem.h"

#include <string>
#include <vector>

std::vector<std::string> InfoLines(const FontItem& item);
// "Thin" ... "Black (Heavy)" for the nine standard weights, "Unknown" for any other value.
std::string WeightName(int weight);
