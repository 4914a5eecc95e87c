// Data access on users, login sessions with their journal, and appearance settings.

#include "aideaccesdonnees.h"
#include "core/errors.h"

#include <memory>

using namespace talvex;
using namespace talvex::test;

namespace {

TUtilisateur utilisateur(const QString& nom, const QString& prenom, const QString& login, const QString& config = "3")
{
    TUtilisateur u;
    u.nom = nom;
    u.prenom = prenom;
    u.login = login;
    u.pass = "pass-" + login;
    u.config = config;
    return u;
}

TSession session(const QString& codeutil, const QDateTime& datein)
{
    TSession s;
    s.codeutil = codeutil;
    s.datein = datein;
    return s;
}

const QDateTime CONNEXION(QDate(2011, 3, 7), QTime(8, 30, 15, 789));

} // namespace

class TestUtilisateurs : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDeTest> base;
    TDataModule_TALVEX& m() { return base->module(); }
    TAccesDonneesuite acces() { return TAccesDonneesuite(m()); }

    // User 1 is the first shop manager "admin" of every new database.
    void creerUtilisateurs()
    {
        for (const TUtilisateur& u : {utilisateur("Diop", "Awa", "awa"),
                                      utilisateur("diallo", "Moussa", "a_b", "2"),
                                      utilisateur("Ba", "Awa", "axb"),
                                      utilisateur("Sy", QString::fromUtf8("Élodie"), "50%"),
                                      utilisateur("Ndiaye", "Fatou", "dom\\awa")})
            QVERIFY(acces().insererUtilisateur(u));
    }
    QStringList sessions() { return lignes(m(), "SELECT * FROM tb_session ORDER BY codesession"); }

private slots:
    void init() { base = std::make_unique<BaseDeTest>(); }
    void cleanup() { base.reset(); }

    void chercherUtilisateurs_data();
    void chercherUtilisateurs();
    void listerUtilisateurs_data();
    void listerUtilisateurs();
    void getUtilisateurParLogin_data();
    void getUtilisateurParLogin();
    void ecrireUtilisateur();
    void sessionEtJournal();
    void sessionJamaisOuverte();
    void configuration();
    void codeNonNumerique_data();
    void codeNonNumerique();
    void texteHostile_data() { textesHostiles(); }
    void texteHostile();
};

void TestUtilisateurs::chercherUtilisateurs_data()
{
    QTest::addColumn<int>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    using L = QStringList;
    QTest::newRow("numero") << 0 << "3" << L {"3"};
    QTest::newRow("numero absent") << 0 << "9" << L {};
    QTest::newRow("nom commence") << 1 << "d" << L {"2", "3"};
    QTest::newRow("nom contient") << 2 << "i" << L {"1", "2", "3", "6"};
    QTest::newRow("nom egal, casse ignoree") << 3 << "BA" << L {"4"};
    QTest::newRow("prenom commence") << 4 << "aw" << L {"2", "4"};
    QTest::newRow("prenom contient") << 5 << "lod" << L {"5"};
    QTest::newRow("prenom egal") << 6 << "awa" << L {"2", "4"};
    QTest::newRow("login commence") << 7 << "a" << L {"1", "2", "3", "4"};
    QTest::newRow("login contient pourcent") << 8 << "%" << L {"1", "2", "3", "4", "5", "6"};
    QTest::newRow("login egal en capitales") << 9 << "ADMIN" << L {"1"};
    QTest::newRow("souligne joker") << 9 << "a_b" << L {"3", "4"};
    QTest::newRow("pourcent joker") << 9 << "50%" << L {"5"};
    QTest::newRow("barre oblique ordinaire") << 9 << "DOM\\AWA" << L {"6"};
    QTest::newRow("tous") << 10 << "" << L {"1", "2", "3", "4", "5", "6"};
    QTest::newRow("critere inconnu") << 11 << "" << L {};
}

void TestUtilisateurs::chercherUtilisateurs()
{
    QFETCH(int, critere);
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    creerUtilisateurs();
    const TListeUtilisateur trouves = acces().chercherUtilisateurs(critere, texte);
    QCOMPARE(codes(trouves, &TUtilisateur::codeutilisateur), attendu);
    for (const auto& u : trouves)
        QVERIFY(u->pass.size() > 4);
}

void TestUtilisateurs::listerUtilisateurs_data()
{
    QTest::addColumn<int>("critere");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendu");
    using L = QStringList;
    QTest::newRow("tous") << 0 << "" << L {"1", "2", "3", "4", "5", "6"};
    QTest::newRow("numero vide") << 1 << "" << L {"1", "2", "3", "4", "5", "6"};
    QTest::newRow("numero commence") << 1 << "3" << L {"3"};
    QTest::newRow("nom commence") << 2 << "d" << L {"2", "3"};
    QTest::newRow("nom contient, par nom") << 3 << "a" << L {"1", "4", "6", "3"};
    QTest::newRow("nom egal") << 4 << "DIOP" << L {"2"};
    QTest::newRow("prenom commence") << 5 << "Awa" << L {"2", "4"};
    QTest::newRow("prenom contient, par prenom") << 6 << "o" << L {"6", "3", "5"};
    QTest::newRow("prenom egal") << 7 << "awa" << L {"2", "4"};
    QTest::newRow("login commence, par login") << 8 << "a" << L {"3", "1", "2", "4"};
    QTest::newRow("login contient") << 9 << "b" << L {"3", "4"};
    QTest::newRow("login egal") << 10 << "AWA" << L {"2"};
    QTest::newRow("critere inconnu") << 11 << "" << L {};
}

