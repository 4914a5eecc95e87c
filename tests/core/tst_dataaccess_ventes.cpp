// Data access on sales and supplies: numbering, recording in one transaction, searches.

#include "aideaccesdonnees.h"
#include "core/errors.h"

#include <memory>

using namespace talvex;
using namespace talvex::test;

namespace {

struct Ligne
{
    QString article;
    qint32 quantite;
    double prix;
};

TVente nouvelleVente(const QString& numero, const QDateTime& date, const QList<Ligne>& lignes)
{
    TVente v;
    v.codevente = numero;
    v.datevente = date;
    v.codeutilisateur = "2";
    v.codeclient = "1";
    for (const Ligne& l : lignes) {
        auto d = std::make_unique<TDetailVenteArt>();
        d->codevente = numero.toInt();
        d->codearticle = l.article;
        d->cantart = l.quantite;
        d->prixventeunitaire = l.prix;
        v.lignes.ajouter(std::move(d));
    }
    v.calculerMontant();
    v.montant_paye = v.montant + 500;
    v.relicat = 500;
    return v;
}

TApprovisionnment nouvelApprovisionnement(const QString& numero, const QString& jour, const QList<Ligne>& lignes)
{
    TApprovisionnment a;
    a.codeapprov = numero;
    a.dateapprov = QDateTime(QDate::fromString(jour, "dd/MM/yyyy"), QTime(0, 0));
    a.codeutilisateur = "3";
    a.codefournisseur = "1";
    for (const Ligne& l : lignes) {
        auto d = std::make_unique<TDetailApprovArt>();
        d->codeapprov = numero;
        d->codearticle = l.article;
        d->cantapprov = l.quantite;
        d->prixachatunitaire = l.prix;
        d->dateapprov = jour;
        a.lignes.ajouter(std::move(d));
    }
    a.calculerMontant();
    return a;
}

const QDateTime LE_7_MARS_2011(QDate(2011, 3, 7), QTime(15, 42, 10));

} // namespace

class TestVentes : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDeTest> base;
    TDataModule_TALVEX& m() { return base->module(); }
    TAccesDonneesuite acces() { return TAccesDonneesuite(m()); }

    qint64 lignesEcrites()
    {
        return compter(m(), "SELECT COUNT(*) FROM tb_vente") + compter(m(), "SELECT COUNT(*) FROM tb_detailvente_art")
            + compter(m(), "SELECT COUNT(*) FROM tb_approvisionnement")
            + compter(m(), "SELECT COUNT(*) FROM tb_detailapprov_art");
    }
    void creerArticles()
    {
        creerArticle(m(), 6111, "savon", 3);
        creerArticle(m(), 1150, "riz", 20);
        creerArticle(m(), ARTICLE_REFUSE, "refusé", 50);
    }
    void verifierStocksIntacts()
    {
        QCOMPARE(stock(m(), 6111), 3);
        QCOMPARE(stock(m(), 1150), 20);
        QCOMPARE(stock(m(), ARTICLE_REFUSE), 50);
    }

private slots:
    void init() { base = std::make_unique<BaseDeTest>(); }
    void cleanup() { base.reset(); }

    void prochainNumero_data();
    void prochainNumero();
    void enregistrerVente();
    void numerotation_data();
    void numerotation();
    void venteSansLigne();
    void venteInterrompue_data();
    void venteInterrompue();
    void enregistrerApprovisionnement();
    void approvisionnementInterrompu_data();
    void approvisionnementInterrompu();
    void chercherVentes_data();
    void chercherVentes();
    void changerClientVente();
    void dateEnTexte_data();
    void dateEnTexte();
};

void TestVentes::prochainNumero_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("numeros");
    QTest::addColumn<int>("attendu");
    QTest::newRow("ventes, table vide") << 2 << QList<int> {} << 0;
    QTest::newRow("ventes 1, 2 et 5") << 2 << QList<int> {1, 5, 2} << 5;
    QTest::newRow("approvisionnements vides") << 1 << QList<int> {} << 0;
    QTest::newRow("approvisionnements 3 et 9") << 1 << QList<int> {9, 3} << 9;
    QTest::newRow("type inconnu") << 3 << QList<int> {1, 5} << 0;
}

