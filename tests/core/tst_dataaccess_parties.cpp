// Data access on clients and suppliers: searches that hide the placeholder rows, writes,
// and the reassignment of sales and supplies before a party is deleted.

#include "aideaccesdonnees.h"
#include "core/errors.h"

#include <memory>

using namespace talvex;
using namespace talvex::test;

namespace {

template<typename Personne>
Personne personne(const QString& nom, const QString& prenom, const QString& adresse, const QString& telephone)
{
    Personne p;
    p.nom = nom;
    p.prenom = prenom;
    p.adresse = adresse;
    p.telephone = telephone;
    return p;
}

} // namespace

class TestParties : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDeTest> base;
    TDataModule_TALVEX& m() { return base->module(); }
    TAccesDonneesuite acces() { return TAccesDonneesuite(m()); }

    void creerClients()
    {
        for (const TClient& c : {personne<TClient>("Diallo", "Awa", "Rue 5\nDakar", "77 123 45 67"),
                                 personne<TClient>("diop", "Moussa", "Avenue Bourguiba", "76 000 11 22"),
                                 personne<TClient>("Ba", QString::fromUtf8("Élodie"), "Rue 10", "33 800"),
                                 personne<TClient>("anonyme", "x", "", ""),
                                 personne<TClient>("Zinc_Co", "Paul", "50% rue", "77 999")})
            QVERIFY(acces().insererClient(c));
    }
    void creerFournisseurs()
    {
        for (const TFournisseur& f : {personne<TFournisseur>("neant", "x", "", ""),
                                      personne<TFournisseur>("Sahel SA", "Awa", "", ""),
                                      personne<TFournisseur>("NEANT ", "NEANT", "", "")})
            QVERIFY(acces().insererFournisseur(f));
    }
    // Sales 10 and 11 of client 2, 12 of client 3; supplies 20 and 21 of supplier 2, 22 of 3.
    void creerMouvements()
    {
        using Paires = std::initializer_list<std::pair<int, int>>;
        for (const auto& [vente, client] : Paires {{10, 2}, {11, 2}, {12, 3}})
            m().executer("INSERT INTO tb_vente (codevente, codeclient) VALUES (?, ?)", {vente, client});
        for (const auto& [approv, fournisseur] : Paires {{20, 2}, {21, 2}, {22, 3}})
            m().executer("INSERT INTO tb_approvisionnement (codeapprov, codefournisseur) VALUES (?, ?)",
                         {approv, fournisseur});
    }
    QStringList proprietaires()
    {
        return lireTextes(m(), "SELECT codeclient FROM tb_vente ORDER BY codevente")
            + lireTextes(m(), "SELECT codefournisseur FROM tb_approvisionnement ORDER BY codeapprov");
    }

private slots:
    void init() { base = std::make_unique<BaseDeTest>(); }
    void cleanup() { base.reset(); }

    void chercherClients_data();
    void chercherClients();
    void champsDuClient();
    void chercherFournisseurs_data();
    void chercherFournisseurs();
    void modifierClient_data();
    void modifierClient();
    void modifierEtSupprimerFournisseur();
    void getParNom();
    void transferer();
    void supprimerEtTransferer();
    void suppressionInterrompue();
    void codeNonNumerique_data();
    void codeNonNumerique();
    void texteHostile_data() { textesHostiles(); }
    void texteHostile();
};

