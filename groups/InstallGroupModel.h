#pragma once
// The Install Font Group dialog without its window: the rows of the font list with their texts and
// state images, their order, and what each button answers.
#include "groups/FontGroup.h"
#include "platform/ui.h"

#include <string>
#include <vector>

// State images of the list (bitmap 160).
enum InstallGroupState : int {
    kStateNotInstalled = 2,
    kStateTemporary = 3,
    kStatePermanent = 4,
};

struct InstallGroupRow {
    size_t index = 0; // the font's position in the group's list
    const FontItem* font = nullptr;
    std::string text;
    int state = kStateNotInstalled;
};

// The full name with " [TTF]", " [ATM]" or " [Unknown]" after it.
std::string InstallGroupRowText(const FontItem& font);
// 3 when m_tempList holds a font of the same full name, else 4 when m_permList does, else 2.
int InstallGroupRowState(const FontItem& font);
// One row per font of the group, ordered by full name with the locale-aware comparison.
std::vector<InstallGroupRow> InstallGroupRows(const FontGroup& group);

// How the dialog ends: its buttons and the window's Close.
enum class InstallGroupButton { Launch, AddTemp, AddPerm, Cancel };
// The answer for a button, with the rows selected (`selected[i]` for rows[i]) at that moment.
platform::InstallGroupChoice InstallGroupAnswer(InstallGroupButton button,
                                                const std::vector<InstallGroupRow>& rows,
                                                const std::vector<bool>& selected);
