#pragma once

#include "core/records.h"

#include <QString>

#include <memory>

namespace talvex {

class TAccesDonneesuite;

// The checks of a login, in the order the user meets them.
enum class IssueConnexion {
    LoginVide,
    MotDePasseVide,
    UtilisateurInconnu,
    MotDePasseIncorrect,
    UtilisateurDesactive,
    Reussie,
};

struct ResultatConnexion
{
    IssueConnexion issue = IssueConnexion::LoginVide;
    // The user found, for Reussie.
    std::unique_ptr<TUtilisateur> utilisateur;
};

// Emptiness is tested on the texts as typed; the login is looked up trimmed, matched
// exactly without regard to letter case ('%' and '_' are ordinary characters), and the
// trimmed password's digest is compared with the stored one before the status is looked at.
ResultatConnexion verifierConnexion(const TAccesDonneesuite& acces, const QString& login, const QString& motDePasse);

// The role number of a user's `config` text (0 when it is not a number).
int roleUtilisateur(const TUtilisateur& utilisateur);

// The role labels of the own-profile window.
QString libelleRole(const QString& config);

// The checks of a password change, in order.
enum class IssueChangementMotDePasse {
    ActuelVide,
    NouveauVide,
    ConfirmationVide,
    ActuelIncorrect,
    ConfirmationDifferente,
    Valide,
};

// Emptiness on the typed texts; digest and comparison on the trimmed texts.
IssueChangementMotDePasse verifierChangementMotDePasse(const QString& actuel,
                                                       const QString& nouveau,
                                                       const QString& confirmation,
                                                       const QString& empreinteActuelle);

} // namespace talvex
