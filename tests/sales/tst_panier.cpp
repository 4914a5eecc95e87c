// The counter's rules without a screen: prices and amounts, the cart, the recording of a
// sale as one whole, and the picker's list read page by page.

#include "boutiquedetest.h"
#include "core/dataaccess.h"
#include "core/errors.h"
#include "core/montants.h"
#include "core/panier.h"
#include "core/recherchearticles.h"
#include "support/basedetest.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>
#include <optional>

using namespace talvex;
using namespace talvex::test;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

TArticle article(const QString& code, const QString& nom, double prix, qint32 stock = 10)
{
    TArticle a;
    a.codearticle = code;
    a.nom = nom;
    a.description = nom + " (description)";
    a.prixvente = prix;
    a.cantstock = stock;
    return a;
}

// The codes the data access's search finds, in its order.
QStringList codesTrouves(TDataModule_TALVEX& module, int champ, int mode, const QString& texte)
{
    QStringList codes;
    for (const auto& a : TAccesDonneesuite(module).chercherArticles(champ, mode, texte))
        codes << a->codearticle;
    return codes;
}

// Every code the picker's list holds once all its pages are read.
QStringList codesListes(TModeleArticles& modele)
{
    while (modele.canFetchMore({}))
        modele.fetchMore({});
    QStringList codes;
    for (int i = 0; i < modele.rowCount(); ++i)
        codes << modele.texte(i, TModeleArticles::Code);
    return codes;
}

QString cellule(const TPanier& panier, int ligne, int colonne)
{
    return panier.index(ligne, colonne).data().toString();
}

} // namespace

class TestPanier : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_base = std::make_unique<BaseDeTest>(); }
    void cleanup() { m_base.reset(); }

    void formats_data();
    void formats();
    void lireMontant_data();
    void lireMontant();
    void panierRegroupeLesCodes();
    void panierTotauxEtSuppression();
    void preparerVente();
    void alerteStock();
    void enregistrerVente();
    void enregistrerVenteArticleDisparu();
    void listeArticlesParPages();
    void listeArticlesCriteres_data();
    void listeArticlesCriteres();
    void listeParDebutDeCode_data();
    void listeParDebutDeCode();
    void listeEnTapant_data();
    void listeEnTapant();

private:
    TDataModule_TALVEX& module() { return m_base->module(); }
    // The test shop, and one unit of each of these articles in the cart.
    void remplirDeLaBoutique(TPanier& panier, const QStringList& codes)
    {
        boutiqueDeTest(module());
        const TAccesDonneesuite acces(module());
        for (const QString& code : codes)
            panier.ajouter(*acces.getArticleParCode(code));
    }
    std::unique_ptr<BaseDeTest> m_base;
};

void TestPanier::formats_data()
{
    struct Cas
    {
        const char* nom;
        double valeur;
        const char* entier;
        const char* groupe;
        const char* total;
    };
    static const Cas CAS[] = {
        {"arrondi haut", 1250.60, "1251", "1 251", "1.251FCFA "},
        {"moitié", 1250.5, "1251", "1 251", "1.251FCFA "},
        {"arrondi bas", 2500.40, "2500", "2 500", "2.500FCFA "},
        {"moitié négative", -2.5, "-3", "-3", "-3FCFA "},
        {"zéro", 0.0, "", "", "FCFA "},
        {"presque zéro", 0.4, "", "", "FCFA "},
        {"milliers", 12500.0, "12500", "12 500", "12.500FCFA "},
        {"millions", -1234567.0, "-1234567", "-1 234 567", "-1.234.567FCFA "},
        {"trois chiffres", 999.0, "999", "999", "999FCFA "},
    };
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("entier");
    QTest::addColumn<QString>("groupe");
    QTest::addColumn<QString>("total");
    for (const Cas& c : CAS) {
        QTest::newRow(c.nom) << c.valeur << QString::fromUtf8(c.entier) << QString::fromUtf8(c.groupe)
                             << QString::fromUtf8(c.total);
    }
}

void TestPanier::formats()
{
    QFETCH(double, valeur);
    QFETCH(QString, entier);
    // The cart's price is the rounded one: it reads back as the same whole number.
    QCOMPARE(texteEntier(arrondirPrix(valeur)), entier);
    QCOMPARE(texteEntier(valeur), entier);
    QTEST(texteGroupe(valeur, QLatin1Char(' ')), "groupe");
    QTEST(texteTotalVente(valeur), "total");
}

