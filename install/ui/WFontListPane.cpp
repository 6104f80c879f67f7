#include "install/ui/WFontListPane.h"

#include "app/WFontMgrApp.h"
#include "app/mainwindow.h"
#include "app/ui/LaterSteps.h"
#include "app/ui/QtUiPort.h"
#include "install/DragState.h"
#include "install/panecommands.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

namespace {
// Row texts are built in a 260-character buffer.
constexpr size_t kRowTextLimit = 259;

// Focus that moves to a menu is not a change of pane.
bool IsMenuFocusReason(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Rows

int FontRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant FontRowModel::data(const QModelIndex& index, int role) const {
    const FontItem* font = FontAt(index.row());
    if (!font || index.column() != 0) return QVariant();
    if (role == Qt::DisplayRole) {
        const bool fileNames = m_kind == ListPaneKind::Source && HasApp() && TheApp().m_bViewFileNames;
        std::string text = PaneRowText(*font, fileNames);
        if (text.size() > kRowTextLimit) text.resize(kRowTextLimit);
        return FromAnsi(text);
    }
    if (role == Qt::DecorationRole) {
        const int image = PaneRowImage(*font);
        if (image < m_icons.size()) return m_icons[image];
    }
    return QVariant();
}

FontItem* FontRowModel::FontAt(int row) const {
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<size_t>(row)] : nullptr;
}

int FontRowModel::RowOf(const FontItem* font) const {
    auto it = std::find(m_rows.begin(), m_rows.end(), font);
    return it == m_rows.end() ? -1 : static_cast<int>(it - m_rows.begin());
}

void FontRowModel::SetRows(std::vector<FontItem*> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void FontRowModel::AppendRow(FontItem* font) {
    const int row = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(font);
    endInsertRows();
}

bool FontRowModel::RemoveRowOf(const FontItem* font) {
    const int row = RowOf(font);
    if (row < 0) return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    return true;
}

// ---------------------------------------------------------------------------------------------
// The common pane

WFontListPane::WFontListPane(ListPaneKind kind, WPaneHost* host, QWidget* parent)
    : QListView(parent), m_kind(kind), m_pHost(host), m_pModel(new FontRowModel(kind, this)) {
    setObjectName(kind == ListPaneKind::Source      ? QStringLiteral("sourcePane")
                  : kind == ListPaneKind::Permanent ? QStringLiteral("permPane")
                                                    : QStringLiteral("tempPane"));
    setModel(m_pModel);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setViewMode(kind == ListPaneKind::Source ? QListView::IconMode : QListView::ListMode);
    m_images = LoadImageList(IDB_PANE_IMAGES, kPaneImageSize, QColor(0, 255, 0));
    if (m_images.isEmpty() && HasApp())
        TheApp().Ui().MessageBox(nullptr, LoadString(IDS_IMAGE_LIST_FAILED), LoadString(IDS_CAPTION_ERROR),
                                 platform::kMbOk | platform::kMbIconError);
}

WFontListPane::~WFontListPane() = default;

void WFontListPane::InitPane() {
    m_pModel->SetIcons(m_images);
    setIconSize(QSize(kPaneImageSize, kPaneImageSize));
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setMovement(QListView::Static);
    RefillPane();
}

void WFontListPane::RefillPane() {
    m_pModel->SetRows(PaneRowsOf(List(), TheApp().m_nViewType));
    clearSelection();
}

void WFontListPane::EmptyPane() {
    m_pModel->SetRows({});
}

std::vector<int> WFontListPane::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void WFontListPane::SelectRow(int row, bool select) {
    const QModelIndex index = m_pModel->index(row);
    if (index.isValid())
        selectionModel()->select(index, select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

std::vector<FontItem*> WFontListPane::SelectedFonts() {
    std::vector<FontItem*> fonts;
    for (int row : SelectedRows())
        if (FontItem* font = m_pModel->FontAt(row)) fonts.push_back(font);
    return fonts;
}

void WFontListPane::AddRow(FontItem* font) {
    if (font && PassesViewFilter(*font, TheApp().m_nViewType)) m_pModel->AppendRow(font);
}

bool WFontListPane::RemoveRow(FontItem* font) {
    return m_pModel->RemoveRowOf(font);
}

void WFontListPane::SortRows() {
    const std::vector<FontItem*> selected = SelectedFonts();
    FontItem* current = m_pModel->FontAt(currentIndex().row());
    std::vector<FontItem*> rows = m_pModel->Rows();
    SortPaneRows(rows);
    m_pModel->SetRows(std::move(rows));
    for (FontItem* font : selected) SelectRow(m_pModel->RowOf(font), true);
    if (current)
        selectionModel()->setCurrentIndex(m_pModel->index(m_pModel->RowOf(current)),
                                          QItemSelectionModel::NoUpdate);
}

platform::WindowHandle WFontListPane::OwnerWindow() {
    return window();
}

int WFontListPane::RowAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

void WFontListPane::OnPaneCommand(unsigned id) {
    if (OnOwnCommand(id)) return;
    switch (id) {
    case PANE_COPY:
        Copy();
        break;
    case PANE_PROPERTIES:
        Properties();
        break;
    case PANE_SELECT_ALL:
        SelectAll();
        break;
    case PANE_NEW_GROUP:
        NewGroup();
        break;
    default:
        break;
    }
}

void WFontListPane::Copy() {
    platform::WaitCursor wait(TheApp().Ui());
    CopyToClipboard(SelectedFonts(), *TheApp().m_clipboard);
}

void WFontListPane::Properties() {
    const int row = currentIndex().isValid() ? currentIndex().row() : m_nRememberedRow;
    FontItem* font = m_pModel->FontAt(row);
    if (!font) return;
    font->m_bInstalled = m_kind == ListPaneKind::Source ? 0 : 1;
    ShowFontProperties(window(), font, LoadString(IDS_FONT_PROPERTIES));
}

void WFontListPane::SelectAll() {
    platform::WaitCursor wait(TheApp().Ui());
    selectAll();
}

void WFontListPane::NewGroup() {
    m_pHost->NewGroupWithFonts(CopiesForNewGroup(SelectedFonts()));
}

void WFontListPane::UpdateMenuState(QMenu* popup) {
    const size_t selected = SelectedRows().size();
    const bool clipboardEmpty = TheApp().m_clipboard->IsEmpty();
    for (QAction* action : popup->actions()) {
        const unsigned id = MenuActionId(action);
        if (id) action->setEnabled(ListPaneItemEnabled(m_kind, id, selected, clipboardEmpty));
    }
}

void WFontListPane::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        RowSelection rows;
        rows.selected.assign(m_pModel->Rows().size(), false);
        for (int r : SelectedRows()) rows.selected[static_cast<size_t>(r)] = true;
        rows.focused = currentIndex().isValid() ? currentIndex().row() : -1;
        const Qt::KeyboardModifiers mods = event->modifiers();
        if (SelectOnRightClick(rows, row, mods & Qt::ShiftModifier, mods & Qt::ControlModifier)) {
            QItemSelection selection;
            for (size_t r = 0; r < rows.selected.size(); ++r)
                if (rows.selected[r])
                    selection.select(m_pModel->index(static_cast<int>(r)),
                                     m_pModel->index(static_cast<int>(r)));
            selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
            selectionModel()->setCurrentIndex(m_pModel->index(rows.focused), QItemSelectionModel::NoUpdate);
            m_nRememberedRow = row;
        }
        if (!hasFocus()) setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_nRememberedRow = row;
        m_nDragRow = row;
        m_dragPressPos = event->position().toPoint();
        // A press on a selected row keeps the whole selection until the release, so that it can be
        // dragged; without a drag the release selects that row alone.
        m_bDeferredSelect = row >= 0 && event->modifiers() == Qt::NoModifier &&
                            selectionModel()->isSelected(m_pModel->index(row));
        if (m_bDeferredSelect) {
            if (!hasFocus()) setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
    }
    QListView::mousePressEvent(event);
}

void WFontListPane::mouseMoveEvent(QMouseEvent* event) {
    // A press on a row drags the selected rows to another pane; it never extends the selection.
    if ((event->buttons() & Qt::LeftButton) && m_nDragRow >= 0) {
        if ((event->position().toPoint() - m_dragPressPos).manhattanLength() >=
            QApplication::startDragDistance()) {
            m_nDragRow = -1;
            m_bDeferredSelect = false;
            if (m_pHost) m_pHost->BeginPaneDrag(this, event->globalPosition().toPoint());
        }
        return;
    }
    QListView::mouseMoveEvent(event);
}

void WFontListPane::FillDragState(DragState& drag) {
    drag.m_nSource = m_kind == ListPaneKind::Source      ? DRAG_FROM_SOURCE
                     : m_kind == ListPaneKind::Permanent ? DRAG_FROM_PERM
                                                         : DRAG_FROM_TEMP;
    drag.m_hSourceWnd = this;
    drag.m_dragList = SelectedFonts();
}

void WFontListPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (m_bDeferredSelect && m_nDragRow >= 0) {
            const QModelIndex index = m_pModel->index(m_nDragRow);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }
        m_bDeferredSelect = false;
        m_nDragRow = -1;
    }
    QListView::mouseReleaseEvent(event);
    if (!m_pHost || event->button() != Qt::LeftButton) return;
    const int row = RowAt(event->position().toPoint());
    const FontItem* font = m_pModel->FontAt(row);
    if (font && SelectedRows().size() == 1)
        m_pHost->SetStatusText(StatusLineText(*font));
    else
        m_pHost->SetStatusText("");
}

void WFontListPane::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && row >= 0) {
        m_nRememberedRow = row;
        OnPaneCommand(PANE_PROPERTIES);
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void WFontListPane::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    std::optional<PaneKey> key;
    if (mods == Qt::NoModifier && event->key() == Qt::Key_Insert) key = PaneKey::Insert;
    if (mods == Qt::NoModifier && event->key() == Qt::Key_Delete) key = PaneKey::Delete;
    if (mods == Qt::ControlModifier) {
        if (event->key() == Qt::Key_C) key = PaneKey::CtrlC;
        if (event->key() == Qt::Key_V) key = PaneKey::CtrlV;
        if (event->key() == Qt::Key_X) key = PaneKey::CtrlX;
    }
    if (key) {
        const std::vector<unsigned> commands = PaneKeyCommands(m_kind, *key);
        for (unsigned command : commands) OnPaneCommand(command);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void WFontListPane::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    if (m_pHost && !IsMenuFocusReason(event->reason())) m_pHost->OnPaneFocus(this, true);
}

void WFontListPane::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    if (!m_pHost || IsMenuFocusReason(event->reason())) return;
    m_pHost->OnPaneFocus(this, false);
    m_pHost->GrayMenuBarItems(ItemsGrayedOnFocusLoss(m_kind));
}

