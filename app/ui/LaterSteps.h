#pragma once
// Windows of the program that open from the main window but are built elsewhere: the Font
// Properties sheet, the printed lists and the About box. Each is reached through one function here.
#include <string>

class FontItem;
class QWidget;

// The Font Properties sheet on one font, with the caption the pane passes ("Font Properties").
void ShowFontProperties(QWidget* owner, FontItem* font, const std::string& caption);
// The File menu's Print items (32777, 32778, 32779, 32811, 32810).
void PrintFromMenu(QWidget* owner, unsigned commandId);
// The About box.
void ShowAboutBox(QWidget* owner);
