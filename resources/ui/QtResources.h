#pragma once
// The program's resources on Qt: pictures, image lists, menus and the family's dialog font.
#include <QFont>
#include <QIcon>
#include <QList>
#include <QPixmap>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
struct MenuItem;

// The picture of a resource number; a null pixmap for an unknown number.
QPixmap LoadPicture(unsigned id);

// An image list cut from a bitmap resource: images `width` pixels wide, the given colour made
// transparent. Empty when the bitmap cannot be loaded.
QList<QIcon> LoadImageList(unsigned bitmapId, int width, QColor transparent);

// Menus built from the menu resources. Every item's action carries its command id as data
// (QAction::data().toUInt()); popups are QMenus owned by their parent.
void BuildMenuBar(QMenuBar* bar, unsigned menuId);
// A popup of a menu resource by its index, owned by `parent`; nullptr when there is none.
QMenu* LoadPopupMenu(unsigned menuId, int index, QWidget* parent);
void AppendMenuItems(QMenu* menu, const MenuItem& popup);

// The action with a command id anywhere in a menu or menu bar (first found); nullptr for none.
QAction* FindMenuAction(QWidget* menuOrBar, unsigned id);
unsigned MenuActionId(const QAction* action);
void EnableMenuItem(QAction* action, bool enable);
// A check mark also on items that were made without one.
void CheckMenuItem(QAction* action, bool check);

// The family's dialog font: the face and size of the shared library's empty template at normal weight.
QFont FamilyDialogFont();
