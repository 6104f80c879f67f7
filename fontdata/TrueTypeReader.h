#pragma once
// The TrueType reader: names, glyph statistics, embedding, PANOSE, a few text metrics, the kerning
// pair count and the presence of the known tables, read by seeking through the file.
#include "fontdata/ByteSource.h"
#include "fontdata/FontItem.h"

// Fills the item from the bytes of a TrueType file and sets m_bInfoRead. Any bytes are accepted:
// what a damaged or foreign file lacks leaves the matching fields as they were.
void ReadTrueTypeInfo(FontItem& item, const ByteSource& file);
