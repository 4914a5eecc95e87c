#include "../shell/programmedetest.h"

#include "core/datamodule.h"
#include "core/empreinte.h"
#include "core/etat.h"
#include "shell/formprinc.h"
#include "users/formuserprofile.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <optional>

using namespace talvex;
using namespace talvex::test;

namespace {

QLineEdit* champ(QDialog& d, const char* nom)
{
    return d.findChild<QLineEdit*>(QString::fromLatin1(nom));
}

QPushButton* changer(QDialog& d)
{
    return d.findChild<QPushButton*>(QStringLiteral("sBitBtn_chg"));
}

void saisir(QDialog& d, const QString& actuel, const QString& nouveau, const QString& confirmation)
{
    QTest::keyClicks(champ(d, "sEdit_current_pwd"), actuel);
    QTest::keyClicks(champ(d, "sEdit_new_pwd"), nouveau);
    QTest::keyClicks(champ(d, "sEdit_conf_npwd"), confirmation);
}

} // namespace

class TestUserProfile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        p.emplace();
        code = p->ajouterUtilisateur(
            QStringLiteral("awa"), QStringLiteral("ancien"), 3, QStringLiteral("1"), QStringLiteral("Sow"));
        p->seConnecter(QStringLiteral("awa"), QStringLiteral("ancien"));
        p->messages().oublier();
    }
    void cleanup() { p.reset(); }

    void donneesDeLUtilisateur();
    void champsLies();
    void refus_data();
    void refus();
    void changementReussi();
    void changementAnnule();

private:
    void dansMonCompte(const std::function<void(QDialog&)>& pendant)
    {
        p->pendantModal([this] { p->entree(QStringLiteral("MonCompte1"))->trigger(); }, pendant);
    }
    QString passeEnBase()
    {
        return colonne::texte(p->module().valeurUnique(
            QStringLiteral("SELECT pass FROM tb_utilisateur WHERE codeutilisateur=?"), {code.toLongLong()}));
    }

    std::optional<ProgrammeDeTest> p;
    QString code;
};

void TestUserProfile::donneesDeLUtilisateur()
{
    dansMonCompte([this](QDialog& profil) {
        QCOMPARE(profil.windowTitle(), QStringLiteral("Renseignemts sur l'utilisateur"));
        const auto texte = [&profil](const char* nom) {
            return profil.findChild<QLabel*>(QString::fromLatin1(nom))->text();
        };
        QCOMPARE(texte("sWebLabel_code"), QStringLiteral("CODE: ") + code);
        QCOMPARE(texte("sWebLabel_nom"), QStringLiteral("NOM: Sow"));
        QCOMPARE(texte("sWebLabel_prenom"), QStringLiteral("PRENOM: Test"));
        QCOMPARE(texte("sWebLabel_login"), QStringLiteral("NOM D'UTILISATEUR: awa"));
        QCOMPARE(texte("sWebLabel_type_usr"), QStringLiteral("TYPE UTILISATEUR: Vendeur"));
        QCOMPARE(profil.findChild<QTabWidget*>(QStringLiteral("sPageControl_chg_pass"))->currentIndex(), 0);
    });
}