// ---------------------------------------------------------------------------------------------
// The three panes

namespace {
PanePort* PortOf(WPaneHost* host, PaneId id) {
    return dynamic_cast<PanePort*>(host->Pane(id));
}
} // namespace

FontList& WSourceList::List() const {
    return *TheApp().m_sourceList;
}

void WSourceList::RefillPane() {
    const std::vector<FontItem*> keeper = SelectedFonts();
    WFontListPane::RefillPane();
    for (FontItem* font : keeper) SelectRow(Rows()->RowOf(font), true);
}

bool WSourceList::OnOwnCommand(unsigned id) {
    WFontMgrApp& app = TheApp();
    switch (id) {
    case PANE_DELETE:
        DeleteSourceFiles(*this);
        return true;
    case PANE_INSTALL:
        Copy();
        Host()->SendPaneCommand(PaneId::Permanent, PANE_PASTE);
        return true;
    case PANE_INSTALL_TEMP:
        Copy();
        Host()->SendPaneCommand(PaneId::Temporary, PANE_PASTE);
        return true;
    case PANE_BROWSE:
        Host()->PressBrowse();
        return true;
    case ID_VIEW_FILENAMES:
    case ID_VIEW_FONTNAMES:
        app.m_bViewFileNames = id == ID_VIEW_FILENAMES ? 1 : 0;
        Host()->UpdateViewMenuChecks();
        RefillPane();
        return true;
    case PANE_CUT:
    case PANE_PASTE:
        return true; // the Source pane has neither
    default:
        return false;
    }
}

