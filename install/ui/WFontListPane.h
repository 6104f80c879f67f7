#pragma once
// The three list panes of the main window: the Source folder's font files, the fonts installed
// permanently and the fonts installed temporarily. One base holds what they share (rows over a font
// list, the View filter, the mouse and key rules, focus, menu state, Copy, Select All, New Group,
// Properties); each pane adds its own commands.
#include "app/ui/WPane.h"
#include "install/PanePort.h"
#include "install/listpanes.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QList>
#include <QListView>
#include <vector>

// Rows that point at fonts of a list; text and icon are computed when the view asks.
class FontRowModel : public QAbstractListModel {
    Q_OBJECT
public:
    FontRowModel(ListPaneKind kind, QObject* parent) : QAbstractListModel(parent), m_kind(kind) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    FontItem* FontAt(int row) const;
    int RowOf(const FontItem* font) const;
    const std::vector<FontItem*>& Rows() const { return m_rows; }
    void SetRows(std::vector<FontItem*> rows);
    void AppendRow(FontItem* font);
    bool RemoveRowOf(const FontItem* font);
    void SetIcons(QList<QIcon> icons) { m_icons = std::move(icons); }

private:
    ListPaneKind m_kind;
    std::vector<FontItem*> m_rows;
    QList<QIcon> m_icons;
};

class WFontListPane : public QListView, public WPane, public PanePort {
    Q_OBJECT
public:
    ~WFontListPane() override;

    ListPaneKind Kind() const { return m_kind; }
    FontRowModel* Rows() const { return m_pModel; }
    int RememberedRow() const { return m_nRememberedRow; }
    bool HasImages() const { return !m_images.isEmpty(); }
    std::vector<int> SelectedRows() const;
    void SelectRow(int row, bool select);
    // The main window goes away before its children: the pane stops reporting to it.
    void DetachHost() { m_pHost = nullptr; }

    // WPane
    QWidget* PaneWidget() override { return this; }
    void InitPane() override;
    void RefillPane() override;
    void EmptyPane() override;
    void OnPaneCommand(unsigned id) override;
    void UpdateMenuState(QMenu* popup) override;
    void FillDragState(DragState& drag) override;

    // PanePort, for the install batches.
    std::vector<FontItem*> SelectedFonts() override;
    void AddRow(FontItem* font) override;
    bool RemoveRow(FontItem* font) override;
    void SortRows() override;
    void Refill() override { RefillPane(); }
    platform::WindowHandle OwnerWindow() override;

protected:
    WFontListPane(ListPaneKind kind, WPaneHost* host, QWidget* parent);
    virtual FontList& List() const = 0;
    // The pane's own commands; the base carries out those every pane answers.
    virtual bool OnOwnCommand(unsigned id) { return false; }
    void Copy();
    WPaneHost* Host() const { return m_pHost; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A press on a row moved far enough: the main window's drag of the selected rows begins.
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Properties();
    void SelectAll();
    void NewGroup();
    int RowAt(const QPoint& pos) const;

    ListPaneKind m_kind;
    WPaneHost* m_pHost;
    FontRowModel* m_pModel;
    QList<QIcon> m_images;
    int m_nRememberedRow = -1;
    // The row a left press may drag from (-1 none), where the press was, and whether the press
    // left a multiple selection in place for the drag.
    int m_nDragRow = -1;
    QPoint m_dragPressPos;
    bool m_bDeferredSelect = false;
};

class WSourceList : public WFontListPane {
    Q_OBJECT
public:
    WSourceList(WPaneHost* host, QWidget* parent) : WFontListPane(ListPaneKind::Source, host, parent) {}
    PaneId Id() const override { return PaneId::Source; }
    // Keeps the selected fonts selected across the refill.
    void RefillPane() override;

protected:
    FontList& List() const override;
    bool OnOwnCommand(unsigned id) override;
};

class WPermList : public WFontListPane {
    Q_OBJECT
public:
    WPermList(WPaneHost* host, QWidget* parent) : WFontListPane(ListPaneKind::Permanent, host, parent) {}
    PaneId Id() const override { return PaneId::Permanent; }

protected:
    FontList& List() const override;
    bool OnOwnCommand(unsigned id) override;
};

class WTempList : public WFontListPane {
    Q_OBJECT
public:
    WTempList(WPaneHost* host, QWidget* parent) : WFontListPane(ListPaneKind::Temporary, host, parent) {}
    PaneId Id() const override { return PaneId::Temporary; }
    // Copy of this pane: each copy names the font's file outside the TempFont folder where known.
    void CopyWithOrigin();

protected:
    FontList& List() const override;
    bool OnOwnCommand(unsigned id) override;
};
