#include "programmedetest.h"

#include "core/etat.h"
#include "core/profilsociete.h"
#include "settings/gestionnaireskins.h"
#include "shell/calculatrice.h"
#include "shell/formprinc.h"
#include "shell/menusprinc.h"
#include "users/formauthuser.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtTest>

#include <optional>

using namespace talvex;
using namespace talvex::test;

namespace {

QStringList liste(const char* noms)
{
    return QString::fromUtf8(noms).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QStringList COMMUNES = liste("Deconnexion1 Fermer2 Clients2 Rsumdujour1 RsumentredeuxDates1 Simplifi1 Dtaill1 "
                                   "VentesentresdeuxDates1 Toute1 EntredeuxDates1 VentesparEmploy1 Articles3 Clients3 "
                                   "Calculatrice1 GestiondesThmes1 CodeBarredesarticles1 MonCompte1");
const QStringList STOCKS
    = liste("AjouterModifier2 Nouveau2 Consulter3 Categorie1 Fournisseurs1 Consulterlesventes2 "
            "Tous1 Tous2 Tous3 Tous4 EntredeuxDates2 EntredeuxDates3 EntredeuxDates4 EntredeuxDates5");
const QStringList ADMINISTRATION = liste("Utilisateurs2 Gestiondesutilisateurs1 Configurationdelapplication1");

const QStringList NOTIFICATION_COMMUNES = liste("Montrer1 Deconnexion2 Quiter1 Ventes4 Articles4 Approvisionnements2 "
                                                "Statistiques1 MonCompte2 Calculatrice2 GestiondesThmes2 "
                                                "CodeBarredesarticles2 GestionsdeClients1");
const QStringList NOTIFICATION_STOCKS = liste(
    "Gestiondarticles1 Nouvelapprov1 Consulter1 GestiondesCatgories1 GestiondesFournisseurs1 Gestiondesventes1");
const QStringList NOTIFICATION_ADMINISTRATION
    = liste("Logdusystme1 Gestiondesutilisateurs2 Configurationdelapplication2");

QStringList trie(QStringList l)
{
    l.sort();
    return l;
}

// Entries that run a command and that the user can reach, under `racine`.
QStringList accessibles(const QObject& racine)
{
    QStringList noms;
    for (const QAction* a : racine.findChildren<QAction*>()) {
        if (commandeDe(*a) != Commande::Aucune && estAccessible(*a))
            noms << a->objectName();
    }
    return trie(noms);
}

QStringList menusVisibles(const QMenuBar& barre)
{
    QStringList textes;
    for (const QAction* a : barre.actions()) {
        if (a->isVisible())
            textes << a->text();
    }
    return textes;
}

QString panneau(const TForm_princ& f, int i)
{
    return f.findChild<QLabel*>(QStringLiteral("Panel%1").arg(i))->text();
}

} // namespace

class TestFormPrinc : public QObject
{
    Q_OBJECT

private slots:
    void init() { p.emplace(); }
    void cleanup() { p.reset(); }

