#include "../shell/programmedetest.h"

#include "core/datamodule.h"
#include "core/etat.h"
#include "settings/gestionnaireskins.h"
#include "settings/skins.h"
#include "shell/formprinc.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <optional>

using namespace talvex;
using namespace talvex::test;

namespace {

template<typename W>
W* controle(QDialog& d, const char* nom)
{
    return d.findChild<W*>(QString::fromLatin1(nom));
}

QString texte(QDialog& d, const char* nom)
{
    return controle<QLabel>(d, nom)->text();
}

} // namespace

class TestSkinMan : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        p.emplace([] {
            QDir().mkpath(skins::dossierSkins());
            QFile f(skins::dossierSkins() + QStringLiteral("/ocean.skin"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Skin]\nName=Ocean\n[Palette]\nWindow=#bfe3f0\n");
        });
    }
    void cleanup() { p.reset(); }

    void etatInitial();
    void choisirUnSkinPuisAppliquer();
    void barresEtInitialiser();
    void fermerSansGarderRestaureLeLogin();
    void fermerEnGardant();
    void teinteIllisibleSignalee();

private:
    void connecterAvec(const QString& apparence, const QString& saturation, const QString& teinte)
    {
        p->module().executer(QStringLiteral("INSERT INTO tb_configuration (codeutil, apparence, droit1, droit2) "
                                            "VALUES (1, ?, ?, ?)"),
                             {apparence, saturation, teinte});
        p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
        p->messages().oublier();
    }
    void dansLesThemes(const std::function<void(QDialog&)>& pendant)
    {
        p->pendantModal([this] { p->entree(QStringLiteral("GestiondesThmes1"))->trigger(); }, pendant);
    }
    void fermer(QDialog& d) { QTest::mouseClick(controle<QPushButton>(d, "sBitBtn_fermer"), Qt::LeftButton); }
    TGestionnaireSkins& gestionnaire() { return p->principale().sSkinManager1(); }
    QVariantList ligne()
    {
        QVariantList valeurs;
        p->module().lecturePartagee(
            QStringLiteral("SELECT apparence, droit1, droit2 FROM tb_configuration WHERE codeutil=1"),
            {},
            [&valeurs](const QSqlQuery& q) {
                valeurs = {colonne::texte(q.value(0)), colonne::texte(q.value(1)), colonne::texte(q.value(2))};
            });
        return valeurs;
    }

    std::optional<ProgrammeDeTest> p;
};

void TestSkinMan::etatInitial()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    dansLesThemes([this](QDialog& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Gestion des Thèmes"));
        auto* theme = controle<QComboBox>(d, "sComboBox_theme");
        QVERIFY(theme->isEditable());
        QStringList noms;
        for (int i = 0; i < theme->count(); ++i)
            noms << theme->itemText(i);
        QCOMPARE(noms, skins::nomsIntegres() + QStringList {QStringLiteral("Ocean")});
        QCOMPARE(theme->currentText(), QStringLiteral("WLM"));
        QCOMPARE(controle<QScrollBar>(d, "sScrollBar_sturation")->minimum(), -100);
        QCOMPARE(controle<QScrollBar>(d, "sScrollBar_sturation")->maximum(), 100);
        QCOMPARE(controle<QScrollBar>(d, "sScrollBar_Teinte")->maximum(), 360);
        QCOMPARE(texte(d, "sLabel_val_saturat"), QStringLiteral("0"));
        QCOMPARE(texte(d, "sLabel_val_teinte"), QStringLiteral("0"));
        QVERIFY(!controle<QPushButton>(d, "sBitBtn_apply")->isEnabled());
        fermer(d);
    });
    QVERIFY(p->messages().demandes().isEmpty());
}

