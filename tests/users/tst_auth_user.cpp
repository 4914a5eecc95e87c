#include "../shell/programmedetest.h"

#include "core/datamodule.h"
#include "core/empreinte.h"
#include "core/etat.h"
#include "settings/gestionnaireskins.h"
#include "shell/formprinc.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <optional>

using namespace talvex;
using namespace talvex::test;

namespace {

QLineEdit* champ(QDialog& d, const char* nom)
{
    return d.findChild<QLineEdit*>(QString::fromLatin1(nom));
}

} // namespace

class TestAuthUser : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        p.emplace();
        p->ajouterUtilisateur(QStringLiteral("inactif"), QStringLiteral("pass"), 3, QStringLiteral("0"));
        p->ajouterUtilisateur(QStringLiteral("blanc"), QString(), 3);
    }
    void cleanup() { p.reset(); }

    void refus_data();
    void refus();
    void reussites_data();
    void reussites();
    void champsEtTouches();
    void fenetreViergeApresDeconnexion();
    void apparenceDeLUtilisateur();
    void apparenceIllisibleSignalee();
    void erreurDeBaseDansLaFenetre();

private:
    // Opens the login window and runs `pendant` in it.
    void dansLaConnexion(const std::function<void(QDialog&)>& pendant)
    {
        p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); }, pendant);
    }

    std::optional<ProgrammeDeTest> p;
};

void TestAuthUser::refus_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("motDePasse");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("genreAttendu");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("loginApres");
    QTest::addColumn<QString>("motDePasseApres");
    const QString inconnu = QStringLiteral("Ce utilisateur n'existe pas");
    const QString incorrect = QStringLiteral("Votre mot de passe est incorrect");
    QTest::newRow("login vide") << ""
                                << ""
                                << "Introduisez votre nom d'utilisateur s'il vous plait" << genre::Information
                                << "sEdit_login"
                                << ""
                                << "";
    QTest::newRow("mot de passe vide") << "admin"
                                       << ""
                                       << "Introduisez votre mot de passe s'il vous plait" << genre::Information
                                       << "sEdit_pass"
                                       << "admin"
                                       << "";
    QTest::newRow("inconnu") << "zorro"
                             << "60817" << inconnu << genre::Information << "sEdit_login"
                             << "zorro"
                             << "";
    QTest::newRow("login de blancs") << "   "
                                     << "60817" << inconnu << genre::Information << "sEdit_login"
                                     << "   "
                                     << "";
    QTest::newRow("joker %") << "%"
                             << "60817" << inconnu << genre::Information << "sEdit_login"
                             << "%"
                             << "";
    QTest::newRow("joker % en fin") << "adm%"
                                    << "60817" << inconnu << genre::Information << "sEdit_login"
                                    << "adm%"
                                    << "";
    QTest::newRow("joker _") << "_dmin"
                             << "60817" << inconnu << genre::Information << "sEdit_login"
                             << "_dmin"
                             << "";
    QTest::newRow("mauvais mot de passe") << "admin"
                                          << "60818" << incorrect << genre::Erreur << "sEdit_pass"
                                          << "admin"
                                          << "";
    QTest::newRow("autre mot de passe") << "blanc"
                                        << "X" << incorrect << genre::Erreur << "sEdit_pass"
                                        << "blanc"
                                        << "";
    QTest::newRow("désactivé") << "inactif"
                               << "pass"
                               << "Votre nom d'utilisateur est désactivé. Veuillez contacter le responsable"
                               << genre::Information << ""
                               << ""
                               << "";
    QTest::newRow("désactivé, mauvais mot de passe") << "inactif"
                                                     << "autre" << incorrect << genre::Erreur << "sEdit_pass"
                                                     << "inactif"
                                                     << "";
}

void TestAuthUser::refus()
{
    QFETCH(QString, login);
    QFETCH(QString, motDePasse);
    QFETCH(QString, message);
    QFETCH(int, genreAttendu);
    QFETCH(QString, focus);
    QFETCH(QString, loginApres);
    QFETCH(QString, motDePasseApres);
    dansLaConnexion([&](QDialog& connexion) {
        ProgrammeDeTest::saisirConnexion(connexion, login, motDePasse);
        QVERIFY(connexion.isVisible());
        QCOMPARE(p->messages().demandes().size(), 1);
        QCOMPARE(p->messages().derniere().texte, message);
        QCOMPARE(p->messages().derniere().genre, genreAttendu);
        QCOMPARE(p->messages().derniere().boutons, bouton::Ok);
        QCOMPARE(champ(connexion, "sEdit_login")->text(), loginApres);
        QCOMPARE(champ(connexion, "sEdit_pass")->text(), motDePasseApres);
        if (!focus.isEmpty())
            QCOMPARE(connexion.focusWidget()->objectName(), focus);
    });
    // Nothing changed: still the empty user, no session, no menus.
    QVERIFY(etat().utilisateurCourant);
    QCOMPARE(etat().utilisateurCourant->login, QString());
    QVERIFY(!etat().sessionCourante);
    QVERIFY(p->sessions().isEmpty());
    QCOMPARE(p->entree(QStringLiteral("Deconnexion1"))->text(), QStringLiteral("&Connexion"));
}

void TestAuthUser::reussites_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("motDePasse");
    QTest::addColumn<QString>("trouve");
    QTest::newRow("exact") << "admin"
                           << "60817"
                           << "admin";
    QTest::newRow("capitales et blancs") << "  ADMIN "
                                         << "60817"
                                         << "admin";
    QTest::newRow("mot de passe entouré de blancs") << "admin"
                                                    << " 60817  "
                                                    << "admin";
    QTest::newRow("mot de passe de blancs") << "blanc"
                                            << "   "
                                            << "blanc";
}