void TestParties::chercherClients_data()
{
    QTest::addColumn<int>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    using L = QStringList;
    QTest::newRow("nom vide: tous sauf le client 1") << 2 << "" << L {"4", "2", "6", "5", "3"};
    QTest::newRow("code vide") << 1 << "" << L {"2", "3", "4", "5", "6"};
    QTest::newRow("code commence") << 1 << "3" << L {"3"};
    QTest::newRow("code 1 jamais rendu") << 1 << "1" << L {};
    QTest::newRow("nom commence, casse ignoree") << 2 << "di" << L {"2", "3"};
    QTest::newRow("nom contient") << 3 << "O" << L {"2", "6", "5", "3"};
    QTest::newRow("prenom commence accentue") << 4 << QString::fromUtf8("é") << L {"4"};
    QTest::newRow("prenom contient") << 5 << "ou" << L {"3"};
    QTest::newRow("telephone commence") << 6 << "77" << L {"2", "6"};
    QTest::newRow("telephone contient") << 7 << "00" << L {"4", "3"};
    QTest::newRow("adresse contient") << 8 << "rue" << L {"6", "4", "2"};
    QTest::newRow("souligne joker") << 3 << "c_c" << L {"6"};
    QTest::newRow("pourcent joker") << 2 << "d%p" << L {"3"};
    QTest::newRow("critere inconnu") << 9 << "" << L {};
}

void TestParties::chercherClients()
{
    QFETCH(int, critere);
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    creerClients();
    QCOMPARE(codes(acces().chercherClients(critere, texte), &TClient::codeclient), attendu);
}

void TestParties::champsDuClient()
{
    TClient c = personne<TClient>("Diallo", "Awa", "Rue 5\nDakar", "77 123 45 67");
    c.achat_acc = 1000;
    QVERIFY(acces().insererClient(c));
    const TListeClient trouves = acces().chercherClients(1, "2");
    QCOMPARE(trouves.nombre(), 1);
    const TClient& lu = *trouves.element(1);
    QCOMPARE(lu.codeclient, "2");
    QCOMPARE(lu.nom, c.nom);
    QCOMPARE(lu.prenom, c.prenom);
    QCOMPARE(lu.adresse, c.adresse);
    QCOMPARE(lu.telephone, c.telephone);
    QCOMPARE(lu.achat_acc, 0.0);
    QCOMPARE(lireTextes(m(), "SELECT achat_acc FROM tb_client WHERE codeclient=2"), QStringList {"1000"});
}

void TestParties::chercherFournisseurs_data()
{
    QTest::addColumn<int>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    using L = QStringList;
    QTest::newRow("code") << 1 << "" << L {"2", "3", "4"};
    QTest::newRow("nom") << 2 << "" << L {"4", "3", "2"};
    QTest::newRow("nom contient") << 3 << "" << L {"4", "3", "2"};
    QTest::newRow("prenom") << 4 << "" << L {"3", "4", "2"};
    QTest::newRow("prenom contient") << 5 << "" << L {"3", "4", "2"};
    QTest::newRow("telephone") << 6 << "" << L {"2", "3", "4"};
    QTest::newRow("telephone contient") << 7 << "" << L {"2", "3", "4"};
    QTest::newRow("adresse") << 8 << "" << L {"2", "3", "4"};
    QTest::newRow("NEANT en toutes casses") << 2 << "NEANT" << L {"4", "2"};
    QTest::newRow("code 1") << 1 << "1" << L {};
}

void TestParties::chercherFournisseurs()
{
    QFETCH(int, critere);
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    creerFournisseurs();
    // Only the row named exactly "NEANT" is hidden; "neant" and "NEANT " are ordinary suppliers.
    QCOMPARE(codes(acces().chercherFournisseurs(critere, texte), &TFournisseur::codefournisseur), attendu);
}

void TestParties::modifierClient_data()
{
    QTest::addColumn<double>("ajout");
    QTest::addColumn<QString>("cumul");
    QTest::newRow("rien a ajouter") << 0.0 << "1000";
    QTest::newRow("2500 de plus") << 2500.0 << "3500";
    QTest::newRow("avec centimes") << 0.5 << "1000.5";
}

void TestParties::modifierClient()
{
    QFETCH(double, ajout);
    QFETCH(QString, cumul);
    TClient c = personne<TClient>("Diallo", "Awa", "", "");
    c.achat_acc = 1000;
    QVERIFY(acces().insererClient(c));
    TClient modifie = personne<TClient>("Diallo", "Awa Marie", "Thiès", "33 1");
    modifie.achat_acc = ajout;
    QVERIFY(acces().modifierClient(modifie, "2"));
    QCOMPARE(lignes(m(), "SELECT nom, prenom, adresse, telephone, achat_acc FROM tb_client WHERE codeclient=2"),
             QStringList {QString::fromUtf8("Diallo:Awa Marie:Thiès:33 1:") + cumul});
    QVERIFY(!acces().modifierClient(modifie, "9"));
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_client"), 2);
}