void TestVentes::prochainNumero()
{
    QFETCH(int, type);
    QFETCH(QList<int>, numeros);
    QFETCH(int, attendu);
    const QString table = type == 1 ? "tb_approvisionnement (codeapprov)" : "tb_vente (codevente)";
    for (int n : numeros)
        m().executer(QString("INSERT INTO %1 VALUES (?)").arg(table), {n});
    QCOMPARE(acces().prochainNumero(type), attendu);
}

void TestVentes::enregistrerVente()
{
    creerArticles();
    TVente v = nouvelleVente("1", LE_7_MARS_2011, {{"6111", 5, 1500}, {"1150", 2, 250.5}});
    QCOMPARE(acces().enregistrerVente(v), 1);

    QCOMPARE(lignes(m(),
                    "SELECT codevente, sdatevente, datevente, montant, codeutilisateur, codeclient, "
                    "montant_paye, relicat FROM tb_vente"),
             QStringList {"1:2011/03/07:2011-03-07 00:00:00:8001:2:1:8501:500"});
    QCOMPARE(lignes(m(),
                    "SELECT codevente, codearticle, cantart, prixventeunitaire FROM tb_detailvente_art "
                    "ORDER BY id"),
             (QStringList {"1:6111:5:1500", "1:1150:2:250.5"}));
    // Sold whatever the stock on hand: it may go below zero.
    QCOMPARE(stock(m(), 6111), -2);
    QCOMPARE(stock(m(), 1150), 18);
    QCOMPARE(codes(acces().chercherVentes(1, "2011/03/07"), &TVente::codevente), QStringList {"1"});
}

void TestVentes::numerotation_data()
{
    QTest::addColumn<int>("plusHaut");
    QTest::addColumn<QString>("porte");
    QTest::addColumn<int>("attendu");
    QTest::newRow("premiere vente") << 0 << "1" << 1;
    QTest::newRow("numero trop haut") << 0 << "7" << 1;
    QTest::newRow("ecrite ailleurs entre-temps") << 41 << "41" << 42;
    QTest::newRow("numero attendu") << 41 << "42" << 42;
    QTest::newRow("numero illisible") << 3 << "abc" << 4;
}

void TestVentes::numerotation()
{
    QFETCH(int, plusHaut);
    QFETCH(QString, porte);
    QFETCH(int, attendu);
    creerArticles();
    if (plusHaut > 0)
        m().executer("INSERT INTO tb_vente (codevente, sdatevente) VALUES (?, ?)", {plusHaut, "2011/01/01"});
    TVente v = nouvelleVente(porte, LE_7_MARS_2011, {{"6111", 1, 100}, {"1150", 1, 100}});
    v.lignes.element(2)->codevente = 12345; // a stale line follows its sale too
    QCOMPARE(acces().enregistrerVente(v), attendu);
    QCOMPARE(v.codevente, QString::number(attendu));
    for (const auto& ligne : v.lignes)
        QCOMPARE(ligne->codevente, attendu);
    QCOMPARE(lireTextes(m(), "SELECT codevente FROM tb_detailvente_art ORDER BY id"),
             QStringList(2, QString::number(attendu)));
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_vente WHERE codevente=?", {attendu}), 1);

    // Writing it again, the same record takes the next number.
    QCOMPARE(acces().enregistrerVente(v), attendu + 1);
}

void TestVentes::venteSansLigne()
{
    TVente v = nouvelleVente("1", LE_7_MARS_2011, {});
    QCOMPARE(acces().enregistrerVente(v), 0);
    TApprovisionnment a = nouvelApprovisionnement("1", "07/03/2011", {});
    QCOMPARE(acces().enregistrerApprovisionnement(a), 0);
    QCOMPARE(lignesEcrites(), 0);
}

void TestVentes::venteInterrompue_data()
{
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<bool>("conversion");
    const QString refuse = QString::number(ARTICLE_REFUSE);
    QTest::newRow("premiere ligne refusee") << QStringList {refuse, "6111"} << false;
    QTest::newRow("derniere ligne refusee") << QStringList {"6111", "1150", refuse} << false;
    QTest::newRow("code non numerique") << QStringList {"6111", "61a1"} << true;
    QTest::newRow("code vide") << QStringList {"6111", ""} << true;
}

