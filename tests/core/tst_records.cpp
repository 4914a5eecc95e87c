#include "core/records.h"

#include <QtTest>

#include <memory>

using namespace talvex;

namespace {

struct Ligne
{
    qint32 quantite;
    double prix;
};

} // namespace

Q_DECLARE_METATYPE(QList<Ligne>)

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void nouvelleListe();
    void listePleineRefuse();
    void calculerMontant_data();
    void calculerMontant();
    void nouvelleSociete();
};

void TestRecords::nouvelleListe()
{
    TListeCategorie liste;
    QCOMPARE(liste.nombre(), 0);
    QVERIFY(liste.estVide());
    QVERIFY(!liste.estPleine());

    auto categorie = std::make_unique<TCategorie>();
    categorie->description = QStringLiteral("Boissons");
    const TCategorie* const ajoutee = categorie.get();
    QVERIFY(liste.ajouter(std::move(categorie)));
    QCOMPARE(liste.nombre(), 1);
    QVERIFY(!liste.estVide());
    QCOMPARE(liste.element(1), ajoutee);
    QCOMPARE(liste.element(1)->description, QStringLiteral("Boissons"));
    // Outside 1..nombre there is no record to hand out.
    QCOMPARE(liste.element(0), nullptr);
    QCOMPARE(liste.element(2), nullptr);
}

void TestRecords::listePleineRefuse()
{
    TSeqList<char> liste;
    for (int i = 0; i < TSeqList<char>::CAPACITE; ++i)
        liste.ajouter(std::make_unique<char>('x'));
    QCOMPARE(liste.nombre(), 1977723);
    QVERIFY(liste.estPleine());
    QVERIFY(!liste.ajouter(std::make_unique<char>('y')));
    QCOMPARE(liste.nombre(), 1977723);
    QCOMPARE(*liste.element(liste.nombre()), 'x');
}

void TestRecords::calculerMontant_data()
{
    QTest::addColumn<QList<Ligne>>("lignes");
    QTest::addColumn<double>("initial");
    QTest::addColumn<int>("appels");
    QTest::addColumn<double>("attendu");

    const QList<Ligne> deuxLignes {{2, 1500}, {1, 250}};
    QTest::newRow("2x1500 + 1x250") << deuxLignes << 0.0 << 1 << 3250.0;
    QTest::newRow("appele deux fois") << deuxLignes << 0.0 << 2 << 6500.0;
    QTest::newRow("ajoute au montant en place") << deuxLignes << 100.0 << 1 << 3350.0;
    QTest::newRow("sans lignes") << QList<Ligne> {} << 1000.0 << 1 << 1000.0;
}

void TestRecords::calculerMontant()
{
    QFETCH(QList<Ligne>, lignes);
    QFETCH(double, initial);
    QFETCH(int, appels);
    QFETCH(double, attendu);

    // Sales and supplies add their lines up by the same rule.
    TVente vente;
    TApprovisionnment approvisionnement;
    vente.montant = initial;
    approvisionnement.moutantapprov = initial;
    for (const Ligne& ligne : lignes) {
        auto detailVente = std::make_unique<TDetailVenteArt>();
        detailVente->cantart = ligne.quantite;
        detailVente->prixventeunitaire = ligne.prix;
        vente.lignes.ajouter(std::move(detailVente));
        auto detailApprov = std::make_unique<TDetailApprovArt>();
        detailApprov->cantapprov = ligne.quantite;
        detailApprov->prixachatunitaire = ligne.prix;
        approvisionnement.lignes.ajouter(std::move(detailApprov));
    }
    for (int i = 0; i < appels; ++i) {
        vente.calculerMontant();
        approvisionnement.calculerMontant();
    }
    QCOMPARE(vente.montant, attendu);
    QCOMPARE(approvisionnement.moutantapprov, attendu);
}

void TestRecords::nouvelleSociete()
{
    const TSociete societe;
    QCOMPARE(societe.premierDemarrage, quint8(1));
    QVERIFY(societe.adresse.isEmpty());
    QVERIFY(societe.telephone.isEmpty());
    QVERIFY(societe.fax.isEmpty());
    QVERIFY(!societe.nom.isEmpty());
    QVERIFY(!societe.slogan.isEmpty());
    QVERIFY(!societe.siteweb.isEmpty());
    QVERIFY(!societe.email.isEmpty());
}

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