void TestAuthUser::reussites()
{
    QFETCH(QString, login);
    QFETCH(QString, motDePasse);
    QFETCH(QString, trouve);
    bool fermee = false;
    dansLaConnexion([&](QDialog& connexion) {
        ProgrammeDeTest::saisirConnexion(connexion, login, motDePasse);
        fermee = !connexion.isVisible();
    });
    QVERIFY(fermee);
    QVERIFY(p->messages().demandes().isEmpty());
    QCOMPARE(etat().utilisateurCourant->login, trouve);
    QVERIFY(etat().sessionCourante);
    const auto lignes = p->sessions();
    QCOMPARE(lignes.size(), 1);
    QCOMPARE(lignes[0].codeutil, etat().utilisateurCourant->codeutilisateur);
    QCOMPARE(lignes[0].datein, p->maintenant);
    QCOMPARE(p->entree(QStringLiteral("Deconnexion1"))->text(), QStringLiteral("&Deconnexion"));
}

void TestAuthUser::champsEtTouches()
{
    dansLaConnexion([](QDialog& connexion) {
        QLineEdit* login = champ(connexion, "sEdit_login");
        QLineEdit* passe = champ(connexion, "sEdit_pass");
        QVERIFY(!passe->isEnabled());
        QCOMPARE(passe->echoMode(), QLineEdit::Password);
        // Enter in an empty login does nothing.
        QTest::keyClick(login, Qt::Key_Return);
        QCOMPARE(connexion.focusWidget(), login);
        QTest::keyClicks(login, QStringLiteral("admin"));
        QVERIFY(passe->isEnabled());
        QTest::keyClick(login, Qt::Key_Return);
        QCOMPARE(connexion.focusWidget(), passe);
        QTest::keyClicks(passe, QStringLiteral("123"));
        // Erasing the login disables and empties the password.
        login->clear();
        QVERIFY(!passe->isEnabled());
        QCOMPARE(passe->text(), QString());
        QTest::keyClicks(login, QStringLiteral("admin"));
        QTest::keyClicks(passe, QStringLiteral("60817"));
        QTest::keyClick(passe, Qt::Key_Return);
        QVERIFY(!connexion.isVisible());
    });
    QCOMPARE(etat().utilisateurCourant->login, QStringLiteral("admin"));
}

void TestAuthUser::fenetreViergeApresDeconnexion()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    p->messages().repondre(resultat::Ok);
    p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); },
                    [](QDialog& connexion) {
                        QCOMPARE(champ(connexion, "sEdit_login")->text(), QString());
                        QCOMPARE(champ(connexion, "sEdit_pass")->text(), QString());
                        QVERIFY(!champ(connexion, "sEdit_pass")->isEnabled());
                        QCOMPARE(connexion.focusWidget(), champ(connexion, "sEdit_login"));
                    });
}

void TestAuthUser::apparenceDeLUtilisateur()
{
    TGestionnaireSkins& skins = p->principale().sSkinManager1();
    // Without a row the look in force stays.
    skins.setNomSkin(QStringLiteral("Golden"));
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    QCOMPARE(skins.nomSkin(), QStringLiteral("Golden"));
    QVERIFY(!etat().configCourante);

    p->module().executer(QStringLiteral("INSERT INTO tb_configuration (codeutil, apparence, droit1, droit2) "
                                        "VALUES (1, 'Sapphire', '-40', '120')"));
    p->messages().repondre(resultat::Ok);
    p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); },
                    [](QDialog& connexion) {
                        ProgrammeDeTest::saisirConnexion(connexion, QStringLiteral("admin"), QStringLiteral("60817"));
                    });
    QCOMPARE(skins.nomSkin(), QStringLiteral("Sapphire"));
    QCOMPARE(skins.saturation(), -40);
    QCOMPARE(skins.teinte(), 120);
    QVERIFY(etat().configCourante);
    QCOMPARE(etat().configCourante->apparence, QStringLiteral("Sapphire"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), skins.paletteCourante().color(QPalette::Window));
}

void TestAuthUser::apparenceIllisibleSignalee()
{
    p->module().executer(QStringLiteral("INSERT INTO tb_configuration (codeutil, apparence, droit1, droit2) "
                                        "VALUES (1, 'TheFrog', '12,5', '0')"));
    dansLaConnexion([](QDialog& connexion) {
        ProgrammeDeTest::saisirConnexion(connexion, QStringLiteral("admin"), QStringLiteral("60817"));
    });
    // Reported in French; the user is logged in all the same.
    QCOMPARE(p->messages().derniere().sorte, DemandeMessage::Sorte::Erreur);
    QVERIFY(p->messages().derniere().texte.contains(QStringLiteral("La saturation")));
    QVERIFY(p->messages().derniere().texte.contains(QStringLiteral("n'est pas un nombre entier")));
    QCOMPARE(etat().utilisateurCourant->login, QStringLiteral("admin"));
    QVERIFY(etat().sessionCourante);
    QVERIFY(!etat().configCourante);
}

void TestAuthUser::erreurDeBaseDansLaFenetre()
{
    p->module().executer(QStringLiteral("DROP TABLE tb_utilisateur"));
    dansLaConnexion([this](QDialog& connexion) {
        ProgrammeDeTest::saisirConnexion(connexion, QStringLiteral("admin"), QStringLiteral("60817"));
        QCOMPARE(p->messages().derniere().sorte, DemandeMessage::Sorte::Erreur);
        QVERIFY(connexion.isVisible());
    });
    QCOMPARE(etat().utilisateurCourant->login, QString());
}

TALVEX_TEST_FENETRES(TestAuthUser)
#include "tst_auth_user.moc"