    void demarreDeconnecte();
    void raccourcis_data();
    void raccourcis();
    void menusDuRole_data();
    void menusDuRole();
    void deconnexionPuisAutreRole();
    void deconnexionAnnuleeOuRefusee();
    void fermetureEstampilleLaSession();
    void fermetureRefusee();
    void fermetureSansProfilEnregistrable();
    void premiereActivationEcritLeProfil();
    void profilLuAuDemarrage();
    void horlogeEtAide();
    void reduireEnZoneNotification();
    void reduireSansZoneNotification();
    void erreurDeBaseAffichee();
    void calculatrice();

private:
    std::optional<ProgrammeDeTest> p;
};

void TestFormPrinc::demarreDeconnecte()
{
    TForm_princ& f = p->principale();
    QCOMPARE(menusVisibles(*f.menuBar()), QStringList {QStringLiteral("Fichier")});
    QCOMPARE(accessibles(*f.menuBar()), trie(liste("Deconnexion1 Fermer2")));
    QCOMPARE(accessibles(*f.findChild<QMenu*>(QStringLiteral("PopupMenu_bandeja"))),
             trie(liste("Montrer1 Deconnexion2 Quiter1")));
    QCOMPARE(p->entree(QStringLiteral("Deconnexion1"))->text(), QStringLiteral("&Connexion"));
    QCOMPARE(p->entree(QStringLiteral("Deconnexion2"))->text(), QStringLiteral("Connexion"));
    QCOMPARE(panneau(f, 1), QStringLiteral(" - "));
    QCOMPARE(f.windowTitle(), QStringLiteral("Gestion des Stocks by QRV-NORD"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("TALVEX-QRV"));
}

void TestFormPrinc::raccourcis_data()
{
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QKeySequence>("raccourci");
    QTest::newRow("Facturer: F") << "Facturer1" << QKeySequence(Qt::Key_F);
    QTest::newRow("Résumé du jour: R") << "Rsumdujour1" << QKeySequence(Qt::Key_R);
    QTest::newRow("Simplifié: D") << "Simplifi1" << QKeySequence(Qt::Key_D);
    QTest::newRow("Toute: Shift+D") << "Toute1" << QKeySequence(Qt::SHIFT | Qt::Key_D);
    QTest::newRow("Entre deux Dates: Alt+D") << "EntredeuxDates1" << QKeySequence(Qt::ALT | Qt::Key_D);
    QTest::newRow("Ventes entres deux Dates: Alt+R") << "VentesentresdeuxDates1" << QKeySequence(Qt::ALT | Qt::Key_R);
    QTest::newRow("Gestion d'articles: Ctrl+A") << "AjouterModifier2" << QKeySequence(Qt::CTRL | Qt::Key_A);
    QTest::newRow("Consulter: Ctrl+P") << "Consulter3" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("Gestion des ventes: Ctrl+V") << "Consulterlesventes2" << QKeySequence(Qt::CTRL | Qt::Key_V);
}

void TestFormPrinc::raccourcis()
{
    QFETCH(QString, entree);
    QFETCH(QKeySequence, raccourci);
    QCOMPARE(p->entree(entree)->shortcut(), raccourci);
}

void TestFormPrinc::menusDuRole_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("entrees");
    QTest::addColumn<QStringList>("notification");
    const QStringList tous = liste("Fichier Articles Ventes Etats");
    QTest::newRow("responsable de boutique")
        << 1 << tous + QStringList {"Administration Système", "Outils", "Mon Compte", "Aide"}
        << trie(COMMUNES + STOCKS + ADMINISTRATION + QStringList {"Facturer1"})
        << trie(NOTIFICATION_COMMUNES + NOTIFICATION_STOCKS + NOTIFICATION_ADMINISTRATION + QStringList {"Facturer2"});
    QTest::newRow("gestionnaire de stocks")
        << 2 << tous + QStringList {"Outils", "Mon Compte", "Aide"} << trie(COMMUNES + STOCKS)
        << trie(NOTIFICATION_COMMUNES + NOTIFICATION_STOCKS);
    QTest::newRow("vendeur") << 3 << QStringList {"Fichier", "Ventes", "Etats", "Outils", "Mon Compte", "Aide"}
                             << trie(COMMUNES + QStringList {"Facturer1"})
                             << trie(NOTIFICATION_COMMUNES + QStringList {"Facturer2"});
}

void TestFormPrinc::menusDuRole()
{
    QFETCH(int, role);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, entrees);
    QFETCH(QStringList, notification);
    p->ajouterUtilisateur(
        QStringLiteral("emp"), QStringLiteral("secret"), role, QStringLiteral("1"), QStringLiteral("Diallo"));
    p->seConnecter(QStringLiteral("emp"), QStringLiteral("secret"));
    TForm_princ& f = p->principale();
    QCOMPARE(menusVisibles(*f.menuBar()), menus);
    QCOMPARE(accessibles(*f.menuBar()), entrees);
    QCOMPARE(accessibles(*f.findChild<QMenu*>(QStringLiteral("PopupMenu_bandeja"))), notification);
    QCOMPARE(p->entree(QStringLiteral("Deconnexion1"))->text(), QStringLiteral("&Deconnexion"));
    QCOMPARE(p->entree(QStringLiteral("Deconnexion2"))->text(), QStringLiteral("Deconnexion"));
    QCOMPARE(panneau(f, 1), QStringLiteral("emp - Diallo"));
}

