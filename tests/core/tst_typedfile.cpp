#include "core/errors.h"
#include "core/typedfile.h"

#include "support/dossierdetravail.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cerrno>
#include <functional>
#include <memory>

using namespace talvex;
using test::ecrireOctets;
using test::lireOctets;

namespace {

// The error code an operation raises, 0 when it raises nothing.
int codeErreur(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const EInOutError& erreur) {
        return erreur.code();
    }
    return 0;
}

} // namespace

class TestTypedFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void erreursPortentLeCodeSysteme_data();
    void erreursPortentLeCodeSysteme();
    void ouvrirLectureFichierAbsent();
    void enregistrementsDeLaTailleDonnee();
    void ouvrirEcritureTronque();
    void nommerNeChangePasLeFichier();

private:
    std::unique_ptr<test::DossierDeTravail> m_dossier;
};

void TestTypedFile::init()
{
    m_dossier = std::make_unique<test::DossierDeTravail>();
}

void TestTypedFile::cleanup()
{
    m_dossier.reset();
}

void TestTypedFile::erreursPortentLeCodeSysteme_data()
{
    QTest::addColumn<std::function<void()>>("operation");
    QTest::addColumn<int>("code");

    QTest::newRow("lecture d'un fichier absent")
        << std::function<void()>([] { TFile("absent.bin", 1).ouvrirLecture(); }) << ENOENT;
    QTest::newRow("creation dans un dossier absent")
        << std::function<void()>([] { TFile("absent/f.bin", 1).ouvrirEcriture(); }) << ENOENT;
    QTest::newRow("creation sur un dossier") << std::function<void()>([] {
        QDir().mkdir("dossier");
        TFile("dossier", 1).ouvrirEcriture();
    }) << EISDIR;
    QTest::newRow("lecture au-dela de la fin") << std::function<void()>([] {
        QVERIFY(ecrireOctets("dix.bin", QByteArray(10, 'a')));
        TFile fichier("dix.bin", 4);
        fichier.ouvrirLecture();
        char tampon[12];
        fichier.lireBloc(tampon, 3);
    }) << EIO;
    QTest::newRow("lecture d'un fichier ferme") << std::function<void()>([] {
        char tampon[1];
        TFile("dix.bin", 1).lireBloc(tampon, 1);
    }) << EBADF;
    QTest::newRow("ecriture d'un fichier ferme")
        << std::function<void()>([] { TFile("dix.bin", 1).ecrireBloc("a", 1); }) << EBADF;
}

void TestTypedFile::erreursPortentLeCodeSysteme()
{
    QFETCH(std::function<void()>, operation);
    QFETCH(int, code);

    QCOMPARE(codeErreur(operation), code);
}

void TestTypedFile::ouvrirLectureFichierAbsent()
{
    TFile fichier("absent.bin", 1);
    try {
        fichier.ouvrirLecture();
        QFAIL("opening a missing file must fail");
    } catch (const EInOutError& erreur) {
        QCOMPARE(erreur.code(), ENOENT);
        QVERIFY(erreur.message().contains("absent.bin"));
        QVERIFY(erreur.message().startsWith(QStringLiteral("Erreur d'entrée/sortie")));
    }
    QVERIFY(!fichier.ouvert);
}

void TestTypedFile::enregistrementsDeLaTailleDonnee()
{
    {
        TFile fichier("quatre.bin", 4);
        fichier.ouvrirEcriture();
        QVERIFY(fichier.ouvert);
        fichier.ecrireBloc("abcdefgh", 2);
        fichier.ecrireEnregistrement("ijkl");
        fichier.fermer();
        QVERIFY(!fichier.ouvert);
    }
    QCOMPARE(lireOctets("quatre.bin"), QByteArray("abcdefghijkl"));

    TFile fichier("quatre.bin", 4);
    fichier.ouvrirLecture();
    char tampon[5] = {};
    fichier.lireEnregistrement(tampon);
    QCOMPARE(QByteArray(tampon), QByteArray("abcd"));
    fichier.lireBloc(tampon, 1);
    QCOMPARE(QByteArray(tampon), QByteArray("efgh"));
}

void TestTypedFile::ouvrirEcritureTronque()
{
    QVERIFY(ecrireOctets("long.bin", QByteArray(100, 'z')));
    TFile fichier("long.bin", 1);
    fichier.ouvrirEcriture();
    fichier.ecrireBloc("a", 1);
    fichier.fermer();
    QCOMPARE(lireOctets("long.bin"), QByteArray("a"));
}

void TestTypedFile::nommerNeChangePasLeFichier()
{
    TFile fichier("premier.bin", 1);
    fichier.nommer("second.bin");
    QCOMPARE(fichier.nomFichier, QStringLiteral("second.bin"));
    fichier.ouvrirEcriture();
    fichier.ecrireBloc("x", 1);
    fichier.fermer();
    QVERIFY(QFile::exists("premier.bin"));
    QVERIFY(!QFile::exists("second.bin"));
}

QTEST_APPLESS_MAIN(TestTypedFile)
#include "tst_typedfile.moc"
