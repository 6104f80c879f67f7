#pragma once
// What the main window asks of each of its four panes, and what the panes ask of the main window.
#include "fontdata/FontItem.h"

#include <memory>
#include <string>

class QMenu;
class QPoint;
class QWidget;
struct DragState;

enum class PaneId { Source, Permanent, Temporary, Groups };

class WPane {
public:
    virtual ~WPane() = default;
    virtual QWidget* PaneWidget() = 0;
    virtual PaneId Id() const = 0;
    // Once, when the main window opens: images, list mode, the first fill.
    virtual void InitPane() = 0;
    // Rebuilds the rows from the pane's list.
    virtual void RefillPane() = 0;
    // Removes every row, before the fonts they point at go away.
    virtual void EmptyPane() = 0;
    // An internal pane command, carried out before it returns; commands the pane does not know are ignored.
    virtual void OnPaneCommand(unsigned id) = 0;
    // Enables and grays every item of a popup by the pane's rules.
    virtual void UpdateMenuState(QMenu* popup) = 0;
    // A drag starts on the pane: its source kind, window and dragged fonts (and group) go into the
    // freshly reset drag state. A pane that starts no drags leaves it empty.
    virtual void FillDragState(DragState& drag) {}
};

class WPaneHost {
public:
    virtual ~WPaneHost() = default;
    // A pane gained or lost the keyboard focus: the focused pane and the caption's focus frame follow.
    virtual void OnPaneFocus(WPane* pane, bool gained) = 0;
    // Grays items of the menu bar by command id.
    virtual void GrayMenuBarItems(const std::vector<unsigned>& ids) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual WPane* Pane(PaneId id) = 0;
    virtual void SendPaneCommand(PaneId target, unsigned command) = 0;
    // The Browse button, pressed.
    virtual void PressBrowse() = 0;
    virtual void UpdateViewMenuChecks() = 0;
    // Gives the Groups pane the focus and a new group made of the fonts.
    virtual void NewGroupWithFonts(std::unique_ptr<FontList> fonts) = 0;
    virtual QWidget* OwnerWindow() = 0;
    // The pane's fonts are dragged from a global point: the window holds the mouse until the drop.
    virtual void BeginPaneDrag(WPane* source, QPoint globalPos) = 0;
};