void TestParties::modifierEtSupprimerFournisseur()
{
    creerFournisseurs();
    QVERIFY(acces().modifierFournisseur(personne<TFournisseur>("Sahel", "Awa", "Kaolack", "33 9"), "3"));
    QCOMPARE(lignes(m(), "SELECT * FROM tb_fournisseur WHERE codefournisseur=3"),
             QStringList {"3:Sahel:Awa:Kaolack:33 9"});
    QVERIFY(!acces().modifierFournisseur(personne<TFournisseur>("X", "Y", "", ""), "9"));
    QVERIFY(acces().supprimerFournisseur("3"));
    QVERIFY(!acces().supprimerFournisseur("3"));
    QCOMPARE(codes(acces().chercherFournisseurs(1, ""), &TFournisseur::codefournisseur), (QStringList {"2", "4"}));
}

void TestParties::getParNom()
{
    creerClients();
    creerFournisseurs();
    // Client 5 is named "anonyme" too, but its first name is not.
    QCOMPARE(acces().getClientParNom("anonyme"), 1);
    QCOMPARE(acces().getClientParNom("Diallo"), 0);
    QCOMPARE(acces().getFournisseurParNom("NEANT"), 1);
    QCOMPARE(acces().getFournisseurParNom("neant"), 0);
    m().executer("DELETE FROM tb_client WHERE codeclient=1");
    QCOMPARE(acces().getClientParNom("anonyme"), 0);
}

void TestParties::transferer()
{
    creerClients();
    creerFournisseurs();
    creerMouvements();
    QVERIFY(acces().transfererVentes("2", "anonyme"));
    QVERIFY(acces().transfererApprovisionnements("3", "NEANT"));
    QCOMPARE(proprietaires(), (QStringList {"1", "1", "3", "2", "2", "1"}));
    // Nothing left to move: false.
    QVERIFY(!acces().transfererVentes("2", "anonyme"));
    QVERIFY(!acces().transfererApprovisionnements("4", "NEANT"));
}

void TestParties::supprimerEtTransferer()
{
    creerClients();
    creerFournisseurs();
    creerMouvements();
    QVERIFY(acces().supprimerClientEtTransfererVentes("2"));
    QVERIFY(acces().supprimerFournisseurEtTransfererApprovisionnements("2"));
    QCOMPARE(proprietaires(), (QStringList {"1", "1", "3", "1", "1", "3"}));
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_client WHERE codeclient=2"), 0);
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_fournisseur WHERE codefournisseur=2"), 0);
    // A party without sales or supplies is deleted all the same; a missing one is not.
    QVERIFY(acces().supprimerClientEtTransfererVentes("4"));
    QVERIFY(acces().supprimerFournisseurEtTransfererApprovisionnements("4"));
    QVERIFY(!acces().supprimerClientEtTransfererVentes("40"));
    QVERIFY(!acces().supprimerFournisseurEtTransfererApprovisionnements("40"));
    // The placeholders keep the moved sales and supplies: they are never deleted.
    QVERIFY(!acces().supprimerClientEtTransfererVentes("1"));
    QVERIFY(!acces().supprimerFournisseurEtTransfererApprovisionnements(
        QString::number(acces().getFournisseurParNom("NEANT"))));
    QCOMPARE(proprietaires(), (QStringList {"1", "1", "3", "1", "1", "3"}));
    QCOMPARE(acces().getClientParNom("anonyme"), 1);
    // Without its placeholder a party keeps its sales and is not deleted.
    m().executer("UPDATE tb_client SET nom=? WHERE codeclient=1", {QString("client 1")});
    QVERIFY(!acces().supprimerClientEtTransfererVentes("3"));
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_client WHERE codeclient=3"), 1);
}

