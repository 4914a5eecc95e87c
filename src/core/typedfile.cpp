#include "core/typedfile.h"

#include "core/erreurfichier.h"
#include "core/errors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace talvex {

namespace {

QString descriptionErreur(int code)
{
    switch (code) {
    case ENOENT:
        return QStringLiteral("fichier ou dossier introuvable");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case ENOSPC:
        return QStringLiteral("disque plein");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case EIO:
        return QStringLiteral("fin de fichier ou erreur de lecture/écriture");
    default:
        return QStringLiteral("erreur système");
    }
}

} // namespace

void leverErreurFichier(const QString& fichier, int code)
{
    throw EInOutError(QStringLiteral("Erreur d'entrée/sortie %1 sur le fichier « %2 » : %3.")
                          .arg(code)
                          .arg(fichier, descriptionErreur(code)),
                      code);
}

TCustomFile::TCustomFile(const QString& nom)
    : nomFichier(nom)
    , m_nomLie(nom)
{
}

TCustomFile::~TCustomFile()
{
    if (m_descripteur >= 0)
        ::close(m_descripteur);
}

void TCustomFile::nommer(const QString& nom)
{
    nomFichier = nom;
}

void TCustomFile::ouvrir(int drapeaux)
{
    fermer();
    const QByteArray chemin = QFile::encodeName(m_nomLie);
    const int fd = ::open(chemin.constData(), drapeaux | O_CLOEXEC, 0644);
    if (fd < 0)
        leverErreurFichier(m_nomLie, errno);
    m_descripteur = fd;
    ouvert = true;
}

void TCustomFile::lireBloc(void* tampon, int n)
{
    if (!ouvert)
        leverErreurFichier(m_nomLie, EBADF);
    const auto attendu = static_cast<std::size_t>(n) * static_cast<std::size_t>(tailleBloc());
    std::size_t lu = 0;
    auto* octets = static_cast<char*>(tampon);
    while (lu < attendu) {
        const ssize_t r = ::read(m_descripteur, octets + lu, attendu - lu);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            leverErreurFichier(m_nomLie, errno);
        if (r == 0)
            leverErreurFichier(m_nomLie, EIO); // the file is shorter than the block asked for
        lu += static_cast<std::size_t>(r);
    }
}

void TCustomFile::ecrireBloc(const void* tampon, int n)
{
    if (!ouvert)
        leverErreurFichier(m_nomLie, EBADF);
    const auto attendu = static_cast<std::size_t>(n) * static_cast<std::size_t>(tailleBloc());
    std::size_t ecrit = 0;
    const auto* octets = static_cast<const char*>(tampon);
    while (ecrit < attendu) {
        const ssize_t r = ::write(m_descripteur, octets + ecrit, attendu - ecrit);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            leverErreurFichier(m_nomLie, r < 0 ? errno : EIO);
        ecrit += static_cast<std::size_t>(r);
    }
}

void TCustomFile::fermer()
{
    if (m_descripteur >= 0) {
        const int fd = m_descripteur;
        m_descripteur = -1;
        ouvert = false;
        if (::close(fd) != 0)
            leverErreurFichier(m_nomLie, errno);
    }
    ouvert = false;
}

TFile::TFile(const QString& nom, int taille)
    : TCustomFile(nom)
    , tailleEnregistrement(taille)
{
}

void TFile::ouvrirLecture()
{
    try {
        ouvrir(O_RDWR);
    } catch (const EInOutError& erreur) {
        // A file the user may only read (read-only file or medium) can still be loaded.
        if (erreur.code() != EACCES && erreur.code() != EROFS)
            throw;
        ouvrir(O_RDONLY);
    }
}

void TFile::ouvrirEcriture()
{
    ouvrir(O_RDWR | O_CREAT | O_TRUNC);
}

} // namespace talvex
