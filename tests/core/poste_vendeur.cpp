// One workstation recording sales, for tst_postes: several run at once on one database.
//   poste_vendeur <SQLite file | -> <number of sales> <workstation number>
// "-" records on the PostgreSQL server named by TALVEX_DB. Each sale has 1 to 3 lines of
// fixed articles. On success prints "lignes <n>" then "<article> <quantity sold>" per
// article and exits 0; on the first error prints it on stderr and exits 1.

#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "core/errors.h"

#include <QCoreApplication>
#include <QMap>
#include <QTextStream>

#include <cstdio>

using namespace talvex;

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: poste_vendeur <fichier|-> <ventes> <poste>\n", stderr);
        return 2;
    }
    const int ventes = arguments.at(2).toInt();
    const int poste = arguments.at(3).toInt();
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    try {
        ParametresConnexion parametres = ParametresConnexion::depuisEnvironnement();
        if (arguments.at(1) != "-") {
            parametres = ParametresConnexion();
            parametres.fichier = arguments.at(1);
        }
        TDataModule_TALVEX module(parametres);
        const TAccesDonneesuite acces(module);
        const qint64 articles[] = {6111, 1150, 6111000000007};
        QMap<qint64, qint64> vendu;
        int lignes = 0;
        for (int i = 0; i < ventes; ++i) {
            TVente vente;
            vente.codevente = "1"; // a stale number: the recording takes the next free one
            vente.datevente = QDateTime::currentDateTime();
            vente.codeutilisateur = QString::number(poste);
            vente.codeclient = "1";
            const int nombreLignes = 1 + (i + poste) % 3;
            for (int k = 0; k < nombreLignes; ++k) {
                auto ligne = std::make_unique<TDetailVenteArt>();
                const qint64 article = articles[(i + k) % 3];
                ligne->codearticle = QString::number(article);
                ligne->cantart = 1 + (i * 7 + k + poste) % 4;
                ligne->prixventeunitaire = 100 + k;
                vendu[article] += ligne->cantart;
                vente.lignes.ajouter(std::move(ligne));
            }
            lignes += nombreLignes;
            vente.calculerMontant();
            vente.montant_paye = vente.montant;
            if (acces.enregistrerVente(vente) <= 0)
                throw Erreur("vente non enregistrée");
        }
        sortie << "lignes " << lignes << '\n';
        for (auto it = vendu.cbegin(); it != vendu.cend(); ++it)
            sortie << it.key() << ' ' << it.value() << '\n';
    } catch (const Erreur& e) {
        erreurs << "poste " << poste << " : " << e.message() << '\n';
        return 1;
    }
    return 0;
}
