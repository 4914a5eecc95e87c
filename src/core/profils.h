#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace talvex {

// What a role does to one menu entry: show or hide it, enable or disable it; an empty
// value leaves that side as it is.
struct EtatEntree
{
    std::optional<bool> visible;
    std::optional<bool> actif;
};

// One entry of the menus (by its object name) and its state for roles 1, 2 and 3
// (shop manager, stock keeper, seller).
struct RegleProfil
{
    QString entree;
    std::array<EtatEntree, 3> roles;
};

// The menus of each role, main menu and notification-area menu alike. A role other than
// 1, 2 or 3 changes nothing.
const std::vector<RegleProfil>& reglesProfils();

// The state the table gives `entree` for `role`; nothing for an entry or role it does not name.
EtatEntree etatPourRole(const QString& entree, int role);

} // namespace talvex
