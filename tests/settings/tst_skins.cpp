#include "settings/gestionnaireskins.h"
#include "settings/skins.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace talvex;

class TestSkins : public QObject
{
    Q_OBJECT

private slots:
    void neufSkinsIntegres();
    void lisiblesSousToutesLesTeintes_data();
    void lisiblesSousToutesLesTeintes();
    void teintes();
    void skinsInstalles();
    void gestionnaire();
};

namespace {

void ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

} // namespace

void TestSkins::neufSkinsIntegres()
{
    const QStringList attendus {"WLM",
                                "Terminal4bit",
                                "Office12Style",
                                "BlueGauze",
                                "Golden",
                                "TheFrog",
                                "BlueGlass",
                                "Snow Leopard",
                                "Sapphire"};
    QCOMPARE(skins::nomsIntegres(), attendus);
    QCOMPARE(skins::skinParDefaut(), QStringLiteral("WLM"));
    // Each is its own look.
    QSet<QRgb> fonds;
    for (const QString& nom : attendus)
        fonds.insert(skins::palette(nom, QString())->color(QPalette::Window).rgb());
    QCOMPARE(fonds.size(), attendus.size());
    QVERIFY(!skins::palette(QStringLiteral("Inconnu"), QString()));
}

void TestSkins::lisiblesSousToutesLesTeintes_data()
{
    QTest::addColumn<QString>("nom");
    for (const QString& nom : skins::nomsIntegres())
        QTest::newRow(qPrintable(nom)) << nom;
}

void TestSkins::lisiblesSousToutesLesTeintes()
{
    QFETCH(QString, nom);
    const QPalette base = *skins::palette(nom, QString());
    for (int saturation = skins::SATURATION_MIN; saturation <= skins::SATURATION_MAX; saturation += 25) {
        for (int teinte = skins::TEINTE_MIN; teinte <= skins::TEINTE_MAX; teinte += 30) {
            const QPalette p = skins::teinter(base, saturation, teinte);
            for (const auto groupe : {QPalette::Active, QPalette::Inactive}) {
                for (const auto& [fond, texte] : skins::pairesLisibles()) {
                    const double c = skins::contraste(p.color(groupe, fond), p.color(groupe, texte));
                    if (c < skins::CONTRASTE_MIN) {
                        QFAIL(qPrintable(QStringLiteral("saturation %1, teinte %2, rôles %3/%4: contraste %5")
                                             .arg(saturation)
                                             .arg(teinte)
                                             .arg(fond)
                                             .arg(texte)
                                             .arg(c)));
                    }
                }
            }
            // Disabled texts stay apart from their background.
            QVERIFY(skins::contraste(p.color(QPalette::Disabled, QPalette::Window),
                                     p.color(QPalette::Disabled, QPalette::WindowText))
                    > 1.5);
        }
    }
}

void TestSkins::teintes()
{
    const QPalette base = *skins::palette(QStringLiteral("TheFrog"), QString());
    const QColor vert = base.color(QPalette::Button);
    // No tint, no change.
    QCOMPARE(skins::teinter(base, 0, 0).color(QPalette::Button), vert);
    QCOMPARE(skins::teinter(base, 0, 360).color(QPalette::Button), vert);
    // Full desaturation gives grey at the same lightness.
    const QColor gris = skins::teinter(base, -100, 0).color(QPalette::Button);
    QCOMPARE(gris.hslSaturation(), 0);
    QCOMPARE(gris.lightness(), vert.lightness());
    // A hue offset turns the hue and keeps the lightness.
    const QColor tourne = skins::teinter(base, 0, 120).color(QPalette::Button);
    QCOMPARE(tourne.hslHue(), (vert.hslHue() + 120) % 360);
    QCOMPARE(tourne.lightness(), vert.lightness());
    QVERIFY(skins::teinter(base, 60, 0).color(QPalette::Button).hslSaturation() > vert.hslSaturation());
}

void TestSkins::skinsInstalles()
{
    QTemporaryDir dossier;
    ecrire(dossier.filePath(QStringLiteral("ocean.skin")),
           "[Skin]\nName=Océan\n[Palette]\nWindow=#003355\nWindowText=#001122\nBase=#ffffff\nText=#000000\n");
    ecrire(dossier.filePath(QStringLiteral("Aurore.skin")), "[Palette]\nWindow=#ffeedd\n");
    ecrire(dossier.filePath(QStringLiteral("double.skin")), "[Skin]\nName=Golden\n[Palette]\nWindow=#000000\n");
    ecrire(dossier.filePath(QStringLiteral("notes.txt")), "pas un skin");

    const QStringList noms = skins::nomsDisponibles(dossier.path());
    QCOMPARE(noms.mid(0, 9), skins::nomsIntegres());
    QCOMPARE(noms.mid(9), (QStringList {QStringLiteral("Aurore"), QStringLiteral("Océan")}));

    const QPalette ocean = *skins::palette(QStringLiteral("Océan"), dossier.path());
    QCOMPARE(ocean.color(QPalette::Window), QColor(QStringLiteral("#003355")));
    // Dark text on a dark window is made readable.
    QVERIFY(skins::contraste(ocean.color(QPalette::Window), ocean.color(QPalette::WindowText)) >= skins::CONTRASTE_MIN);
    // A built-in name is not taken over by a file.
    QCOMPARE(skins::palette(QStringLiteral("Golden"), dossier.path())->color(QPalette::Window),
             skins::palette(QStringLiteral("Golden"), QString())->color(QPalette::Window));
}

void TestSkins::gestionnaire()
{
    TGestionnaireSkins gestionnaire;
    QCOMPARE(gestionnaire.nomSkin(), QStringLiteral("WLM"));
    QCOMPARE(QApplication::palette().color(QPalette::Window),
             skins::palette(QStringLiteral("WLM"), QString())->color(QPalette::Window));
    gestionnaire.setNomSkin(QStringLiteral("Sapphire"));
    gestionnaire.setSaturation(250);
    gestionnaire.setTeinte(-5);
    QCOMPARE(gestionnaire.saturation(), 100);
    QCOMPARE(gestionnaire.teinte(), 0);
    QCOMPARE(QApplication::palette().color(QPalette::Base), gestionnaire.paletteCourante().color(QPalette::Base));
    // A name no skin bears is kept, the colours stay.
    const QColor avant = QApplication::palette().color(QPalette::Window);
    gestionnaire.setNomSkin(QStringLiteral("Mystère"));
    QCOMPARE(gestionnaire.nomSkin(), QStringLiteral("Mystère"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), avant);
}

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
