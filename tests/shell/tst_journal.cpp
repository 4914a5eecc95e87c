#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "core/etat.h"
#include "core/horloge.h"
#include "core/journal.h"
#include "support/basedetest.h"

#include <QtTest>

#include <optional>

using namespace talvex;
using namespace talvex::test;

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        base.emplace();
        reinitialiserEtat();
        horloge::remplacerSource([this] { return maintenant; });
    }
    void cleanup()
    {
        horloge::remplacerSource({});
        reinitialiserEtat();
        base.reset();
    }

    void codes_data();
    void codes();
    void sessionEtSonJournal();
    void sansSessionRienNEstEcrit();
    void sessionSansLigne();

private:
    QString incident()
    {
        return colonne::texte(base->module().valeurUnique(QStringLiteral("SELECT incident FROM tb_session")));
    }

    std::optional<BaseDeTest> base;
    QDateTime maintenant {QDate(2024, 5, 2), QTime(8, 15, 30)};
};

void TestJournal::codes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("article ajouté") << action::ajoutArticle(QStringLiteral("6111")) << "Aj art 6111";
    QTest::newRow("article modifié") << action::modificationArticle(QStringLiteral("6111")) << "mod art 6111";
    QTest::newRow("article supprimé") << action::suppressionArticle(QStringLiteral("Savon")) << "Del art Savon";
    QTest::newRow("client supprimé") << action::suppressionClient(QStringLiteral("12")) << "Del Clt 12";
    QTest::newRow("fournisseur modifié") << action::modificationFournisseur(QStringLiteral("4")) << "Mod fourn.4";
    QTest::newRow("fournisseur supprimé") << action::suppressionFournisseur(QStringLiteral("4")) << "Del Fourn.4";
    QTest::newRow("utilisateur modifié") << action::modificationUtilisateur(QStringLiteral("2")) << "Mod utl2";
    QTest::newRow("utilisateur activé") << action::activationUtilisateur(QStringLiteral("2")) << "Act utl 2";
    QTest::newRow("utilisateur désactivé") << action::desactivationUtilisateur(QStringLiteral("2")) << "Desact utl 2";
    QTest::newRow("utilisateur supprimé") << action::suppressionUtilisateur(QStringLiteral("2")) << "Del utl 2";
    QTest::newRow("mot de passe remis") << action::reinitialisationMotDePasse(QStringLiteral("2")) << "Mod mp utl 2";
    QTest::newRow("profil de la société") << action::modificationConfigApplication() << "Mod config appl";
    QTest::newRow("vente corrigée") << action::modificationVente(QStringLiteral("57")) << "Mod vte 57";
    QTest::newRow("vente supprimée") << action::suppressionVente(QStringLiteral("57")) << "Del vte 57";
    QTest::newRow("ligne de vente") << action::suppressionLigneVente(QStringLiteral("57"), QStringLiteral("6111"))
                                    << "Del vte 57_art 6111";
    QTest::newRow("dernière ligne de vente")
        << action::suppressionDerniereLigneVente(QStringLiteral("57"), QStringLiteral("6111")) << "*Del vte 57_art6111";
    QTest::newRow("approvisionnement corrigé")
        << action::modificationApprovisionnement(QStringLiteral("3")) << "Mod app3";
    QTest::newRow("approvisionnement supprimé")
        << action::suppressionApprovisionnement(QStringLiteral("3")) << "Del app 3";
    QTest::newRow("ligne d'approvisionnement")
        << action::suppressionLigneApprovisionnement(QStringLiteral("3"), QStringLiteral("6111")) << "Del app3_art6111";
    QTest::newRow("dernière ligne d'approvisionnement")
        << action::suppressionDerniereLigneApprovisionnement(QStringLiteral("3"), QStringLiteral("6111"))
        << "*Del app3_art6111";
}

void TestJournal::codes()
{
    QFETCH(QString, code);
    QFETCH(QString, attendu);
    QCOMPARE(code, attendu);
}

void TestJournal::sessionEtSonJournal()
{
    ouvrirSessionCourante(QStringLiteral("1"));
    QVERIFY(etat().sessionCourante);
    QCOMPARE(incident(), QString());
    // Later actions find the row by its login instant, whatever the clock says now.
    maintenant = maintenant.addSecs(125);
    QVERIFY(journaliserAction(action::ajoutArticle(QStringLiteral("6111"))));
    QVERIFY(journaliserAction(action::modificationClient(QStringLiteral("12"))));
    QCOMPARE(incident(), QStringLiteral("-Aj art 6111-Mod clt 12"));

    maintenant = maintenant.addSecs(60);
    QVERIFY(fermerSessionCourante());
    QVariantList ligne;
    base->module().lecturePartagee(
        QStringLiteral("SELECT datein, dateout, codeutil FROM tb_session"), {}, [&ligne](const QSqlQuery& q) {
            ligne = {colonne::date(q.value(0)), colonne::date(q.value(1)), colonne::texte(q.value(2))};
        });
    QCOMPARE(ligne, (QVariantList {maintenant.addSecs(-185), maintenant, QStringLiteral("1")}));
}

void TestJournal::sansSessionRienNEstEcrit()
{
    QVERIFY(!journaliserAction(action::modificationClient(QStringLiteral("12"))));
    QVERIFY(!fermerSessionCourante());
    QCOMPARE(base->module().valeurUnique(QStringLiteral("SELECT COUNT(*) FROM tb_session")).toInt(), 0);
}

void TestJournal::sessionSansLigne()
{
    // A session whose row is gone: nothing matches, nothing is written, no error.
    ouvrirSessionCourante(QStringLiteral("1"));
    base->module().executer(QStringLiteral("DELETE FROM tb_session"));
    QVERIFY(!journaliserAction(action::suppressionVente(QStringLiteral("57"))));
    QVERIFY(!fermerSessionCourante());
}

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
