#include "parties/saisiepartie.h"

#include "core/rognage.h"

namespace talvex {

namespace {

void remplirPersonne(TPersonne& personne, const SaisiePartie& saisie)
{
    personne.nom = rogner(saisie.nom);
    personne.prenom = rogner(saisie.prenom);
    personne.telephone = rogner(saisie.telephone);
    personne.adresse = rogner(saisie.adresse);
}

} // namespace

int critereRecherche(ParametreRecherche parametre, ModeRecherche mode)
{
    const bool contenant = mode == ModeRecherche::Contenant;
    switch (parametre) {
    case ParametreRecherche::Code:
        return 1;
    case ParametreRecherche::Nom:
        return contenant ? 3 : 2;
    case ParametreRecherche::Prenom:
        return contenant ? 5 : 4;
    case ParametreRecherche::Telephone:
        return contenant ? 7 : 6;
    }
    return 1;
}

QString invitationRecherche(ParametreRecherche parametre)
{
    static const QString libelles[]
        = {QStringLiteral("Code"), QStringLiteral("Nom"), QStringLiteral("Prénom"), QStringLiteral("Télephone")};
    return QStringLiteral("Tapez le ") + libelles[static_cast<int>(parametre)] + QStringLiteral("  à chercher");
}

DefautSaisie verifierSaisie(const SaisiePartie& saisie)
{
    if (saisie.nom.isEmpty())
        return DefautSaisie::NomVide;
    if (saisie.prenom.isEmpty())
        return DefautSaisie::PrenomVide;
    return DefautSaisie::Aucun;
}

TClient clientDepuisSaisie(const SaisiePartie& saisie, const QString& code)
{
    TClient client;
    remplirPersonne(client, saisie);
    client.codeclient = code;
    client.achat_acc = 0;
    return client;
}

TFournisseur fournisseurDepuisSaisie(const SaisiePartie& saisie, const QString& code)
{
    TFournisseur fournisseur;
    remplirPersonne(fournisseur, saisie);
    fournisseur.codefournisseur = code;
    return fournisseur;
}

} // namespace talvex
