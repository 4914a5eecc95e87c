#pragma once

#include "shell/controles.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class QTableView;

namespace talvex {

// Bold "MS Sans Serif" (or the closest font of the desktop) at that pixel size.
QFont policeGras(int pixels, const QString& famille = QStringLiteral("MS Sans Serif"));

// Runs `action` on each press of Enter (either key) in the control; the key goes no further.
void surEntree(QWidget& controle, std::function<void()> action);

// A push button with its hint (see creerBouton); Enter clicks it while it has the focus.
QPushButton* boutonFenetre(const char* nom, const QString& texte, const QString& aide, QWidget* parent);

// Sets up a grid of the sale windows: whole-row single selection, read-only, fixed row
// height 23, no row header, the given column widths, a bold centred header and the cells
// drawn by TDessinCellules with `colonneVerte` in green.
void preparerGrille(QTableView& grille, const QList<int>& largeurs, int colonneVerte);

// The row of the grid's current cell; -1 when none.
int ligneCourante(const QTableView& grille);
// Makes the row current and selected, and scrolls to it, as the program (not the user) does.
void choisirLigne(QTableView& grille, int ligne);

// While it lives, moves of the grid's current row are the program's, not the user's.
class ChoixParProgramme
{
public:
    explicit ChoixParProgramme(QTableView& grille);
    ChoixParProgramme(const ChoixParProgramme&) = delete;
    ChoixParProgramme& operator=(const ChoixParProgramme&) = delete;
    ~ChoixParProgramme();

private:
    QTableView& m_grille;
    bool m_avant;
};

// Runs `action` when the user picks a row: a click, or a move of the keyboard. Call it
// once the grid has its model.
void surClicGrille(QTableView& grille, std::function<void()> action);

// The window of kind `Fenetre` among the direct children of `proprietaire` (the main
// window owns every window of the program), made there on first need.
template<typename Fenetre>
Fenetre& fenetreSous(QWidget& proprietaire)
{
    if (auto* existante = proprietaire.findChild<Fenetre*>(QString(), Qt::FindDirectChildrenOnly))
        return *existante;
    return *new Fenetre(&proprietaire);
}

// The window of kind `Fenetre` that `fenetre` works with: its owner when it is one, or
// one beside it (a child of the same owner). None when there is no such window.
template<typename Fenetre>
Fenetre* fenetreProche(QWidget& fenetre)
{
    if (auto* proprietaire = qobject_cast<Fenetre*>(fenetre.parentWidget()))
        return proprietaire;
    QWidget* proprietaire = fenetre.parentWidget() ? fenetre.parentWidget() : &fenetre;
    return proprietaire->findChild<Fenetre*>(QString(), Qt::FindDirectChildrenOnly);
}

// The same, made beside `fenetre` (or under it when it has no owner) on first need.
template<typename Fenetre>
Fenetre& fenetreVoisine(QWidget& fenetre)
{
    if (auto* trouvee = fenetreProche<Fenetre>(fenetre))
        return *trouvee;
    return fenetreSous<Fenetre>(fenetre.parentWidget() ? *fenetre.parentWidget() : fenetre);
}

} // namespace talvex