void TestUserProfile::champsLies()
{
    dansMonCompte([](QDialog& profil) {
        QLineEdit* nouveau = champ(profil, "sEdit_new_pwd");
        QLineEdit* confirmation = champ(profil, "sEdit_conf_npwd");
        QVERIFY(!nouveau->isEnabled());
        QVERIFY(!confirmation->isEnabled());
        QVERIFY(!changer(profil)->isEnabled());
        saisir(profil, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
        QVERIFY(nouveau->isEnabled());
        QVERIFY(confirmation->isEnabled());
        QVERIFY(changer(profil)->isEnabled());
        champ(profil, "sEdit_current_pwd")->clear();
        QCOMPARE(nouveau->text(), QString());
        QCOMPARE(confirmation->text(), QString());
        QVERIFY(!nouveau->isEnabled());
        QVERIFY(!confirmation->isEnabled());
        QVERIFY(!changer(profil)->isEnabled());
        // Each showing starts empty.
        saisir(profil, QStringLiteral("a"), QString(), QString());
    });
    dansMonCompte([](QDialog& profil) { QCOMPARE(champ(profil, "sEdit_current_pwd")->text(), QString()); });
}

void TestUserProfile::refus_data()
{
    QTest::addColumn<QString>("actuel");
    QTest::addColumn<QString>("nouveau");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("nouveauVide");
    QTest::newRow("nouveau vide") << "ancien"
                                  << ""
                                  << ""
                                  << "Introdusez un nouveau mot de passe "
                                  << "sEdit_new_pwd" << true;
    QTest::newRow("confirmation vide") << "ancien"
                                       << "neuf"
                                       << ""
                                       << "Vueillez confirmez le nouveau mot de passe "
                                       << "sEdit_conf_npwd" << false;
    // The current password is checked before the new one and its confirmation are compared.
    QTest::newRow("actuel faux") << "faux"
                                 << "neuf"
                                 << "autre"
                                 << "Ce mot de passe ne coincide pas à votre actuel "
                                 << "sEdit_current_pwd" << false;
    QTest::newRow("confirmation différente") << "ancien"
                                             << "neuf"
                                             << "Neuf"
                                             << "Le nouveau mot de passe ne coincide pas à avec la confirmation "
                                             << "sEdit_new_pwd" << true;
}

void TestUserProfile::refus()
{
    QFETCH(QString, actuel);
    QFETCH(QString, nouveau);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(bool, nouveauVide);
    dansMonCompte([&](QDialog& profil) {
        saisir(profil, actuel, nouveau, confirmation);
        QTest::mouseClick(changer(profil), Qt::LeftButton);
        QCOMPARE(p->messages().demandes().size(), 1);
        const DemandeMessage& boite = p->messages().derniere();
        QCOMPARE(boite.sorte, DemandeMessage::Sorte::Boite);
        QCOMPARE(boite.titre, QStringLiteral("TALVEX-QRV SARL"));
        QCOMPARE(boite.texte, message);
        QCOMPARE(profil.focusWidget()->objectName(), focus);
        QCOMPARE(champ(profil, "sEdit_new_pwd")->text().isEmpty(), nouveauVide);
    });
    QCOMPARE(passeEnBase(), empreinteMD5(QStringLiteral("ancien")));
}

void TestUserProfile::changementReussi()
{
    p->messages().repondre(resultat::Ok);
    dansMonCompte([this](QDialog& profil) {
        saisir(profil, QStringLiteral(" ancien "), QStringLiteral("  neuf "), QStringLiteral("neuf"));
        QTest::keyClick(champ(profil, "sEdit_conf_npwd"), Qt::Key_Return);
        QCOMPARE(p->messages().textes(),
                 (QStringList {QStringLiteral("Voulez-vous changer votre mot de passe?"),
                               QStringLiteral("Le mot de passe a été changé avec succès ")}));
        QCOMPARE(p->messages().demandes().first().boutons, quint16(bouton::Non | bouton::Ok));
        QCOMPARE(champ(profil, "sEdit_current_pwd")->text(), QString());
        QVERIFY(!changer(profil)->isEnabled());
        // The new password is now the current one.
        p->messages().oublier();
        saisir(profil, QStringLiteral("ancien"), QStringLiteral("x"), QStringLiteral("x"));
        QTest::mouseClick(changer(profil), Qt::LeftButton);
        QCOMPARE(p->messages().derniere().texte, QStringLiteral("Ce mot de passe ne coincide pas à votre actuel "));
    });
    QCOMPARE(passeEnBase(), empreinteMD5(QStringLiteral("neuf")));
    QCOMPARE(etat().utilisateurCourant->pass, empreinteMD5(QStringLiteral("neuf")));
    QVERIFY(p->sessions().first().incident.isEmpty());

    // The next login takes only the new password, with or without its blanks.
    p->messages().oublier();
    p->messages().repondre(resultat::Ok);
    p->pendantModal([this] { p->entree(QStringLiteral("Deconnexion1"))->trigger(); },
                    [this](QDialog& connexion) {
                        ProgrammeDeTest::saisirConnexion(connexion, QStringLiteral("awa"), QStringLiteral("ancien"));
                        QCOMPARE(p->messages().derniere().texte, QStringLiteral("Votre mot de passe est incorrect"));
                        ProgrammeDeTest::saisirConnexion(connexion, QStringLiteral("awa"), QStringLiteral(" neuf "));
                        QVERIFY(!connexion.isVisible());
                    });
    QCOMPARE(etat().utilisateurCourant->login, QStringLiteral("awa"));
}

void TestUserProfile::changementAnnule()
{
    p->messages().repondre(resultat::Non);
    dansMonCompte([this](QDialog& profil) {
        saisir(profil, QStringLiteral("ancien"), QStringLiteral("neuf"), QStringLiteral("neuf"));
        QTest::mouseClick(changer(profil), Qt::LeftButton);
        QCOMPARE(p->messages().demandes().size(), 1);
        QCOMPARE(champ(profil, "sEdit_new_pwd")->text(), QStringLiteral("neuf"));
    });
    QCOMPARE(passeEnBase(), empreinteMD5(QStringLiteral("ancien")));
}

TALVEX_TEST_FENETRES(TestUserProfile)
#include "tst_user_profile.moc"
