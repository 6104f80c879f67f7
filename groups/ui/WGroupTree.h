#pragma once
// The Groups pane: each group of m_groupList as a top-level node with its fonts below it, sorted by
// label. The tree takes part in the main window's focus, menu state, status line and Enter key.
#include "app/ui/WPane.h"

#include <QIcon>
#include <QList>
#include <QTreeWidget>

class FontGroup;

class WGroupTree : public QTreeWidget, public WPane {
    Q_OBJECT
public:
    WGroupTree(WPaneHost* host, QWidget* parent);

    // WPane
    QWidget* PaneWidget() override { return this; }
    PaneId Id() const override { return PaneId::Groups; }
    void InitPane() override;
    void RefillPane() override { RefillGroupTree(); }
    void EmptyPane() override { clear(); }
    void OnPaneCommand(unsigned id) override;
    void UpdateMenuState(QMenu* popup) override;

    void RefillGroupTree();
    QTreeWidgetItem* InsertGroupNode(FontGroup* group);
    QTreeWidgetItem* InsertFontNode(FontItem* font, QTreeWidgetItem* groupNode);
    // A new group made of the fonts, which it takes over.
    void NewGroupWithFonts(std::unique_ptr<FontList> fonts);
    // Enter while the tree has the focus: a selected group opens or closes.
    void ToggleSelectedGroup();

    static FontGroup* GroupOf(const QTreeWidgetItem* item);
    static FontItem* FontOf(const QTreeWidgetItem* item);
    bool HasImages() const { return !m_images.isEmpty(); }
    // The main window goes away before its children: the tree stops reporting to it.
    void DetachHost() { m_pHost = nullptr; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Properties();
    void UpdateStatusLine(const QTreeWidgetItem* item);

    WPaneHost* m_pHost;
    QList<QIcon> m_images;
    QIcon m_groupIcon;
};
