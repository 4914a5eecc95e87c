// Data access on the catalogue: categories, article searches and lookups, stock moves.

#include "aideaccesdonnees.h"
#include "core/errors.h"

#include <memory>

using namespace talvex;
using namespace talvex::test;

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDeTest> base;
    TDataModule_TALVEX& m() { return base->module(); }
    TAccesDonneesuite acces() { return TAccesDonneesuite(m()); }

    void creerArticlesDeRecherche()
    {
        creerArticle(m(), 6111, "savon", 3, "pain de savon");
        creerArticle(m(), 1150, "Savonnette", 0, "Lux 100g");
        creerArticle(m(), 2000, "Sucre_fin", 0, "sac 50%");
        creerArticle(m(), 6111000000007, "Lait", 0, "brique");
        creerArticle(m(), 30, QString::fromUtf8("éclair"), 0, "C:\\chemin");
        creerArticle(m(), 40, "Sucre roux", 0, "vrac");
    }

private slots:
    void init() { base = std::make_unique<BaseDeTest>(); }
    void cleanup() { base.reset(); }

    void listerCategories_data();
    void listerCategories();
    void getCategorieParCode();
    void chercherArticles_data();
    void chercherArticles();
    void getArticleParCode();
    void mouvementerStock_data();
    void mouvementerStock();
    void codeNonNumerique_data();
    void codeNonNumerique();
    void texteHostileRetrouve_data() { textesHostiles(); }
    void texteHostileRetrouve();
};

void TestCatalogue::listerCategories_data()
{
    QTest::addColumn<QStringList>("descriptions");
    QTest::addColumn<int>("ordre");
    QTest::addColumn<QStringList>("attendu");
    const QStringList cinq {"Boissons", "alimentation", QString::fromUtf8("Épicerie"), "Zinc", "Boissons"};
    // By code points on both engines; equal descriptions by number.
    QTest::newRow("croissant") << cinq << 2 << QStringList {"1", "5", "4", "2", "3"};
    QTest::newRow("decroissant") << cinq << 1 << QStringList {"3", "2", "4", "1", "5"};
    QTest::newRow("table vide") << QStringList {} << 1 << QStringList {};
    QTest::newRow("ordre inconnu") << cinq << 3 << QStringList {};
}

void TestCatalogue::listerCategories()
{
    QFETCH(QStringList, descriptions);
    QFETCH(int, ordre);
    QFETCH(QStringList, attendu);
    for (const QString& d : descriptions)
        m().executer("INSERT INTO tb_categorie (description) VALUES (?)", {d});
    QStringList obtenu;
    for (const auto& c : acces().listerCategories(ordre))
        obtenu << QString::number(c->code);
    QCOMPARE(obtenu, attendu);
    // The next read of another kind runs normally.
    QCOMPARE(acces().prochainNumero(2), 0);
}

void TestCatalogue::getCategorieParCode()
{
    m().executer("INSERT INTO tb_categorie (description) VALUES (?)", {"Boissons"});
    m().executer("INSERT INTO tb_categorie (description) VALUES (?)", {"Conserves"});
    const TCategorie trouvee = acces().getCategorieParCode(" 2 ");
    QCOMPARE(trouvee.code, 2);
    QCOMPARE(trouvee.description, "Conserves");

    m().executer("DELETE FROM tb_categorie WHERE code=?", {1});
    const TCategorie effacee = acces().getCategorieParCode("1");
    QCOMPARE(effacee.code, 0);
    QVERIFY(effacee.description.isEmpty());
    QCOMPARE(acces().listerCategories(2).nombre(), 1);
}

void TestCatalogue::chercherArticles_data()
{
    QTest::addColumn<int>("champ");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    using L = QStringList;
    QTest::newRow("nom vide: tout, par nom") << 1 << 1 << "" << L {"6111000000007", "1150", "40", "2000", "6111", "30"};
    QTest::newRow("nom commence, casse ignoree") << 1 << 1 << "sav" << L {"1150", "6111"};
    QTest::newRow("nom contient") << 1 << 2 << "ON" << L {"1150", "6111"};
    QTest::newRow("nom egal en capitales") << 1 << 3 << "SAVON" << L {"6111"};
    QTest::newRow("nom egal accentue") << 1 << 3 << QString::fromUtf8("ÉCLAIR") << L {"30"};
    QTest::newRow("souligne joker") << 1 << 1 << "s_v" << L {"1150", "6111"};
    QTest::newRow("pourcent joker") << 1 << 3 << "su%" << L {"40", "2000"};
    QTest::newRow("souligne au milieu") << 1 << 2 << "e_f" << L {"2000"};
    QTest::newRow("code contient 11") << 2 << 2 << "11" << L {"1150", "6111", "6111000000007"};
    QTest::newRow("code commence 11") << 2 << 1 << "11" << L {"1150"};
    QTest::newRow("code commence 6, toutes longueurs") << 2 << 1 << "6" << L {"6111", "6111000000007"};
    QTest::newRow("code commence 61110000") << 2 << 1 << "61110000" << L {"6111000000007"};
    QTest::newRow("code commence par un joker") << 2 << 1 << "_1" << L {"1150", "6111", "6111000000007"};
    QTest::newRow("code commence 0") << 2 << 1 << "0" << L {};
    QTest::newRow("code commence, 19 chiffres") << 2 << 1 << "9223372036854775807" << L {};
    QTest::newRow("code vide: tout") << 2 << 1 << "" << L {"30", "40", "1150", "2000", "6111", "6111000000007"};
    QTest::newRow("code egal 11") << 2 << 3 << "11" << L {};
    QTest::newRow("code de 13 chiffres") << 2 << 3 << "6111000000007" << L {"6111000000007"};
    QTest::newRow("description contient 50%") << 3 << 2 << "50%" << L {"2000"};
    QTest::newRow("description barre oblique") << 3 << 1 << "C:\\" << L {"30"};
    QTest::newRow("description egale") << 3 << 3 << "BRIQUE" << L {"6111000000007"};
    QTest::newRow("injection") << 1 << 2 << "'; DELETE FROM tb_article; --" << L {};
    QTest::newRow("champ inconnu") << 4 << 1 << "" << L {};
    QTest::newRow("mode inconnu") << 1 << 4 << "" << L {};
}

