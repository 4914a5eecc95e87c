#include "core/errors.h"
#include "core/profilsociete.h"

#include "support/dossierdetravail.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace talvex;
using test::ecrireOctets;
using test::lireOctets;

namespace {

const QString CHEMIN = QStringLiteral("CONFIG/config.qrv");

// The fields of a profile, for comparing two profiles at once.
QStringList champs(const TSociete& s)
{
    return {s.nom, s.slogan, s.adresse, s.telephone, s.fax, s.siteweb, s.email, QString::number(s.premierDemarrage)};
}

TSociete societeDExemple()
{
    TSociete societe;
    societe.nom = QStringLiteral("Boutique Élodie");
    societe.slogan = QStringLiteral("Prix en €");
    societe.adresse = QStringLiteral("12 rue Pasteur\r\nBP 45\r\nDakar");
    societe.telephone = QStringLiteral("33 821 00 00");
    societe.fax = QString();
    societe.siteweb = QStringLiteral("www.elodie.sn");
    societe.email = QStringLiteral("contact@elodie.sn");
    societe.premierDemarrage = 0;
    return societe;
}

// A slot as the file holds it: the length byte, the characters, then `remplissage`.
QByteArray caseProfil(const QByteArray& texte, char remplissage = '\0')
{
    QByteArray octets(TAILLE_CASE_PROFIL, remplissage);
    octets[0] = static_cast<char>(texte.size());
    octets.replace(1, texte.size(), texte);
    return octets;
}

// The error code lireProfilSociete raises, 0 when it raises nothing.
int codeLecture(TSociete& societe)
{
    try {
        lireProfilSociete(societe);
    } catch (const EInOutError& erreur) {
        return erreur.code();
    }
    return 0;
}

// The error ecrireProfilSociete raises, empty with code 0 when it raises nothing.
std::pair<int, QString> erreurEcriture(const TSociete& societe)
{
    try {
        ecrireProfilSociete(societe);
    } catch (const EInOutError& erreur) {
        return {erreur.code(), erreur.message()};
    }
    return {0, {}};
}

// For its lifetime, files are opened as an ordinary user would open them: root (as tests
// often run) would otherwise pass every permission check.
class AccesSansPrivilege
{
public:
    AccesSansPrivilege()
    {
        if (::geteuid() == 0)
            m_ancien = ::setfsuid(65534);
    }
    AccesSansPrivilege(const AccesSansPrivilege&) = delete;
    AccesSansPrivilege& operator=(const AccesSansPrivilege&) = delete;
    ~AccesSansPrivilege()
    {
        if (m_ancien >= 0)
            ::setfsuid(static_cast<uid_t>(m_ancien));
    }

private:
    int m_ancien = -1;
};

// For its lifetime, no file of the process may grow past `taille` bytes: a write beyond
// fails as on a full disk.
class TailleDeFichierLimitee
{
public:
    explicit TailleDeFichierLimitee(rlim_t taille)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_avant);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = m_avant;
        limite.rlim_cur = taille;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    TailleDeFichierLimitee(const TailleDeFichierLimitee&) = delete;
    TailleDeFichierLimitee& operator=(const TailleDeFichierLimitee&) = delete;
    ~TailleDeFichierLimitee()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_avant);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_avant {};
    void (*m_signal)(int) = nullptr;
};

} // namespace

class TestProfilSociete : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fichierEcritALaMainRelu();
    void formatOctetParOctet();
    void texteTropLongCoupe();
    void caractereHorsDuJeuUnOctet();
    void fichierAbsent();
    void fichierCourt_data();
    void fichierCourt();
    void fichierPlusLongLuSurSesPremiersOctets();
    void dossierCONFIGCree();
    void ecritureRateeGardeLAncienProfil();
    void profilEnLectureSeule();
    void copieRegistre();
    void copieRegistreImpossible();
    void legendes();

private:
    QTemporaryDir m_reglages;
    std::unique_ptr<test::DossierDeTravail> m_dossier;
};

void TestProfilSociete::initTestCase()
{
    QVERIFY(m_reglages.isValid());
    // The registry copy goes to a folder of the test, never to the user's own settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_reglages.path());
}

void TestProfilSociete::init()
{
    m_dossier = std::make_unique<test::DossierDeTravail>();
}