FontList& WPermList::List() const {
    return *TheApp().m_permList;
}

bool WPermList::OnOwnCommand(unsigned id) {
    switch (id) {
    case PANE_CUT:
        RunCutBatch(*this);
        return true;
    case PANE_PASTE:
        if (PanePort* temp = PortOf(Host(), PaneId::Temporary))
            RunPasteBatch(ListPaneKind::Permanent, *this, *temp);
        return true;
    case PANE_DELETE:
        RunDeleteBatch(ListPaneKind::Permanent, *this);
        return true;
    default:
        return false;
    }
}

FontList& WTempList::List() const {
    return *TheApp().m_tempList;
}

void WTempList::CopyWithOrigin() {
    platform::WaitCursor wait(TheApp().Ui());
    CopyWithOriginToClipboard(SelectedFonts(), *TheApp().m_clipboard);
}

bool WTempList::OnOwnCommand(unsigned id) {
    switch (id) {
    case PANE_COPY:
        CopyWithOrigin();
        return true;
    case PANE_CUT: {
        platform::WaitCursor wait(TheApp().Ui());
        CopyWithOrigin();
        OnPaneCommand(PANE_DELETE);
        return true;
    }
    case PANE_PASTE:
        if (PanePort* perm = PortOf(Host(), PaneId::Permanent))
            RunPasteBatch(ListPaneKind::Temporary, *perm, *this);
        return true;
    case PANE_DELETE:
        RunDeleteBatch(ListPaneKind::Temporary, *this);
        return true;
    case PANE_INSTALL:
        OnPaneCommand(PANE_CUT);
        Host()->SendPaneCommand(PaneId::Permanent, PANE_PASTE);
        return true;
    default:
        return false;
    }
}