void TestPanier::lireMontant_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<std::optional<double>>("attendu");
    QTest::newRow("entier") << "20000" << std::optional<double>(20000);
    QTest::newRow("groupé") << "20 000" << std::optional<double>(20000);
    QTest::newRow("virgule") << "12500,5" << std::optional<double>(12500.5);
    QTest::newRow("point") << "12500.5" << std::optional<double>(12500.5);
    QTest::newRow("vide") << "" << std::optional<double>(0);
    QTest::newRow("blancs") << "  " << std::optional<double>(0);
    QTest::newRow("négatif") << "-5" << std::optional<double>(-5);
    QTest::newRow("lettres") << "12a" << std::optional<double>();
    QTest::newRow("mot") << "vingt" << std::optional<double>();
    QTest::newRow("deux séparateurs") << "1,2,3" << std::optional<double>();
    QTest::newRow("infini") << "inf" << std::optional<double>();
}

void TestPanier::lireMontant()
{
    QFETCH(QString, texte);
    QFETCH(std::optional<double>, attendu);
    QCOMPARE(talvex::lireMontant(texte), attendu);
    if (attendu) {
        QCOMPARE(montantSaisi(texte), *attendu);
        return;
    }
    try {
        montantSaisi(texte);
        QFAIL("a text that does not read must be refused");
    } catch (const EConvertError& e) {
        QVERIFY2(e.message().contains("n'est pas un montant valide"), qPrintable(e.message()));
    }
}

