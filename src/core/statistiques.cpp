#include "core/statistiques.h"

#include "core/dataaccess.h"
#include "core/datamodule.h"

namespace talvex {

namespace {

// One statement for both engines: plain joins, bound day texts. The period is selected on
// tb_vente first (its sdatevente index), then each sale's lines and their articles.
const QString SQL_TOTAUX
    = QStringLiteral("SELECT SUM(tb_article.prixachatuniataire * tb_detailvente_art.cantart) AS cout, "
                     "SUM(tb_detailvente_art.prixventeunitaire * tb_detailvente_art.cantart) AS vente_prix, "
                     "COUNT(*) AS lignes "
                     "FROM tb_vente "
                     "INNER JOIN tb_detailvente_art ON tb_vente.codevente = tb_detailvente_art.codevente "
                     "INNER JOIN tb_article ON tb_article.codearticle = tb_detailvente_art.codearticle "
                     "WHERE tb_vente.sdatevente BETWEEN ? AND ?");

} // namespace

TotauxVentes totauxVentes(TDataModule_TALVEX& module, const QString& premierJour, const QString& dernierJour)
{
    TotauxVentes totaux;
    module.lecturePartagee(SQL_TOTAUX, {premierJour, dernierJour}, [&totaux](const QSqlQuery& q) {
        totaux.avecLignes = colonne::entier(q.value(2)) > 0;
        if (!totaux.avecLignes)
            return;
        totaux.cout = colonne::reel(q.value(0));
        totaux.ventes = colonne::reel(q.value(1));
        totaux.benefice = totaux.ventes - totaux.cout;
    });
    return totaux;
}

TotauxVentes totauxVentes(TDataModule_TALVEX& module, const QDate& debut, const QDate& fin)
{
    return totauxVentes(module, dateEnTexte(debut), dateEnTexte(fin));
}

} // namespace talvex