void TestProfilSociete::cleanup()
{
    m_dossier.reset();
}

void TestProfilSociete::fichierEcritALaMainRelu()
{
    // Bytes after each text carry no meaning: fill them with noise.
    const char bruit = '\x5A';
    QByteArray octets;
    octets += caseProfil("Caf\xE9 80\x80", bruit);
    octets += caseProfil("", bruit);
    octets += caseProfil("Rue 1\r\nDakar", bruit);
    octets += caseProfil("338210000", bruit);
    octets += caseProfil("", bruit);
    octets += caseProfil("www.x.sn", bruit);
    octets += caseProfil("a@x.sn", bruit);
    octets += '\0';
    QCOMPARE(octets.size(), TAILLE_PROFIL);
    QVERIFY(ecrireOctets(CHEMIN, octets));

    TSociete societe;
    lireProfilSociete(societe);
    QCOMPARE(societe.nom, QStringLiteral("Café 80€"));
    QCOMPARE(societe.slogan, QString());
    QCOMPARE(societe.adresse, QStringLiteral("Rue 1\r\nDakar"));
    QCOMPARE(societe.telephone, QStringLiteral("338210000"));
    QCOMPARE(societe.fax, QString());
    QCOMPARE(societe.siteweb, QStringLiteral("www.x.sn"));
    QCOMPARE(societe.email, QStringLiteral("a@x.sn"));
    QCOMPARE(societe.premierDemarrage, quint8(0));
}

void TestProfilSociete::formatOctetParOctet()
{
    QByteArray attendu;
    attendu += caseProfil("Boutique \xC9lodie");
    attendu += caseProfil("Prix en \x80");
    attendu += caseProfil("12 rue Pasteur\r\nBP 45\r\nDakar");
    attendu += caseProfil("33 821 00 00");
    attendu += caseProfil("");
    attendu += caseProfil("www.elodie.sn");
    attendu += caseProfil("contact@elodie.sn");
    attendu += '\0';

    const TSociete societe = societeDExemple();
    QCOMPARE(encoderProfil(societe), attendu);
    ecrireProfilSociete(societe);
    QCOMPARE(lireOctets(CHEMIN), attendu);

    TSociete relue;
    lireProfilSociete(relue);
    QCOMPARE(champs(relue), champs(societe));

    TSociete nouvelle;
    ecrireProfilSociete(nouvelle);
    QCOMPARE(lireOctets(CHEMIN).at(TAILLE_PROFIL - 1), '\x01');
}

void TestProfilSociete::texteTropLongCoupe()
{
    TSociete societe;
    societe.adresse = QStringLiteral("0123456789").repeated(30);
    ecrireProfilSociete(societe);

    const QByteArray octets = lireOctets(CHEMIN);
    QCOMPARE(octets.size(), TAILLE_PROFIL);
    QCOMPARE(static_cast<quint8>(octets.at(2 * TAILLE_CASE_PROFIL)), quint8(255));
    TSociete relue;
    lireProfilSociete(relue);
    QCOMPARE(relue.adresse, societe.adresse.left(255));
    QCOMPARE(relue.telephone, QString()); // the cut text did not spill into the next slot
}

void TestProfilSociete::caractereHorsDuJeuUnOctet()
{
    // A character the single-byte set lacks takes one byte, so cutting stays at 255 characters.
    TSociete societe;
    societe.nom = QStringLiteral("a\u4E2Db\U0001F600c");
    const QByteArray octets = encoderProfil(societe);
    QCOMPARE(octets.at(0), '\x05');
    QCOMPARE(octets.at(1), 'a');
    QCOMPARE(octets.at(3), 'b');
    QCOMPARE(octets.at(5), 'c');
}

void TestProfilSociete::fichierAbsent()
{
    TSociete societe = societeDExemple();
    const QStringList avant = champs(societe);
    QCOMPARE(codeLecture(societe), ENOENT);
    QCOMPARE(champs(societe), avant);
}

void TestProfilSociete::fichierCourt_data()
{
    QTest::addColumn<int>("taille");

    QTest::newRow("vide") << 0;
    QTest::newRow("un octet") << 1;
    QTest::newRow("sans le drapeau") << TAILLE_PROFIL - 1;
}