void TestFormPrinc::deconnexionPuisAutreRole()
{
    const QString gestionnaire = p->ajouterUtilisateur(QStringLiteral("stock"), QStringLiteral("s"), 2);
    const QString vendeur = p->ajouterUtilisateur(QStringLiteral("vente"), QStringLiteral("v"), 3);
    p->seConnecter(QStringLiteral("stock"), QStringLiteral("s"));
    QVERIFY(!estAccessible(*p->entree(QStringLiteral("Facturer1"))));

    // Logout confirmed: the login window opens at once, and the seller logs in there.
    p->maintenant = p->maintenant.addSecs(600);
    p->messages().repondre(resultat::Ok);
    int connexions = 0;
    p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); },
                    [&](QDialog& connexion) {
                        ++connexions;
                        QVERIFY(!etat().utilisateurCourant);
                        QCOMPARE(panneau(p->principale(), 1), QString());
                        ProgrammeDeTest::saisirConnexion(connexion, QStringLiteral("vente"), QStringLiteral("v"));
                    });
    QCOMPARE(connexions, 1);
    QCOMPARE(p->messages().demandes().first().texte, QStringLiteral("Voulez-vous vous deconnecter?"));
    QCOMPARE(p->messages().demandes().first().genre, genre::Confirmation);
    QCOMPARE(p->messages().demandes().first().boutons, quint16(bouton::Non | bouton::Ok));
    QVERIFY(estAccessible(*p->entree(QStringLiteral("Facturer1"))));
    QVERIFY(!estAccessible(*p->entree(QStringLiteral("Consulterlesventes2"))));

    const auto lignes = p->sessions();
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes[0].codeutil, gestionnaire);
    QCOMPARE(lignes[0].dateout, p->maintenant);
    QCOMPARE(lignes[1].codeutil, vendeur);
    QCOMPARE(lignes[1].datein, p->maintenant);
    QVERIFY(lignes[1].dateout.isNull());
}

void TestFormPrinc::deconnexionAnnuleeOuRefusee()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    // "Non" to the question: still connected.
    p->messages().repondre(resultat::Non);
    p->entree(QStringLiteral("Deconnexion1"))->trigger();
    QVERIFY(etat().sessionCourante);
    QVERIFY(p->sessions().first().dateout.isNull());

    // Confirmed, then the login window cancelled: disconnected, "Connexion" offered again.
    p->messages().repondre(resultat::Ok);
    p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); },
                    [](QDialog& connexion) { connexion.reject(); });
    QVERIFY(!etat().utilisateurCourant);
    QVERIFY(!etat().sessionCourante);
    QCOMPARE(p->entree(QStringLiteral("Deconnexion1"))->text(), QStringLiteral("&Connexion"));
    QCOMPARE(menusVisibles(*p->principale().menuBar()), QStringList {QStringLiteral("Fichier")});
    QCOMPARE(panneau(p->principale(), 1), QString());
    QVERIFY(!p->sessions().first().dateout.isNull());
}

void TestFormPrinc::fermetureEstampilleLaSession()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    p->maintenant = p->maintenant.addSecs(3600);
    p->messages().repondre(resultat::Oui);
    QVERIFY(p->principale().close());
    const DemandeMessage& question = p->messages().derniere();
    QCOMPARE(question.texte, QStringLiteral("Voulez-vous fermer l'apllication?"));
    QCOMPARE(question.boutons, quint16(bouton::Oui | bouton::Non));
    const auto lignes = p->sessions();
    QCOMPARE(lignes.size(), 1);
    QCOMPARE(lignes[0].codeutil, QStringLiteral("1"));
    QCOMPARE(lignes[0].datein, p->maintenant.addSecs(-3600));
    QCOMPARE(lignes[0].dateout, p->maintenant);
    QCOMPARE(lignes[0].incident, QString());
    // The profile is saved on the way out.
    QVERIFY(QFile::exists(cheminProfilSociete()));
    QCOMPARE(p->principale().windowTitle(), QStringLiteral("GESTION DE STOCK - ") + etat().societeCourante.nom);
}

void TestFormPrinc::fermetureRefusee()
{
    p->messages().repondre(resultat::Non);
    QVERIFY(!p->principale().close());
    QVERIFY(p->principale().isVisible());
    // Before any login, an accepted close writes no session.
    p->messages().repondre(resultat::Oui);
    QVERIFY(p->principale().close());
    QVERIFY(p->sessions().isEmpty());
}

void TestFormPrinc::fermetureSansProfilEnregistrable()
{
    // A file named CONFIG where the profile's folder should be: the profile cannot be saved.
    QFile bloqueur(QStringLiteral("CONFIG"));
    QVERIFY(bloqueur.open(QIODevice::WriteOnly));
    bloqueur.close();
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    p->messages().oublier();
    p->messages().repondre(resultat::Oui);
    QVERIFY(p->principale().close());
    QVERIFY(!p->principale().isVisible());
    QCOMPARE(p->messages().derniere().sorte, DemandeMessage::Sorte::Erreur);
    QVERIFY(!p->sessions().first().dateout.isNull());
}

void TestFormPrinc::premiereActivationEcritLeProfil()
{
    QFile::remove(cheminProfilSociete());
    etat().societeCourante.premierDemarrage = 1;
    p->principale().FormActivate();
    QCOMPARE(etat().societeCourante.premierDemarrage, quint8(0));
    TSociete lue;
    lireProfilSociete(lue);
    QCOMPARE(lue.premierDemarrage, quint8(0));
    QCOMPARE(lue.nom, TSociete().nom);
    QCOMPARE(p->principale().windowTitle(), QStringLiteral("GESTION DE STOCK - ") + lue.nom);
    // Done once: a second activation writes nothing.
    QVERIFY(QFile::remove(cheminProfilSociete()));
    p->principale().FormActivate();
    QVERIFY(!QFile::exists(cheminProfilSociete()));
}

