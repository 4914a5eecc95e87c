#pragma once

#include "shell/commandes.h"

class QAction;
class QMenu;
class QMenuBar;

namespace talvex {

// The object name of the notification-area menu.
inline constexpr const char* NOM_MENU_NOTIFICATION = "PopupMenu_bandeja";

// Builds the main menu (MainMenu1) in `barre` and the notification-area menu in
// `notification`: every entry with its object name, caption, hint and shortcut; each
// entry carries its Commande in its data.
void construireMenus(QMenuBar& barre, QMenu& notification);

// The command an entry runs.
Commande commandeDe(const QAction& entree);

// An entry the user can reach: visible and enabled, in menus all visible and enabled.
bool estAccessible(const QAction& entree);

} // namespace talvex
