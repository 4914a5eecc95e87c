#include "reports/moteurrapports.h"

#include "reports/impression.h"
#include "reports/sortierapport.h"

namespace talvex::rapports {

namespace {

Presentateur& presentateurInstalle()
{
    static Presentateur presentateur;
    return presentateur;
}

QHash<QString, QString>
parametresDuRapport(const DefinitionRapport& rapport, const DemandeRapport& demande, const TSociete& societe)
{
    QHash<QString, QString> parametres;
    for (const QString& nom : rapport.parametres)
        parametres.insert(nom, QString());
    if (rapport.societe) {
        for (const auto& [nom, valeur] : parametresSociete(societe))
            parametres.insert(nom, valeur);
    }
    for (auto it = demande.parametres.cbegin(); it != demande.parametres.cend(); ++it) {
        if (!rapport.parametres.contains(it.key()))
            throw ERapport(QStringLiteral("Le rapport « %1 » n'a pas de paramètre « %2 ».").arg(rapport.nom, it.key()));
        parametres.insert(it.key(), it.value());
    }
    return parametres;
}

} // namespace

ReglagesMoteur& reglagesMoteur()
{
    static ReglagesMoteur reglages;
    return reglages;
}

void reinitialiserReglagesMoteur()
{
    reglagesMoteur() = ReglagesMoteur {};
}

void appliquerAvant(Reglage reglage, ReglagesMoteur& reglages)
{
    if (reglage == Reglage::Avant || reglage == Reglage::DialogueCoupe)
        reglages.dialogueSortieAutorise = false;
    if (reglage == Reglage::Avant)
        reglages.apercuMaximise = true;
}

void appliquerApres(Reglage reglage, ReglagesMoteur& reglages)
{
    if (reglage == Reglage::Apres) {
        reglages.dialogueSortieAutorise = false;
        reglages.apercuMaximise = true;
    }
}

QList<QPair<QString, QString>> parametresSociete(const TSociete& societe)
{
    return {
        {QStringLiteral("nom_entreprise"), societe.nom},
        {QStringLiteral("slogan_entreprise"), societe.slogan},
        {QStringLiteral("adresse_entreprise"), societe.adresse},
        {QStringLiteral("telephone_entreprise"), societe.telephone},
        {QStringLiteral("fax_entreprise"), societe.fax},
        {QStringLiteral("email_entreprise"), societe.email},
        {QStringLiteral("siteweb_entreprise"), societe.siteweb},
    };
}

DocumentRapport preparerRapport(const ProjetRapports& projet,
                                const DemandeRapport& demande,
                                const TSociete& societe,
                                TDataModule_TALVEX& module,
                                const QDateTime& maintenant)
{
    const DefinitionRapport& rapport = projet.rapport(demande.rapport);
    const QHash<QString, QString> parametres = parametresDuRapport(rapport, demande, societe);
    return composer(rapport, remplirDonnees(rapport, demande.valeurs, module), parametres, maintenant);
}

Presentateur remplacerPresentateur(Presentateur presentateur)
{
    return std::exchange(presentateurInstalle(), std::move(presentateur));
}

void executerRapport(const DemandeRapport& demande, const TSociete& societe, TDataModule_TALVEX& module)
{
    const ProjetRapports projet = ProjetRapports::ouvrir();
    const Reglage reglage = projet.rapport(demande.rapport).reglage;
    const DocumentRapport document = preparerRapport(projet, demande, societe, module);
    ReglagesMoteur& reglages = reglagesMoteur();
    appliquerAvant(reglage, reglages);
    // A copy: the presenter may replace itself while it runs.
    if (const Presentateur presentateur = presentateurInstalle())
        presentateur(document, reglages);
    else
        presenterAEcran(document, reglages);
    appliquerApres(reglage, reglages);
}

int rapportEnPdf(const DemandeRapport& demande,
                 const TSociete& societe,
                 TDataModule_TALVEX& module,
                 const QString& chemin)
{
    return enregistrerPdf(preparerRapport(ProjetRapports::ouvrir(), demande, societe, module), chemin);
}

} // namespace talvex::rapports