void TestParties::suppressionInterrompue()
{
    creerClients();
    creerFournisseurs();
    creerMouvements();
    refuserSuppression(m(), "tb_client");
    QVERIFY_THROWS_EXCEPTION(EErreurBase, acces().supprimerClientEtTransfererVentes("2"));
    refuserSuppression(m(), "tb_fournisseur");
    QVERIFY_THROWS_EXCEPTION(EErreurBase, acces().supprimerFournisseurEtTransfererApprovisionnements("2"));
    // The reassignments were undone with the failed deletions.
    QCOMPARE(proprietaires(), (QStringList {"2", "2", "3", "2", "2", "3"}));
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_client"), 6);
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_fournisseur"), 4);
}

void TestParties::codeNonNumerique_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("vide") << "";
    QTest::newRow("lettres") << "deux";
    QTest::newRow("injection") << "2 OR 1=1";
}

void TestParties::codeNonNumerique()
{
    QFETCH(QString, code);
    creerClients();
    creerFournisseurs();
    creerMouvements();
    const QString avant = lignes(m(), "SELECT * FROM tb_client ORDER BY codeclient").join('|')
        + lignes(m(), "SELECT * FROM tb_fournisseur ORDER BY codefournisseur").join('|');
    const auto c = personne<TClient>("X", "Y", "Z", "0");
    const auto f = personne<TFournisseur>("X", "Y", "Z", "0");
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().modifierClient(c, code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().supprimerClient(code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().transfererVentes(code, "anonyme"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().supprimerClientEtTransfererVentes(code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().chercherVentes(3, code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().modifierFournisseur(f, code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().supprimerFournisseur(code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().transfererApprovisionnements(code, "NEANT"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().supprimerFournisseurEtTransfererApprovisionnements(code));
    QCOMPARE(lignes(m(), "SELECT * FROM tb_client ORDER BY codeclient").join('|')
                 + lignes(m(), "SELECT * FROM tb_fournisseur ORDER BY codefournisseur").join('|'),
             avant);
    QCOMPARE(proprietaires(), (QStringList {"2", "2", "3", "2", "2", "3"}));
}

void TestParties::texteHostile()
{
    QFETCH(QString, texte);
    const auto verifier = [&texte](const TPersonne& p) {
        return p.nom == texte && p.prenom == texte + "p" && p.adresse == texte + "a" && p.telephone == texte + "t";
    };
    QVERIFY(acces().insererClient(personne<TClient>(texte, texte + "p", texte + "a", texte + "t")));
    QVERIFY(acces().insererFournisseur(personne<TFournisseur>(texte, texte + "p", texte + "a", texte + "t")));
    for (int critere : {3, 5, 7, 8}) {
        const TListeClient clients = acces().chercherClients(critere, texte);
        QCOMPARE(clients.nombre(), 1);
        QVERIFY(verifier(*clients.element(1)));
        const TListeFournisseur fournisseurs = acces().chercherFournisseurs(critere, texte);
        QCOMPARE(fournisseurs.nombre(), 1);
        QVERIFY(verifier(*fournisseurs.element(1)));
    }
    // Written again through the updates, still verbatim.
    const QString autre = texte + "\"';";
    QVERIFY(acces().modifierClient(personne<TClient>(autre, autre, autre, autre), "2"));
    QVERIFY(acces().modifierFournisseur(personne<TFournisseur>(autre, autre, autre, autre), "2"));
    QCOMPARE(lireTextes(m(), "SELECT nom FROM tb_client WHERE codeclient=2"), QStringList {autre});
    QCOMPARE(lireTextes(m(), "SELECT telephone FROM tb_fournisseur WHERE codefournisseur=2"), QStringList {autre});
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_client"), 2);
}

QTEST_GUILESS_MAIN(TestParties)
#include "tst_dataaccess_parties.moc"
