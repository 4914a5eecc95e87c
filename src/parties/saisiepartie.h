#pragma once

#include "core/records.h"

#include <QString>

// What the party windows (clients, suppliers) decide without a widget: the search
// criterion chosen with their two radio groups, and the checks of a typed party.
namespace talvex {

// The kind of party a shared window works on.
enum class GenrePartie { Client = 1, Fournisseur = 2 };

// Items of the "search parameter" radio group, in order, and of the "criterion" group.
enum class ParametreRecherche { Code, Nom, Prenom, Telephone };
enum class ModeRecherche { Commencant, Contenant };

// The criterion of chercherClients / chercherFournisseurs: a code search always takes
// the codes beginning with the text.
int critereRecherche(ParametreRecherche parametre, ModeRecherche mode);

// The prompt shown when a search is asked with an empty field.
QString invitationRecherche(ParametreRecherche parametre);

// The four fields of the new-party and modify-party windows, as typed.
struct SaisiePartie
{
    QString nom;
    QString prenom;
    QString telephone;
    QString adresse;
};

enum class DefautSaisie { Aucun, NomVide, PrenomVide };

// Emptiness is judged on the raw text: a name made of blanks passes (and is stored empty).
DefautSaisie verifierSaisie(const SaisiePartie& saisie);

// The party with every field trimmed. A client's accumulated purchases are 0: a new
// client starts there, and a modification adds nothing to them.
TClient clientDepuisSaisie(const SaisiePartie& saisie, const QString& code = {});
TFournisseur fournisseurDepuisSaisie(const SaisiePartie& saisie, const QString& code = {});

} // namespace talvex
