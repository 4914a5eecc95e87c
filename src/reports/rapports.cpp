#include "reports/rapports.h"

#include "core/etat.h"
#include "reports/moteurrapports.h"

namespace talvex {

namespace {

void executer(const QString& rapport, const QVariantHash& valeurs = {})
{
    rapports::executerRapport({rapport, valeurs, {}}, etat().societeCourante, TDataModule_TALVEX::courant());
}

} // namespace

void imprimerFacture(const QString& codeVente)
{
    executer(QStringLiteral("Report_fact_new"), {{QStringLiteral("codevente"), valeur::code(codeVente)}});
}

void rapportFiche(int genre, const QString& code)
{
    if (genre == 1)
        executer(QStringLiteral("Report_fiche_fourn"), {{QStringLiteral("codefournisseur"), valeur::code(code)}});
    else if (genre == 2)
        executer(QStringLiteral("Report_ficheClient"), {{QStringLiteral("codeclient"), valeur::code(code)}});
}

void rapportListeClients()
{
    executer(QStringLiteral("Report_ClientsL"));
}

} // namespace talvex