void TestSkinMan::choisirUnSkinPuisAppliquer()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    dansLesThemes([this](QDialog& d) {
        auto* theme = controle<QComboBox>(d, "sComboBox_theme");
        // Typed: the look follows the text at once.
        theme->lineEdit()->selectAll();
        QTest::keyClicks(theme->lineEdit(), QStringLiteral("Golden"));
        QCOMPARE(gestionnaire().nomSkin(), QStringLiteral("Golden"));
        QTest::keyClick(theme->lineEdit(), Qt::Key_Return);
        QVERIFY(controle<QPushButton>(d, "sBitBtn_apply")->isEnabled());
        // Chosen from the list (the next one), with a tint that the choice resets.
        gestionnaire().setSaturation(30);
        QTest::keyClick(theme, Qt::Key_Down);
        QCOMPARE(theme->currentText(), QStringLiteral("TheFrog"));
        QCOMPARE(gestionnaire().nomSkin(), QStringLiteral("TheFrog"));
        QCOMPARE(gestionnaire().saturation(), 0);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 skins::palette(QStringLiteral("TheFrog"), QString())->color(QPalette::Window));

        // A tint on the bar, then "Appliquer": the user's first row keeps the tint too.
        auto* teinte = controle<QScrollBar>(d, "sScrollBar_Teinte");
        QTest::mouseClick(teinte, Qt::LeftButton, {}, QPoint(teinte->width() - 30, teinte->height() / 2));
        QVERIFY(teinte->value() > 0);
        QCOMPARE(gestionnaire().teinte(), teinte->value());
        QCOMPARE(texte(d, "sLabel_val_teinte"), QString::number(teinte->value()));
        QTest::mouseClick(controle<QPushButton>(d, "sBitBtn_apply"), Qt::LeftButton);
        QCOMPARE(p->messages().derniere().texte, QStringLiteral("Les modifications ont été gardées avec succès"));
        QCOMPARE(p->messages().derniere().genre, genre::Information);
        QVERIFY(!controle<QPushButton>(d, "sBitBtn_apply")->isEnabled());
        QCOMPARE(ligne(),
                 (QVariantList {QStringLiteral("TheFrog"), QStringLiteral("0"), QString::number(teinte->value())}));

        // A second store updates the row.
        QTest::keyClick(theme, Qt::Key_Down);
        QTest::mouseClick(controle<QPushButton>(d, "sBitBtn_apply"), Qt::LeftButton);
        QCOMPARE(ligne(), (QVariantList {QStringLiteral("BlueGlass"), QStringLiteral("0"), QStringLiteral("0")}));
        p->messages().oublier();
        fermer(d);
        QVERIFY(p->messages().demandes().isEmpty());
    });
    // The row read at login stays the reference.
    QVERIFY(!etat().configCourante);
}

void TestSkinMan::barresEtInitialiser()
{
    p->seConnecter(QStringLiteral("admin"), QStringLiteral("60817"));
    dansLesThemes([this](QDialog& d) {
        auto* saturation = controle<QScrollBar>(d, "sScrollBar_sturation");
        // The keyboard moves only the bar.
        saturation->setFocus();
        QTest::keyClick(saturation, Qt::Key_PageDown);
        QVERIFY(saturation->value() != 0);
        QCOMPARE(gestionnaire().saturation(), 0);
        QCOMPARE(texte(d, "sLabel_val_saturat"), QStringLiteral("0"));
        QVERIFY(!controle<QPushButton>(d, "sBitBtn_apply")->isEnabled());
        // Releasing the mouse on it tints at once.
        QTest::mouseClick(saturation, Qt::LeftButton, {}, QPoint(8, saturation->height() / 2));
        QCOMPARE(gestionnaire().saturation(), saturation->value());
        QCOMPARE(texte(d, "sLabel_val_saturat"), QString::number(saturation->value()));
        QVERIFY(controle<QPushButton>(d, "sBitBtn_apply")->isEnabled());
        // "Appliquer" stores, then "Initialiser" untints without asking to store.
        QTest::mouseClick(controle<QPushButton>(d, "sBitBtn_apply"), Qt::LeftButton);
        QTest::mouseClick(controle<QPushButton>(d, "sButton_reinitier"), Qt::LeftButton);
        QCOMPARE(saturation->value(), 0);
        QCOMPARE(gestionnaire().saturation(), 0);
        QCOMPARE(texte(d, "sLabel_val_saturat"), QStringLiteral("0"));
        QVERIFY(!controle<QPushButton>(d, "sBitBtn_apply")->isEnabled());
        p->messages().oublier();
        fermer(d);
        QVERIFY(p->messages().demandes().isEmpty());
        QVERIFY(!d.isVisible());
    });
    QCOMPARE(ligne().value(0).toString(), QStringLiteral("WLM"));
    QVERIFY(ligne().value(1).toInt() != 0);
}