void TestProfilSociete::fichierCourt()
{
    QFETCH(int, taille);
    QVERIFY(ecrireOctets(CHEMIN, encoderProfil(societeDExemple()).left(taille)));

    TSociete societe;
    const QStringList avant = champs(societe);
    try {
        lireProfilSociete(societe);
        QFAIL("a short profile must not be read");
    } catch (const EInOutError& erreur) {
        QCOMPARE(erreur.code(), EIO);
        QVERIFY(erreur.message().startsWith(QStringLiteral("Erreur d'entrée/sortie")));
        QVERIFY(erreur.message().contains(CHEMIN));
    }
    QCOMPARE(champs(societe), avant);
}

void TestProfilSociete::fichierPlusLongLuSurSesPremiersOctets()
{
    QVERIFY(ecrireOctets(CHEMIN, encoderProfil(societeDExemple()) + QByteArray(40, '\x7F')));
    TSociete societe;
    lireProfilSociete(societe);
    QCOMPARE(champs(societe), champs(societeDExemple()));
}

void TestProfilSociete::dossierCONFIGCree()
{
    QVERIFY(!QDir("CONFIG").exists());
    ecrireProfilSociete(societeDExemple());
    QCOMPARE(lireOctets(CHEMIN).size(), TAILLE_PROFIL);
    QCOMPARE(QDir("CONFIG").entryList(QDir::Files), QStringList {"config.qrv"});
}

void TestProfilSociete::ecritureRateeGardeLAncienProfil()
{
    const TSociete ancienne = societeDExemple();
    ecrireProfilSociete(ancienne);
    const QByteArray avant = lireOctets(CHEMIN);

    TSociete nouvelle;
    nouvelle.nom = QStringLiteral("Autre boutique");
    std::pair<int, QString> erreur;
    {
        const TailleDeFichierLimitee limite(100);
        erreur = erreurEcriture(nouvelle);
    }
    QCOMPARE(erreur.first, EFBIG);
    QVERIFY(erreur.second.contains(CHEMIN));
    QCOMPARE(lireOctets(CHEMIN), avant);
    QCOMPARE(QDir("CONFIG").entryList(QDir::Files), QStringList {"config.qrv"}); // no spare file left
}

void TestProfilSociete::profilEnLectureSeule()
{
    ecrireProfilSociete(societeDExemple());
    const QByteArray avant = lireOctets(CHEMIN);
    const QFile::Permissions lireEtTraverser = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(".", lireEtTraverser));
    // The folder stays open to all: only the file itself refuses to be written.
    QVERIFY(QFile::setPermissions("CONFIG", lireEtTraverser | QFile::WriteGroup | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(CHEMIN, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    const AccesSansPrivilege utilisateur;
    TSociete societe;
    QCOMPARE(codeLecture(societe), 0);
    QCOMPARE(champs(societe), champs(societeDExemple()));

    TSociete nouvelle;
    QCOMPARE(erreurEcriture(nouvelle).first, EACCES);
    QCOMPARE(lireOctets(CHEMIN), avant);
}

void TestProfilSociete::copieRegistre()
{
    const TSociete societe = societeDExemple();
    QVERIFY(copierProfilRegistre(societe));
    const QSettings registre(QStringLiteral("QRVNORD"), QStringLiteral("TALVEX"));
    QVERIFY(registre.fileName().startsWith(m_reglages.path()));
    QCOMPARE(registre.value(QStringLiteral("CONFIG")).toByteArray(), encoderProfil(societe));
}

void TestProfilSociete::copieRegistreImpossible()
{
    // Settings under a plain file can never be created.
    QVERIFY(ecrireOctets("fichier", "x"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir::current().filePath("fichier/reglages"));
    const bool copie = copierProfilRegistre(societeDExemple());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_reglages.path());
    QVERIFY(!copie);
}

void TestProfilSociete::legendes()
{
    TSociete societe;
    societe.nom = QStringLiteral("QRV NORD");
    QCOMPARE(legendeApresLecture(societe), QStringLiteral("GESTION DE STOCK  QRV NORD"));
    QCOMPARE(legendeApresEcriture(societe), QStringLiteral("GESTION DE STOCK - QRV NORD"));
}

QTEST_GUILESS_MAIN(TestProfilSociete)
#include "tst_profilsociete.moc"
