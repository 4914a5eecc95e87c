// Two workstations recording sales at the same moment on one database: every sale gets
// its own number, keeps all its lines, and the stock goes down by exactly what was sold.

#include "aideaccesdonnees.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <memory>

using namespace talvex;
using namespace talvex::test;

namespace {

constexpr int VENTES_PAR_POSTE = 200;
constexpr int STOCK_INITIAL = 100000;

// How a child process reaches the test's database: a file argument for SQLite, the
// server's address in TALVEX_DB for PostgreSQL.
void preparerPoste(QProcess& poste, const ParametresConnexion& p, int numero)
{
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.remove("TALVEX_DB");
    QString base = "-";
    if (p.moteur == Moteur::SQLite) {
        base = QDir::current().absoluteFilePath(p.fichier);
    } else {
        const QString compte = p.motDePasse.isEmpty() ? p.utilisateur : p.utilisateur + ':' + p.motDePasse;
        environnement.insert("TALVEX_DB",
                             QString("postgresql://%1@%2:%3/%4").arg(compte, p.hote).arg(p.port).arg(p.base));
    }
    poste.setProcessEnvironment(environnement);
    poste.setProgram(POSTE_VENDEUR);
    poste.setArguments({base, QString::number(VENTES_PAR_POSTE), QString::number(numero)});
}

} // namespace

class TestPostes : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDeTest> base;
    TDataModule_TALVEX& m() { return base->module(); }

private slots:
    void init() { base = std::make_unique<BaseDeTest>(); }
    void cleanup() { base.reset(); }

    void ventesSimultanees();
};

void TestPostes::ventesSimultanees()
{
    const qint64 articles[] = {6111, 1150, 6111000000007};
    for (qint64 a : articles)
        creerArticle(m(), a, "article", STOCK_INITIAL);

    QProcess postes[2];
    for (int i = 0; i < 2; ++i) {
        preparerPoste(postes[i], base->parametres(), i + 1);
        postes[i].start();
    }
    QMap<qint64, qint64> vendu;
    qint64 lignesVendues = 0;
    for (QProcess& poste : postes) {
        QVERIFY2(poste.waitForFinished(240000), "a workstation did not finish");
        const QString erreurs = QString::fromUtf8(poste.readAllStandardError());
        QVERIFY2(poste.exitStatus() == QProcess::NormalExit && poste.exitCode() == 0, qPrintable(erreurs));
        for (const QString& ligne : QString::fromUtf8(poste.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
            const QStringList champs = ligne.split(' ');
            if (champs.at(0) == "lignes")
                lignesVendues += champs.at(1).toLongLong();
            else
                vendu[champs.at(0).toLongLong()] += champs.at(1).toLongLong();
        }
    }

    const int total = 2 * VENTES_PAR_POSTE;
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_vente"), total);
    QCOMPARE(compter(m(), "SELECT COUNT(DISTINCT codevente) FROM tb_vente"), total);
    QCOMPARE(compter(m(), "SELECT MIN(codevente) FROM tb_vente"), 1);
    QCOMPARE(compter(m(), "SELECT MAX(codevente) FROM tb_vente"), total);
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_detailvente_art"), lignesVendues);
    // Each sale kept its own lines: its total is the sum of the lines under its number.
    QCOMPARE(compter(m(),
                     "SELECT COUNT(*) FROM tb_vente v WHERE montant <> (SELECT SUM(cantart * prixventeunitaire) "
                     "FROM tb_detailvente_art d WHERE d.codevente = v.codevente)"),
             0);
    for (qint64 a : articles) {
        QVERIFY(vendu.value(a) > 0);
        QCOMPARE(compter(m(), "SELECT SUM(cantart) FROM tb_detailvente_art WHERE codearticle=?", {a}), vendu.value(a));
        QCOMPARE(stock(m(), a), STOCK_INITIAL - vendu.value(a));
    }
}

QTEST_GUILESS_MAIN(TestPostes)
#include "tst_postes.moc"