void TestFormPrinc::profilLuAuDemarrage()
{
    TSociete societe;
    societe.nom = QStringLiteral("BOUTIQUE ÉTOILE");
    societe.premierDemarrage = 0;
    p.reset();
    p.emplace([&societe] { ecrireProfilSociete(societe); });
    QCOMPARE(etat().societeCourante.nom, societe.nom);
    QCOMPARE(p->principale().windowTitle(), QStringLiteral("GESTION DE STOCK  BOUTIQUE ÉTOILE"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("TALVEX - BOUTIQUE ÉTOILE"));
    // The login window shows the company's name.
    p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); },
                    [](QDialog& connexion) {
                        QCOMPARE(connexion.windowTitle(), QStringLiteral("Authentification - BOUTIQUE ÉTOILE"));
                    });
}

void TestFormPrinc::horlogeEtAide()
{
    TForm_princ& f = p->principale();
    p->maintenant = QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58));
    QTRY_COMPARE_WITH_TIMEOUT(panneau(f, 2), QStringLiteral("31/12/2024 23:59:58"), 3000);
    QCOMPARE(f.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 1000);

    QAction* fermer = p->entree(QStringLiteral("Fermer2"));
    // An entry under the pointer in an open menu sends its hint from the menu bar.
    fermer->showStatusText(f.menuBar());
    QCOMPARE(panneau(f, 0), QStringLiteral("cliquer pour fermer l'application"));
}

void TestFormPrinc::reduireEnZoneNotification()
{
    TForm_princ::zoneNotificationDisponible = [] {
        return true;
    };
    TForm_princ& f = p->principale();
    f.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!f.isVisible());
    QVERIFY(f.zoneNotification().isVisible());
    QCOMPARE(f.zoneNotification().toolTip(), QStringLiteral("TALVEX-QRV"));
    // A left click on the icon ("Montrer") brings the window back and removes the icon.
    emit f.zoneNotification().activated(QSystemTrayIcon::Trigger);
    QVERIFY(f.isVisible());
    QVERIFY(!f.isMinimized());
    QVERIFY(!f.zoneNotification().isVisible());
    TForm_princ::zoneNotificationDisponible = nullptr;
}

void TestFormPrinc::reduireSansZoneNotification()
{
    TForm_princ::zoneNotificationDisponible = [] {
        return false;
    };
    TForm_princ& f = p->principale();
    f.setWindowState(Qt::WindowMinimized);
    QTest::qWait(50);
    QVERIFY(f.isVisible());
    QVERIFY(f.isMinimized());
    QVERIFY(!f.zoneNotification().isVisible());
    TForm_princ::zoneNotificationDisponible = nullptr;
}

void TestFormPrinc::erreurDeBaseAffichee()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    p->module().executer(QStringLiteral("DROP TABLE tb_session"));
    p->messages().repondre(resultat::Ok);
    p->choisir(QStringLiteral("Deconnexion1"));
    QCOMPARE(p->messages().derniere().sorte, DemandeMessage::Sorte::Erreur);
    // The program goes on, the user still logged in.
    QVERIFY(etat().utilisateurCourant);
    QCOMPARE(p->entree(QStringLiteral("Deconnexion1"))->text(), QStringLiteral("&Deconnexion"));
}

void TestFormPrinc::calculatrice()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    p->pendantModal([this] { p->entree(QStringLiteral("Calculatrice1"))->trigger(); },
                    [](QDialog& fenetre) {
                        QCOMPARE(fenetre.windowTitle(), QStringLiteral("Calculatrice"));
                        QTest::keyClicks(&fenetre, QStringLiteral("12+3*2="));
                        QCOMPARE(static_cast<TCalculatrice&>(fenetre).affichage(), QStringLiteral("30"));
                        QTest::keyClicks(&fenetre, QStringLiteral("7/0="));
                        QCOMPARE(static_cast<TCalculatrice&>(fenetre).affichage(), QStringLiteral("Erreur"));
                        QTest::keyClicks(&fenetre, QStringLiteral("1,5*4="));
                        QCOMPARE(static_cast<TCalculatrice&>(fenetre).affichage(), QStringLiteral("6"));
                    });
}

TALVEX_TEST_FENETRES(TestFormPrinc)
#include "tst_formprinc.moc"
