#include "resources/ui/QtResources.h"

#include "app/ui/QtUiPort.h"
#include "resources/dialogs.h"
#include "resources/menus.h"
#include "resources/pictures.h"
#include "resources/resource.h"

#include <QAction>
#include <QBitmap>
#include <QMenu>
#include <QMenuBar>
#include <vector>

QPixmap LoadPicture(unsigned id) {
    const auto& lines = PictureXpm(id);
    if (lines.empty()) return QPixmap();
    std::vector<const char*> xpm;
    xpm.reserve(lines.size());
    for (const auto& line : lines) xpm.push_back(line.c_str());
    return QPixmap(xpm.data());
}

QList<QIcon> LoadImageList(unsigned bitmapId, int width, QColor transparent) {
    QList<QIcon> images;
    QPixmap strip = LoadPicture(bitmapId);
    if (strip.isNull() || width <= 0) return images;
    strip.setMask(strip.createMaskFromColor(transparent, Qt::MaskInColor));
    for (int x = 0; x + width <= strip.width(); x += width)
        images.append(QIcon(strip.copy(x, 0, width, strip.height())));
    return images;
}

void AppendMenuItems(QMenu* menu, const MenuItem& popup) {
    for (const auto& item : popup.items) {
        if (item.flags & kMenuSeparator) {
            menu->addSeparator();
        } else if (item.flags & kMenuPopup) {
            QMenu* sub = menu->addMenu(FromAnsi(item.text));
            AppendMenuItems(sub, item);
        } else {
            QAction* action = menu->addAction(FromAnsi(item.text));
            action->setData(item.id);
            action->setEnabled(!(item.flags & kMenuGrayed));
            if (item.flags & kMenuChecked) CheckMenuItem(action, true);
        }
    }
}

void BuildMenuBar(QMenuBar* bar, unsigned menuId) {
    const MenuResource* res = FindMenu(menuId);
    if (!res) return;
    for (const auto& popup : res->items) {
        QMenu* menu = bar->addMenu(FromAnsi(popup.text));
        AppendMenuItems(menu, popup);
    }
}

QMenu* LoadPopupMenu(unsigned menuId, int index, QWidget* parent) {
    const MenuResource* res = FindMenu(menuId);
    if (!res || index < 0 || index >= static_cast<int>(res->items.size())) return nullptr;
    const MenuItem& popup = res->items[static_cast<size_t>(index)];
    auto* menu = new QMenu(FromAnsi(popup.text), parent);
    AppendMenuItems(menu, popup);
    return menu;
}

unsigned MenuActionId(const QAction* action) {
    if (!action || action->isSeparator() || action->menu()) return 0;
    return action->data().toUInt();
}

namespace {
QAction* FindIn(const QList<QAction*>& actions, unsigned id) {
    for (QAction* a : actions) {
        if (a->menu()) {
            if (QAction* found = FindIn(a->menu()->actions(), id)) return found;
        } else if (MenuActionId(a) == id) {
            return a;
        }
    }
    return nullptr;
}
} // namespace

QAction* FindMenuAction(QWidget* menuOrBar, unsigned id) {
    return menuOrBar ? FindIn(menuOrBar->actions(), id) : nullptr;
}

void EnableMenuItem(QAction* action, bool enable) {
    if (action) action->setEnabled(enable);
}

void CheckMenuItem(QAction* action, bool check) {
    if (!action) return;
    if (check && !action->isCheckable()) action->setCheckable(true);
    if (action->isCheckable()) action->setChecked(check);
}

QFont FamilyDialogFont() {
    const DialogTemplate* t = FindDialogTemplate(IDD_EMPTY_FONT);
    QFont font;
    if (!t) return font; // the system's own variable-pitch font
    font.setFamily(FromAnsi(t->fontFace));
    font.setPointSize(t->pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
