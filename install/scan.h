#pragma once
// The Source folder scan: one font per TrueType or Type 1 metrics file of a folder.
#include <string>

// Empties m_sourceList and fills it from the folder's "*.TTF" files, then its "*.PFM" files, each in
// the order the file search gives them. A file that is the same font and file as one already listed
// is left out. The caller refills the Source pane.
void ScanSourceFolder(const std::string& folder);