void TestVentes::venteInterrompue()
{
    QFETCH(QStringList, articles);
    QFETCH(bool, conversion);
    creerArticles();
    refuserArticle(m(), "tb_detailvente_art");
    QList<Ligne> lignes;
    for (const QString& a : articles)
        lignes.append({a, 2, 100});
    TVente v = nouvelleVente("1", LE_7_MARS_2011, lignes);
    if (conversion)
        QVERIFY_THROWS_EXCEPTION(EConvertError, acces().enregistrerVente(v));
    else
        QVERIFY_THROWS_EXCEPTION(EErreurBase, acces().enregistrerVente(v));
    QCOMPARE(lignesEcrites(), 0);
    verifierStocksIntacts();

    // The connection is left clean: the next sale is recorded, as number 1.
    TVente suivante = nouvelleVente("1", LE_7_MARS_2011, {{"6111", 1, 100}});
    QCOMPARE(acces().enregistrerVente(suivante), 1);
    QCOMPARE(stock(m(), 6111), 2);
}

void TestVentes::enregistrerApprovisionnement()
{
    creerArticles();
    m().executer("UPDATE tb_article SET cantstock=-2 WHERE codearticle=6111");
    TApprovisionnment a = nouvelApprovisionnement("12", "07/03/2011", {{"6111", 10, 700}, {"1150", 4, 99.5}});
    a.lignes.element(2)->dateapprov = " 7/3/2011 ";
    QCOMPARE(acces().enregistrerApprovisionnement(a), 1);
    QCOMPARE(a.codeapprov, "1");

    QCOMPARE(lignes(m(),
                    "SELECT codeapprov, dateapprov, moutantapprov, codeutilsateur, codefournisseur "
                    "FROM tb_approvisionnement"),
             QStringList {"1:2011-03-07 00:00:00:7398:3:1"});
    QCOMPARE(lignes(m(),
                    "SELECT codeapprov, codearticle, prixachatunitaire, dateapprov, cantapprov "
                    "FROM tb_detailapprov_art ORDER BY ID"),
             (QStringList {"1:6111:700:2011-03-07 00:00:00:10", "1:1150:99.5:2011-03-07 00:00:00:4"}));
    QCOMPARE(stock(m(), 6111), 8);
    QCOMPARE(stock(m(), 1150), 24);

    TApprovisionnment suivant = nouvelApprovisionnement("1", "08/03/2011", {{"6111", 1, 700}});
    QCOMPARE(acces().enregistrerApprovisionnement(suivant), 2);
}

void TestVentes::approvisionnementInterrompu_data()
{
    QTest::addColumn<QString>("article");
    QTest::addColumn<QString>("jour");
    QTest::addColumn<QString>("fournisseur");
    QTest::addColumn<bool>("conversion");
    const QString refuse = QString::number(ARTICLE_REFUSE);
    QTest::newRow("ligne refusee") << refuse << "07/03/2011"
                                   << "1" << false;
    QTest::newRow("date impossible") << "1150"
                                     << "31/02/2011"
                                     << "1" << true;
    QTest::newRow("date en mots") << "1150"
                                  << "demain"
                                  << "1" << true;
    QTest::newRow("date vide") << "1150"
                               << ""
                               << "1" << true;
    QTest::newRow("date a l'envers") << "1150"
                                     << "2011-03-07"
                                     << "1" << true;
    QTest::newRow("fournisseur non numerique") << "1150"
                                               << "07/03/2011"
                                               << "NEANT" << true;
    QTest::newRow("article non numerique") << "11x"
                                           << "07/03/2011"
                                           << "1" << true;
}

void TestVentes::approvisionnementInterrompu()
{
    QFETCH(QString, article);
    QFETCH(QString, jour);
    QFETCH(QString, fournisseur);
    QFETCH(bool, conversion);
    creerArticles();
    refuserArticle(m(), "tb_detailapprov_art");
    TApprovisionnment a = nouvelApprovisionnement("1", "07/03/2011", {{"6111", 5, 700}, {article, 5, 700}});
    a.lignes.element(2)->dateapprov = jour;
    a.codefournisseur = fournisseur;
    if (conversion)
        QVERIFY_THROWS_EXCEPTION(EConvertError, acces().enregistrerApprovisionnement(a));
    else
        QVERIFY_THROWS_EXCEPTION(EErreurBase, acces().enregistrerApprovisionnement(a));
    QCOMPARE(lignesEcrites(), 0);
    verifierStocksIntacts();
}