void TestCatalogue::chercherArticles()
{
    QFETCH(int, champ);
    QFETCH(int, mode);
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    creerArticlesDeRecherche();
    QCOMPARE(codes(acces().chercherArticles(champ, mode, texte), &TArticle::codearticle), attendu);
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_article"), 6);
}

void TestCatalogue::getArticleParCode()
{
    m().executer("INSERT INTO tb_article (codearticle, nom, description, prixachatuniataire, prixventeunitaire, "
                 "categorie, datefab, dateexp, reserve, cantstock, cantstockmin) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                 {Q_INT64_C(6111000000007),
                  "Lait",
                  "brique 1L",
                  1200.5,
                  1500,
                  7,
                  valeur::jour(QDate(2010, 1, 2)),
                  valeur::jour(QDate(2012, 12, 31)),
                  "ignoré",
                  -4,
                  10});
    const auto a = acces().getArticleParCode("6111000000007");
    QVERIFY(a);
    QCOMPARE(a->codearticle, "6111000000007");
    QCOMPARE(a->nom, "Lait");
    QCOMPARE(a->description, "brique 1L");
    QCOMPARE(a->prixachat, 1200.5);
    QCOMPARE(a->prixvente, 1500.0);
    QCOMPARE(a->categorie, "7");
    QCOMPARE(a->datefab.date(), QDate(2010, 1, 2));
    QCOMPARE(a->dateexp.date(), QDate(2012, 12, 31));
    QCOMPARE(a->cantstock, -4);
    QCOMPARE(a->cantstockmin, 10);

    QVERIFY(!acces().getArticleParCode("6111000000008"));
    QVERIFY(acces().getArticleParCode("6111000000007"));
}

void TestCatalogue::mouvementerStock_data()
{
    QTest::addColumn<int>("sens");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("quantite");
    QTest::addColumn<int>("initial");
    QTest::addColumn<bool>("change");
    QTest::addColumn<int>("final");
    QTest::newRow("entree") << 1 << "6111" << 5 << 3 << true << 8;
    QTest::newRow("sortie sous zero") << 2 << "6111" << 10 << 8 << true << -2;
    QTest::newRow("article absent") << 2 << "77" << 10 << 8 << false << 8;
    QTest::newRow("sens inconnu") << 3 << "6111" << 10 << 8 << false << 8;
}

void TestCatalogue::mouvementerStock()
{
    QFETCH(int, sens);
    QFETCH(QString, code);
    QFETCH(int, quantite);
    QFETCH(int, initial);
    QFETCH(bool, change);
    QFETCH(int, final);
    creerArticle(m(), 6111, "savon", initial);
    QCOMPARE(acces().mouvementerStock(sens, code, quantite), change);
    QCOMPARE(stock(m(), 6111), final);
}

void TestCatalogue::codeNonNumerique_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("vide") << "";
    QTest::newRow("lettres") << "12a";
    QTest::newRow("decimal") << "1.5";
    QTest::newRow("injection") << "6111 OR 1=1";
}

void TestCatalogue::codeNonNumerique()
{
    QFETCH(QString, code);
    creerArticle(m(), 6111, "savon", 3);
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().getArticleParCode(code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().getCategorieParCode(code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().mouvementerStock(2, code, 1));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().chercherVentes(0, code));
    QCOMPARE(stock(m(), 6111), 3);
}

void TestCatalogue::texteHostileRetrouve()
{
    QFETCH(QString, texte);
    creerArticle(m(), 1, texte, 0, texte);
    creerArticle(m(), 2, "autre", 0, "autre");
    for (int champ : {1, 3}) {
        const TListeArticles trouves = acces().chercherArticles(champ, 3, texte);
        QCOMPARE(codes(trouves, &TArticle::codearticle), QStringList {"1"});
        QCOMPARE(trouves.element(1)->nom, texte);
        QCOMPARE(trouves.element(1)->description, texte);
    }
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_dataaccess_catalogue.moc"
