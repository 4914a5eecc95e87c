#pragma once

#include <QDate>
#include <QString>

namespace talvex::bench {

// What the generated shop holds. The same options and seed give the same database.
struct OptionsBoutique
{
    quint64 graine = 20240607;
    int articles = 200000;
    int categories = 300;
    int clients = 50000;
    int fournisseurs = 500;
    int utilisateurs = 20;
    int ventes = 300000;
    int approvisionnements = 20000;
    QDate debut = QDate(2022, 1, 1);
    QDate fin = QDate(2024, 12, 31);
};

// The shop database in `dossier` ("boutique.db"), built when it is missing, when it was
// built by other options or an older generator, or when the program's schema changed
// since (its tables and indexes are compared with those of a new database). A marker file
// beside it records what it holds, so that a second call returns at once. Progress goes
// to the standard error. Throws std::runtime_error on failure.
QString preparerBoutique(const QString& dossier, const OptionsBoutique& options = {}, bool forcer = false);

} // namespace talvex::bench