void TestUtilisateurs::listerUtilisateurs()
{
    QFETCH(int, critere);
    QFETCH(QString, texte);
    QFETCH(QStringList, attendu);
    creerUtilisateurs();
    const TListeUtilisateur trouves = acces().listerUtilisateurs(critere, texte);
    QCOMPARE(codes(trouves, &TUtilisateur::codeutilisateur), attendu);
    for (const auto& u : trouves) {
        QVERIFY(u->pass.isEmpty());
        QVERIFY(!u->login.isEmpty());
        QCOMPARE(u->statut, "1");
    }
}

void TestUtilisateurs::getUtilisateurParLogin_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("capitales et blancs") << " ADMIN\t"
                                         << "1";
    QTest::newRow("souligne litteral") << "a_b"
                                       << "3";
    QTest::newRow("souligne en capitales") << "A_B"
                                           << "3";
    QTest::newRow("sans souligne") << "axb"
                                   << "4";
    QTest::newRow("pourcent litteral") << "50%"
                                       << "5";
    QTest::newRow("pourcent ne complete pas") << "a%"
                                              << "";
    QTest::newRow("souligne ne remplace pas") << "5_%"
                                              << "";
    QTest::newRow("barre oblique") << "DOM\\AWA"
                                   << "6";
    QTest::newRow("debut seulement") << "adm"
                                     << "";
    QTest::newRow("vide") << ""
                          << "";
}

void TestUtilisateurs::getUtilisateurParLogin()
{
    QFETCH(QString, login);
    QFETCH(QString, attendu);
    creerUtilisateurs();
    const auto u = acces().getUtilisateurParLogin(login);
    QCOMPARE(u ? u->codeutilisateur : QString(), attendu);
    if (u && attendu == "3") {
        QCOMPARE(u->nom, "diallo");
        QCOMPARE(u->prenom, "Moussa");
        QCOMPARE(u->login, "a_b");
        QCOMPARE(u->pass, "pass-a_b");
        QCOMPARE(u->config, "2");
        QCOMPARE(u->statut, "1");
        QVERIFY(u->adresse.isEmpty());
    }
}

void TestUtilisateurs::ecrireUtilisateur()
{
    QVERIFY(acces().insererUtilisateur(utilisateur("Diop", "Awa", "awa")));
    // A new user is active: statut takes its default.
    QCOMPARE(lignes(m(), "SELECT * FROM tb_utilisateur WHERE codeutilisateur=2"),
             QStringList {"2:Diop:Awa:awa:pass-awa:3:1"});

    TUtilisateur modifie = utilisateur("Diop", "Awa Marie", "awa.diop", "2");
    modifie.pass = "ignoré";
    modifie.statut = "0";
    QVERIFY(acces().modifierUtilisateur(modifie, "2"));
    QVERIFY(acces().modifierMotDePasse("2", "9dc6fac304032b726558428eb0e31d5a"));
    QCOMPARE(lignes(m(), "SELECT * FROM tb_utilisateur WHERE codeutilisateur=2"),
             QStringList {"2:Diop:Awa Marie:awa.diop:9dc6fac304032b726558428eb0e31d5a:2:0"});

    QVERIFY(!acces().modifierUtilisateur(modifie, "7"));
    QVERIFY(!acces().modifierMotDePasse("7", "x"));
    QVERIFY(acces().supprimerUtilisateur("2"));
    QVERIFY(!acces().supprimerUtilisateur("2"));
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_utilisateur"), 1);
}

void TestUtilisateurs::sessionEtJournal()
{
    const TSession s = session("2", CONNEXION);
    QVERIFY(acces().ouvrirSession(s));
    QVERIFY(acces().ouvrirSession(session("3", CONNEXION)));
    QCOMPARE(sessions(), (QStringList {"1:2011-03-07 08:30:15::2:", "2:2011-03-07 08:30:15::3:"}));

    QVERIFY(acces().journaliserAction(s, "12"));
    // The same login instant without its milliseconds finds the same row.
    QVERIFY(acces().journaliserAction(session("2", QDateTime(CONNEXION.date(), QTime(8, 30, 15))), "3"));
    TSession fin = s;
    fin.dateout = QDateTime(QDate(2011, 3, 7), QTime(18, 5, 0, 999));
    QVERIFY(acces().fermerSession(fin));
    QCOMPARE(sessions(),
             (QStringList {"1:2011-03-07 08:30:15:2011-03-07 18:05:00:2:-12-3", "2:2011-03-07 08:30:15::3:"}));
}

