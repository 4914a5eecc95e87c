#pragma once

#include "parties/saisiepartie.h"

#include <QSize>
#include <QString>
#include <QWidget>

class QDialog;
class QPushButton;

// What the party windows (client, supplier, new party, modify party) share.
namespace talvex {

class TChampsPartie;

// A window that several windows share and that the program creates once, as a child of
// the main window, next to the window asking for it. Standing alone (no main window),
// the asking window gets one of its own on first need.
template<typename Fenetre>
Fenetre& fenetrePartagee(QWidget& demandeur)
{
    QWidget* hote = demandeur.parentWidget() ? demandeur.parentWidget() : &demandeur;
    if (auto* fenetre = hote->findChild<Fenetre*>(QString(), Qt::FindDirectChildrenOnly))
        return *fenetre;
    return *new Fenetre(hote);
}

// A window with a close box only and a client area of a fixed size.
void fixerTaille(QDialog& fenetre, QSize taille);

// A button's caption and hint (no hint when empty).
struct LegendeBouton
{
    QString texte;
    QString aide;
};

// Lays out a new-party or modify-party window: fixed client area, the fields, then the
// main button ("sbtn_acepeter") and "sbtnfermer", which closes. Enter runs no button.
// Returns the main button, for the window to connect.
QPushButton* construireFenetrePartie(
    QDialog& fenetre, TChampsPartie& champs, const LegendeBouton& principal, const LegendeBouton& fermer, QSize taille);

// An information message with the single button Ok.
void informer(const QString& texte);

// The two mandatory fields: when one is empty, the information `nomVide` or `prenomVide`
// with `boutons`, the focus to that field, and false.
bool verifierChamps(const SaisiePartie& saisie,
                    TChampsPartie& champs,
                    const QString& nomVide,
                    const QString& prenomVide,
                    quint16 boutons);

} // namespace talvex