void TestPanier::panierRegroupeLesCodes()
{
    TPanier panier;
    QAbstractItemModelTester testeur(&panier, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(panier.rowCount(), 1); // the empty row where the next line goes

    const int savon = panier.ajouter(article("61", "Savon", 1250.60));
    QCOMPARE(panier.chercher(" 61 "), savon);
    // A scanned code with leading zeros is the same article as its stored number.
    QCOMPARE(panier.chercher("0061"), savon);
    panier.augmenter(panier.chercher("0061"));
    QCOMPARE(panier.nombreLignes(), 1);
    QCOMPARE(panier.rowCount(), 2);
    QCOMPARE(cellule(panier, 0, TPanier::Quantite), "2");
    QCOMPARE(cellule(panier, 0, TPanier::PrixUnitaire), "1251");
    QCOMPARE(cellule(panier, 0, TPanier::Total), "2 502");
    QCOMPARE(cellule(panier, 1, TPanier::Code), QString());
    QCOMPARE(panier.total(), 2502.0);

    const int lettres = panier.ajouter(article("AB-1", "Objet", 10));
    QCOMPARE(panier.chercher("ab-1"), lettres);
    QCOMPARE(panier.chercher("62"), -1);
}

void TestPanier::panierTotauxEtSuppression()
{
    TPanier panier;
    QAbstractItemModelTester testeur(&panier, QAbstractItemModelTester::FailureReportingMode::QtTest);
    panier.ajouter(article("61", "Savon", 1250.60));
    panier.ajouter(article("62", "Lait", 5000));
    panier.ajouter(article("63", "Riz", 2500.40));
    panier.changerQuantite(1, 2);
    panier.changerQuantite(2, 0); // refused: a quantity is at least 1
    QCOMPARE(panier.total(), 1251.0 + 10000 + 2500);
    QCOMPARE(cellule(panier, 1, TPanier::Total), "10 000");

    panier.supprimer(1);
    QCOMPARE(panier.nombreLignes(), 2);
    QCOMPARE(cellule(panier, 1, TPanier::Code), "63");
    panier.supprimer(2); // the empty last row cannot be removed
    QCOMPARE(panier.rowCount(), 3);
    panier.vider();
    QVERIFY(panier.estVide());
    QCOMPARE(panier.rowCount(), 1);
    QCOMPARE(texteTotalVente(panier.total()), "FCFA ");
}

void TestPanier::preparerVente()
{
    TPanier panier;
    panier.ajouter(article("61", "Savon", 1250.60));
    panier.ajouter(article("62", "Lait", 5000));
    panier.changerQuantite(1, 2);

    const auto vente = panier.preparerVente(" 41 ", QDate(2024, 3, 15), "2");
    QCOMPARE(vente->codevente, "41");
    QCOMPARE(vente->datevente, QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    QCOMPARE(vente->codeclient, "1");
    QCOMPARE(vente->codeutilisateur, "2");
    QCOMPARE(vente->montant, 1251.0 + 10000);
    QCOMPARE(vente->lignes.nombre(), 2);
    QCOMPARE(vente->lignes.element(1)->codevente, 41);
    QCOMPARE(vente->lignes.element(1)->prixventeunitaire, 1251.0);
    QCOMPARE(vente->lignes.element(2)->cantart, 2);

    for (const char* numero : {"abc", "", "12a", "99999999999"}) {
        try {
            panier.preparerVente(QString::fromLatin1(numero), QDate(2024, 3, 15), "2");
            QFAIL(numero);
        } catch (const EConvertError& e) {
            QVERIFY(e.message().startsWith("Le numéro de facture"));
        }
    }
    // An empty cart gives a sale without lines, whatever the number holds.
    QVERIFY(TPanier().preparerVente("abc", QDate(2024, 3, 15), "2")->lignes.estVide());
}

void TestPanier::alerteStock()
{
    const TArticle lait = article("62", "Lait", 5000, 3);
    QCOMPARE(texteAlerteStock(&lait, "62", 3), QString());
    QCOMPARE(texteAlerteStock(&lait, "62", 5), "Le stock disponible de Lait(3) est inferieur à cette demande");
    QVERIFY(texteAlerteStock(nullptr, " 62 ", 1).contains("62 n'existe plus"));
}

void TestPanier::enregistrerVente()
{
    TPanier panier;
    remplirDeLaBoutique(panier, {"62", "61"});
    panier.changerQuantite(0, 5); // 5 units of an article with 3 in stock
    auto vente = panier.preparerVente("1", QDate(2024, 3, 15), "1");
    vente->montant_paye = 30000;
    vente->relicat = 30000 - vente->montant;

    // Another workstation recorded sale 1 after this one was numbered.
    auto autre = panier.preparerVente("1", QDate(2024, 3, 15), "1");
    QCOMPARE(enregistrerVenteComptoir(module(), *autre), 1);

    QCOMPARE(enregistrerVenteComptoir(module(), *vente), 2);
    QCOMPARE(vente->codevente, "2");
    QCOMPARE(nombre(module(), "SELECT COUNT(*) FROM tb_detailvente_art WHERE codevente=2"), 2);
    QCOMPARE(nombre(module(), "SELECT relicat FROM tb_vente WHERE codevente=2"), qint64(30000 - 26251));
    QCOMPARE(stock(module(), 62), -7);
    QCOMPARE(stock(module(), 61), 8);
}

void TestPanier::enregistrerVenteArticleDisparu()
{
    TPanier panier;
    remplirDeLaBoutique(panier, {"61", "62"});
    auto vente = panier.preparerVente("1", QDate(2024, 3, 15), "1");
    module().executer("DELETE FROM tb_article WHERE codearticle=61");

    try {
        enregistrerVenteComptoir(module(), *vente);
        QFAIL("a sale naming a deleted article must be refused");
    } catch (const EArticleAbsent& e) {
        QVERIFY2(e.message().startsWith("L'article 61 n'existe plus"), qPrintable(e.message()));
    }
    QCOMPARE(nombre(module(), "SELECT COUNT(*) FROM tb_vente"), 0);
    QCOMPARE(nombre(module(), "SELECT COUNT(*) FROM tb_detailvente_art"), 0);
    QCOMPARE(stock(module(), 62), 3);
    QVERIFY(!module().enTransaction());
}

void TestPanier::listeArticlesParPages()
{
    // More than two pages of articles whose names share their first letters.
    const int nombreArticles = 2 * TModeleArticles::TAILLE_PAGE + 17;
    QList<ArticleDeTest> articles {{7, "Zèbre en peluche", "jouet", 1500, 2}};
    for (int i = 0; i < nombreArticles; ++i)
        articles.append({1000 + i, QString("Article %1").arg(nombreArticles - i, 4, 10, QChar('0')), "", 10.5, i});
    ajouterArticles(module(), articles);
    TModeleArticles modele;
    QAbstractItemModelTester testeur(&modele, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(modele.lister(1, 1, "art"));
    QCOMPARE(modele.rowCount(), TModeleArticles::PREMIERE_PAGE);
    QVERIFY(modele.canFetchMore({}));
    QCOMPARE(codesListes(modele).size(), nombreArticles);
    // Ordered by name: the last code has the smallest name.
    QCOMPARE(modele.texte(0, TModeleArticles::Nom), "Article 0001");
    QCOMPARE(modele.texte(0, TModeleArticles::Code), QString::number(1000 + nombreArticles - 1));
    QCOMPARE(modele.texte(nombreArticles - 1, TModeleArticles::Nom),
             QString("Article %1").arg(nombreArticles, 4, 10, QChar('0')));
    QCOMPARE(modele.index(0, TModeleArticles::PrixVente).data().toString(), QLocale().toString(10.5));

    // No match: false, and the list stays as it was.
    QVERIFY(!modele.lister(1, 1, "introuvable"));
    QCOMPARE(modele.rowCount(), nombreArticles);
    QVERIFY(modele.lister(1, 2, "peluche"));
    QCOMPARE(modele.rowCount(), 1);
    QVERIFY(!modele.canFetchMore({}));
    QCOMPARE(modele.texte(0, TModeleArticles::Stock), "2");
    modele.vider();
    QCOMPARE(modele.rowCount(), 0);
}

void TestPanier::listeArticlesCriteres_data()
{
    QTest::addColumn<int>("champ");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("code commençant") << 2 << 1 << "6" << QStringList {"61", "62", "63", "640", "6111000000017"};
    QTest::newRow("code contenant") << 2 << 2 << "4" << QStringList {"640"};
    QTest::newRow("nom commençant, casse ignorée") << 1 << 1 << "sa" << QStringList {"640", "61"};
    QTest::newRow("nom contenant") << 1 << 2 << "i" << QStringList {"6111000000017", "62", "63", "640"};
    QTest::newRow("description contenant") << 3 << 2 << "sucré" << QStringList {"62"};
    QTest::newRow("tout") << 3 << 1 << "" << QStringList {"6111000000017", "62", "63", "640", "61"};
    QTest::newRow("joker") << 1 << 1 << "_a" << QStringList {"6111000000017", "62", "640", "61"};
    QTest::newRow("aucun") << 1 << 1 << "zz" << QStringList {};
}

void TestPanier::listeArticlesCriteres()
{
    QFETCH(int, champ);
    QFETCH(int, mode);
    QFETCH(QString, texte);
    QFETCH(QStringList, codes);
    boutiqueDeTest(module());
    TModeleArticles modele;
    QCOMPARE(modele.lister(champ, mode, texte), !codes.isEmpty());
    const QStringList lus = codesListes(modele);
    QCOMPARE(lus, codes);
    // The same articles, in the same order, as the data access's search.
    QCOMPARE(lus, codesTrouves(module(), champ, mode, texte));
}

void TestPanier::listeParDebutDeCode_data()
{
    QTest::addColumn<QString>("texte");
    QTest::newRow("un chiffre") << "7";
    QTest::newRow("deux chiffres") << "71";
    QTest::newRow("code exact et plus longs") << "7100";
    QTest::newRow("aucun") << "9";
    QTest::newRow("zéro en tête") << "07";
    QTest::newRow("joker") << "7_";
    QTest::newRow("trop long") << "71234567890123456789";
}

void TestPanier::listeParDebutDeCode()
{
    // Codes of every length beginning with 7, around the ends of the ranges read and
    // of the pages, and codes near them that must not come.
    QList<ArticleDeTest> articles;
    for (qint64 code : {qint64(7),
                        qint64(69),
                        qint64(8),
                        qint64(799999),
                        qint64(800000),
                        qint64(7000000000000),
                        qint64(7999999999999),
                        qint64(8000000000000),
                        qint64(710000000000000000)})
        articles.append({code, "Article", "", 1, 1});
    for (int i = 0; i < 10; ++i)
        articles.append({70 + i, "Article", "", 1, 1});
    for (int i = 0; i < 300; ++i)
        articles.append({7000 + 3 * i, "Article", "", 1, 1});
    ajouterArticles(module(), articles);
    QFETCH(QString, texte);
    TModeleArticles modele;
    QAbstractItemModelTester testeur(&modele, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList attendus = codesTrouves(module(), 2, 1, texte);
    QCOMPARE(modele.lister(2, 1, texte), !attendus.isEmpty());
    QCOMPARE(codesListes(modele), attendus);
}

void TestPanier::listeEnTapant_data()
{
    QTest::addColumn<int>("champ");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("frappes");
    QTest::newRow("description contenant")
        << 3 << 2 << QStringList {"m", "ma", "mar", "mars", "marse", "mars", "ma", "a"};
    QTest::newRow("nom commençant") << 1 << 1 << QStringList {"s", "sa", "sav", "sa", "sar", "s", "S", "Sa%"};
    QTest::newRow("code contenant") << 2 << 2 << QStringList {"1", "11", "111", "11", "1"};
}

void TestPanier::listeEnTapant()
{
    // Each keystroke lists what the data access's search finds, whatever was typed before.
    boutiqueDeTest(module());
    QList<ArticleDeTest> articles;
    const QStringList noms = {"Savon", "savonnette", "Sardines", "SAVON noir", "Sac", "Marmelade", "Sauce"};
    for (int i = 0; i < 120; ++i) {
        const QString nom = noms.at(i % noms.size()) + QString::number(i);
        const QString description = i % 3 ? "Savon de Marseille" : (i % 2 ? "marmite" : "Crème");
        articles.append({1100 + 37 * i, nom, description + QString::number(i % 11), 10, 1});
    }
    ajouterArticles(module(), articles);
    QFETCH(int, champ);
    QFETCH(int, mode);
    QFETCH(QStringList, frappes);
    TModeleArticles modele;
    modele.vider();
    for (const QString& texte : frappes) {
        const QStringList attendus = codesTrouves(module(), champ, mode, texte);
        QCOMPARE(modele.lister(champ, mode, texte), !attendus.isEmpty());
        if (!attendus.isEmpty())
            QCOMPARE(codesListes(modele), attendus);
    }
}

QTEST_GUILESS_MAIN(TestPanier)
#include "tst_panier.moc"