void TestUtilisateurs::sessionJamaisOuverte()
{
    QVERIFY(acces().ouvrirSession(session("2", CONNEXION)));
    const QStringList avant = sessions();
    TSession autre = session("2", CONNEXION.addSecs(1));
    autre.dateout = CONNEXION.addSecs(60);
    QVERIFY(!acces().fermerSession(autre));
    QVERIFY(!acces().journaliserAction(autre, "5"));
    const TSession autreUtilisateur = session("4", CONNEXION);
    QVERIFY(!acces().journaliserAction(autreUtilisateur, "5"));
    QCOMPARE(sessions(), avant);
}

void TestUtilisateurs::configuration()
{
    QVERIFY(!acces().getConfiguration("2"));
    TConfig_usr c;
    c.codeutil = "2";
    c.apparence = "Office 2007";
    QVERIFY(acces().insererConfiguration(c));
    auto lue = acces().getConfiguration("2");
    QVERIFY(lue);
    QCOMPARE((QStringList {lue->codeutil, lue->apparence, lue->droit1, lue->droit2}),
             (QStringList {"2", "Office 2007", "0", "0"}));

    c.apparence = "Nuit";
    c.droit1 = "-12";
    c.droit2 = "7";
    QVERIFY(acces().modifierConfiguration(c));
    lue = acces().getConfiguration("2");
    QCOMPARE((QStringList {lue->codeutil, lue->apparence, lue->droit1, lue->droit2}),
             (QStringList {"2", "Nuit", "-12", "7"}));
    c.codeutil = "3";
    QVERIFY(!acces().modifierConfiguration(c));
    QVERIFY(!acces().getConfiguration("3"));
}

void TestUtilisateurs::codeNonNumerique_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("vide") << "";
    QTest::newRow("lettres") << "admin";
    QTest::newRow("injection") << "1); DELETE FROM tb_utilisateur; --";
}

void TestUtilisateurs::codeNonNumerique()
{
    QFETCH(QString, code);
    QVERIFY(acces().ouvrirSession(session("1", CONNEXION)));
    const QStringList avant = lignes(m(), "SELECT * FROM tb_utilisateur") + sessions();
    TUtilisateur u = utilisateur("X", "Y", "z");
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().modifierUtilisateur(u, code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().modifierMotDePasse(code, "x"));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().supprimerUtilisateur(code));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().chercherUtilisateurs(0, code));
    u.config = code;
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().insererUtilisateur(u));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().ouvrirSession(session(code, CONNEXION)));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().fermerSession(session(code, CONNEXION)));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().journaliserAction(session(code, CONNEXION), "1"));
    TConfig_usr c;
    c.codeutil = code;
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().insererConfiguration(c));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().modifierConfiguration(c));
    QVERIFY_THROWS_EXCEPTION(EConvertError, acces().getConfiguration(code));
    QCOMPARE(lignes(m(), "SELECT * FROM tb_utilisateur") + sessions(), avant);
    QCOMPARE(compter(m(), "SELECT COUNT(*) FROM tb_configuration"), 0);
}

void TestUtilisateurs::texteHostile()
{
    QFETCH(QString, texte);
    TUtilisateur u = utilisateur(texte, texte + "p", texte);
    u.pass = texte + "#";
    QVERIFY(acces().insererUtilisateur(u));
    const auto lu = acces().getUtilisateurParLogin(texte);
    QVERIFY(lu);
    QCOMPARE(lu->codeutilisateur, "2");
    QCOMPARE((QStringList {lu->nom, lu->prenom, lu->login, lu->pass}),
             (QStringList {texte, texte + "p", texte, texte + "#"}));
    QCOMPARE(codes(acces().chercherUtilisateurs(9, texte), &TUtilisateur::codeutilisateur), QStringList {"2"});
    u.statut = texte;
    QVERIFY(acces().modifierUtilisateur(u, "2"));
    QCOMPARE(lireTextes(m(), "SELECT statut FROM tb_utilisateur WHERE codeutilisateur=2"), QStringList {texte});

    TConfig_usr c;
    c.codeutil = "2";
    c.apparence = texte;
    QVERIFY(acces().insererConfiguration(c));
    QCOMPARE(acces().getConfiguration("2")->apparence, texte);
    c.droit1 = texte + "1";
    c.droit2 = texte + "2";
    QVERIFY(acces().modifierConfiguration(c));
    const auto lue = acces().getConfiguration("2");
    QCOMPARE((QStringList {lue->apparence, lue->droit1, lue->droit2}), (QStringList {texte, texte + "1", texte + "2"}));

    const TSession s = session("2", CONNEXION);
    QVERIFY(acces().ouvrirSession(s));
    QVERIFY(acces().journaliserAction(s, texte));
    QCOMPARE(lireTextes(m(), "SELECT incident FROM tb_session"), QStringList {"-" + texte});
}

QTEST_GUILESS_MAIN(TestUtilisateurs)
#include "tst_dataaccess_utilisateurs.moc"
