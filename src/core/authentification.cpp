#include "core/authentification.h"

#include "core/dataaccess.h"
#include "core/empreinte.h"
#include "core/rognage.h"

namespace talvex {

ResultatConnexion verifierConnexion(const TAccesDonneesuite& acces, const QString& login, const QString& motDePasse)
{
    ResultatConnexion resultat;
    if (login.isEmpty())
        return resultat;
    if (motDePasse.isEmpty()) {
        resultat.issue = IssueConnexion::MotDePasseVide;
        return resultat;
    }
    auto utilisateur = acces.getUtilisateurParLogin(rogner(login));
    if (!utilisateur)
        resultat.issue = IssueConnexion::UtilisateurInconnu;
    else if (empreinteMD5(rogner(motDePasse)) != utilisateur->pass)
        resultat.issue = IssueConnexion::MotDePasseIncorrect;
    else if (utilisateur->statut != QLatin1String("1"))
        resultat.issue = IssueConnexion::UtilisateurDesactive;
    else {
        resultat.issue = IssueConnexion::Reussie;
        resultat.utilisateur = std::move(utilisateur);
    }
    return resultat;
}

int roleUtilisateur(const TUtilisateur& utilisateur)
{
    return rogner(utilisateur.config).toInt();
}

QString libelleRole(const QString& config)
{
    switch (rogner(config).toInt()) {
    case 1:
        return QStringLiteral("Responsable de Boutique");
    case 2:
        return QStringLiteral("Gestionnaire de stocks");
    case 3:
        return QStringLiteral("Vendeur");
    default:
        return {};
    }
}

IssueChangementMotDePasse verifierChangementMotDePasse(const QString& actuel,
                                                       const QString& nouveau,
                                                       const QString& confirmation,
                                                       const QString& empreinteActuelle)
{
    using I = IssueChangementMotDePasse;
    if (actuel.isEmpty())
        return I::ActuelVide;
    if (nouveau.isEmpty())
        return I::NouveauVide;
    if (confirmation.isEmpty())
        return I::ConfirmationVide;
    if (empreinteMD5(rogner(actuel)) != empreinteActuelle)
        return I::ActuelIncorrect;
    if (rogner(nouveau) != rogner(confirmation))
        return I::ConfirmationDifferente;
    return I::Valide;
}

} // namespace talvex