void TestVentes::chercherVentes_data()
{
    QTest::addColumn<int>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<QStringList>("attendu");
    using L = QStringList;
    QTest::newRow("numero") << 0 << "3"
                            << "" << L {"3"};
    QTest::newRow("numero absent") << 0 << "30"
                                   << "" << L {};
    QTest::newRow("jour") << 1 << "2011/03/01"
                          << "" << L {"6", "2"};
    QTest::newRow("jour sans vente") << 1 << "2011/03/02"
                                     << "" << L {};
    QTest::newRow("vendeur") << 2 << "3"
                             << "" << L {"5", "2"};
    QTest::newRow("client, plus recentes d'abord") << 3 << "5"
                                                   << "" << L {"5", "3", "6", "2"};
    QTest::newRow("mois, bornes comprises") << 11 << "2011/03/01"
                                            << "2011/03/31" << L {"6", "4", "3", "2"};
    QTest::newRow("periode vide") << 11 << "2012/01/01"
                                  << "2012/12/31" << L {};
    QTest::newRow("critere inconnu") << 4 << "3"
                                     << "" << L {};
}

void TestVentes::chercherVentes()
{
    QFETCH(int, critere);
    QFETCH(QString, texte);
    QFETCH(QString, fin);
    QFETCH(QStringList, attendu);
    const struct
    {
        QDate jour;
        const char* vendeur;
        const char* client;
    } ventes[] = {
        {{2011, 2, 28}, "2", "1"},
        {{2011, 3, 1}, "3", "5"},
        {{2011, 3, 15}, "2", "5"},
        {{2011, 3, 31}, "2", "1"},
        {{2011, 4, 1}, "3", "5"},
        {{2011, 3, 1}, "2", "5"},
    };
    int numero = 0;
    for (const auto& e : ventes) {
        TVente v = nouvelleVente(QString::number(++numero), QDateTime(e.jour, QTime(10, 0)), {});
        v.montant = numero * 1000.5;
        v.codeutilisateur = e.vendeur;
        v.codeclient = e.client;
        QVERIFY(acces().insererVente(v));
    }
    const TListeVente trouvees = acces().chercherVentes(critere, texte, fin);
    QCOMPARE(codes(trouvees, &TVente::codevente), attendu);
    for (const auto& v : trouvees) {
        const int n = v->codevente.toInt();
        QCOMPARE(v->montant, n * 1000.5);
        QCOMPARE(v->codeutilisateur, ventes[n - 1].vendeur);
        QCOMPARE(v->codeclient, ventes[n - 1].client);
        QVERIFY(!v->datevente.isValid());
        QCOMPARE(v->montant_paye, 0.0);
        QCOMPARE(v->relicat, 0.0);
    }
}

void TestVentes::changerClientVente()
{
    TVente v = nouvelleVente("4", LE_7_MARS_2011, {});
    QVERIFY(acces().insererVente(v));
    QVERIFY(acces().changerClientVente("4", "7"));
    QCOMPARE(lireTextes(m(), "SELECT codeclient FROM tb_vente"), QStringList {"7"});
    QVERIFY(!acces().changerClientVente("5", "8"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().changerClientVente("4", "7; DELETE FROM tb_vente"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().changerClientVente("x", "8"));
    QCOMPARE(lireTextes(m(), "SELECT codeclient FROM tb_vente"), QStringList {"7"});
}

void TestVentes::dateEnTexte_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("texte");
    QTest::newRow("zeros") << QDate(2011, 3, 7) << "2011/03/07";
    QTest::newRow("fin d'annee") << QDate(1999, 12, 31) << "1999/12/31";
    QTest::newRow("invalide") << QDate() << "";
}

void TestVentes::dateEnTexte()
{
    QFETCH(QDate, date);
    QFETCH(QString, texte);
    QCOMPARE(talvex::dateEnTexte(date), texte);
}

QTEST_GUILESS_MAIN(TestVentes)
#include "tst_dataaccess_ventes.moc"