void TestSkinMan::fermerSansGarderRestaureLeLogin()
{
    connecterAvec(QStringLiteral("BlueGlass"), QStringLiteral("10"), QStringLiteral("20"));
    QCOMPARE(gestionnaire().nomSkin(), QStringLiteral("BlueGlass"));
    p->messages().repondre(resultat::Non);
    dansLesThemes([this](QDialog& d) {
        QCOMPARE(controle<QComboBox>(d, "sComboBox_theme")->currentText(), QStringLiteral("BlueGlass"));
        QCOMPARE(controle<QScrollBar>(d, "sScrollBar_sturation")->value(), 10);
        QCOMPARE(texte(d, "sLabel_val_teinte"), QStringLiteral("20"));
        QTest::keyClick(controle<QComboBox>(d, "sComboBox_theme"), Qt::Key_Up);
        QCOMPARE(gestionnaire().nomSkin(), QStringLiteral("TheFrog"));
        fermer(d);
        QCOMPARE(p->messages().derniere().texte, QStringLiteral("Voulez-vous garder les modifications éffectuées"));
        QCOMPARE(p->messages().derniere().boutons, quint16(bouton::Non | bouton::Ok));
    });
    QCOMPARE(gestionnaire().nomSkin(), QStringLiteral("BlueGlass"));
    QCOMPARE(gestionnaire().saturation(), 10);
    QCOMPARE(gestionnaire().teinte(), 20);
    QCOMPARE(ligne(), (QVariantList {QStringLiteral("BlueGlass"), QStringLiteral("10"), QStringLiteral("20")}));
}

void TestSkinMan::fermerEnGardant()
{
    connecterAvec(QStringLiteral("BlueGlass"), QStringLiteral("10"), QStringLiteral("20"));
    p->messages().repondre(resultat::Ok);
    dansLesThemes([this](QDialog& d) {
        auto* theme = controle<QComboBox>(d, "sComboBox_theme");
        theme->lineEdit()->selectAll();
        QTest::keyClicks(theme->lineEdit(), QStringLiteral("Ma Boutique"));
        fermer(d);
        QVERIFY(!d.isVisible());
    });
    // A name no skin bears is stored as typed; the look in force stays.
    QCOMPARE(ligne(), (QVariantList {QStringLiteral("Ma Boutique"), QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(etat().configCourante->apparence, QStringLiteral("BlueGlass"));
    // Reopened, the window shows the login-time row again.
    dansLesThemes([](QDialog& d) {
        QCOMPARE(controle<QComboBox>(d, "sComboBox_theme")->currentText(), QStringLiteral("BlueGlass"));
    });
}

void TestSkinMan::teinteIllisibleSignalee()
{
    connecterAvec(QStringLiteral("Golden"), QStringLiteral("5"), QStringLiteral("5"));
    etat().configCourante->droit2 = QStringLiteral("vingt");
    dansLesThemes([this](QDialog&) {
        QCOMPARE(p->messages().derniere().sorte, DemandeMessage::Sorte::Erreur);
        QVERIFY(p->messages().derniere().texte.startsWith(QStringLiteral("La teinte")));
        QVERIFY(p->messages().derniere().texte.contains(QStringLiteral("vingt")));
    });
}

TALVEX_TEST_FENETRES(TestSkinMan)
#include "tst_skin_man.moc"
