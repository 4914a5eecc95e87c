#include "core/journal.h"

#include "core/dataaccess.h"
#include "core/etat.h"
#include "core/horloge.h"

namespace talvex {

namespace action {

namespace {
const QString ART = QStringLiteral("_art");
const QString ART_BLANC = QStringLiteral("_art ");
} // namespace

QString ajoutArticle(const QString& code)
{
    return AJ_ART + code;
}
QString modificationArticle(const QString& code)
{
    return MOD_ART + code;
}
QString suppressionArticle(const QString& nom)
{
    return DEL_ART + nom;
}
QString modificationClient(const QString& code)
{
    return MOD_CLT + code;
}
QString suppressionClient(const QString& code)
{
    return DEL_CLT + code;
}
QString modificationFournisseur(const QString& code)
{
    return MOD_FOURN + code;
}
QString suppressionFournisseur(const QString& code)
{
    return DEL_FOURN + code;
}
QString modificationUtilisateur(const QString& code)
{
    return MOD_UTL + code;
}
QString activationUtilisateur(const QString& code)
{
    return ACT_UTL + code;
}
QString desactivationUtilisateur(const QString& code)
{
    return DESACT_UTL + code;
}
QString suppressionUtilisateur(const QString& code)
{
    return DEL_UTL + code;
}
QString reinitialisationMotDePasse(const QString& code)
{
    return MOD_MP_UTL + code;
}
QString modificationConfigApplication()
{
    return MOD_CONFIG_APPL;
}
QString modificationVente(const QString& numero)
{
    return MOD_VTE + numero;
}
QString suppressionVente(const QString& numero)
{
    return DEL_VTE + numero;
}
QString suppressionLigneVente(const QString& numero, const QString& article)
{
    return DEL_VTE + numero + ART_BLANC + article;
}
QString suppressionDerniereLigneVente(const QString& numero, const QString& article)
{
    return DEL_VTE_DERNIERE + numero + ART + article;
}
QString modificationApprovisionnement(const QString& numero)
{
    return MOD_APP + numero;
}
QString suppressionApprovisionnement(const QString& numero)
{
    return DEL_APP + numero;
}
QString suppressionLigneApprovisionnement(const QString& numero, const QString& article)
{
    return DEL_APP_LIGNE + numero + ART + article;
}
QString suppressionDerniereLigneApprovisionnement(const QString& numero, const QString& article)
{
    return DEL_APP_DERNIERE + numero + ART + article;
}

} // namespace action

bool journaliserAction(const QString& codeAction)
{
    const auto& session = etat().sessionCourante;
    return session && TAccesDonneesuite().journaliserAction(*session, codeAction);
}

void ouvrirSessionCourante(const QString& codeUtilisateur)
{
    TSession session;
    session.codeutil = codeUtilisateur;
    session.datein = horloge::maintenant();
    TAccesDonneesuite().ouvrirSession(session);
    etat().sessionCourante = session;
}

bool fermerSessionCourante()
{
    auto& session = etat().sessionCourante;
    if (!session)
        return false;
    session->dateout = horloge::maintenant();
    return TAccesDonneesuite().fermerSession(*session);
}

} // namespace talvex
