#include "core/profilsociete.h"

#include "core/erreurfichier.h"
#include "core/errors.h"
#include "core/texte1252.h"
#include "core/typedfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace talvex {

namespace {

// The texts in the order of their slots in the file.
constexpr std::array<QString TSociete::*, 7> TEXTES {
    &TSociete::nom,
    &TSociete::slogan,
    &TSociete::adresse,
    &TSociete::telephone,
    &TSociete::fax,
    &TSociete::siteweb,
    &TSociete::email,
};
static_assert(TEXTES.size() * TAILLE_CASE_PROFIL + 1 == TAILLE_PROFIL);

constexpr int POSITION_DRAPEAU = TAILLE_PROFIL - 1;

// Makes sure what was written to a file is on the disk before it replaces another.
void synchroniser(const QString& chemin)
{
    const int descripteur = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC);
    if (descripteur < 0)
        leverErreurFichier(chemin, errno);
    const int resultat = ::fsync(descripteur);
    const int code = errno;
    ::close(descripteur);
    if (resultat != 0)
        leverErreurFichier(chemin, code);
}

// An existing profile the user may not write stays as it is, as if written in place.
void verifierRemplacable(const QString& chemin)
{
    if (QFileInfo::exists(chemin)
        && ::faccessat(AT_FDCWD, QFile::encodeName(chemin).constData(), W_OK, AT_EACCESS) != 0)
        leverErreurFichier(chemin, errno);
}

void ecrireFichierComplet(const QString& chemin, const QByteArray& octets)
{
    TFile fichier(chemin, 1);
    fichier.ouvrirEcriture();
    fichier.ecrireBloc(octets.constData(), static_cast<int>(octets.size()));
    fichier.fermer();
    synchroniser(chemin);
}

} // namespace

QByteArray encoderProfil(const TSociete& societe)
{
    QByteArray octets(TAILLE_PROFIL, '\0');
    int debut = 0;
    for (const auto champ : TEXTES) {
        const QByteArray texte = versWindows1252(societe.*champ).left(LONGUEUR_MAX_TEXTE_PROFIL);
        octets[debut] = static_cast<char>(texte.size());
        octets.replace(debut + 1, texte.size(), texte);
        debut += TAILLE_CASE_PROFIL;
    }
    octets[POSITION_DRAPEAU] = static_cast<char>(societe.premierDemarrage);
    return octets;
}

void decoderProfil(const QByteArray& octets, TSociete& societe)
{
    if (octets.size() < TAILLE_PROFIL)
        throw Erreur(QStringLiteral("Profil de la société incomplet : %1 octets au lieu de %2.")
                         .arg(octets.size())
                         .arg(TAILLE_PROFIL));
    int debut = 0;
    for (const auto champ : TEXTES) {
        const int longueur = static_cast<quint8>(octets.at(debut));
        societe.*champ = depuisWindows1252(octets.mid(debut + 1, longueur));
        debut += TAILLE_CASE_PROFIL;
    }
    societe.premierDemarrage = static_cast<quint8>(octets.at(POSITION_DRAPEAU));
}

TSociete decoderProfil(const QByteArray& octets)
{
    TSociete societe;
    decoderProfil(octets, societe);
    return societe;
}

void lireProfilSociete(TSociete& societe, const QString& chemin)
{
    QByteArray octets(TAILLE_PROFIL, '\0');
    {
        TFile fichier(chemin, 1);
        fichier.ouvrirLecture();
        fichier.lireBloc(octets.data(), TAILLE_PROFIL);
    }
    decoderProfil(octets, societe);
}

void ecrireProfilSociete(const TSociete& societe, const QString& chemin)
{
    const QByteArray octets = encoderProfil(societe);
    const QFileInfo cible(chemin);
    QDir().mkpath(cible.absolutePath()); // a failure shows when the file is created
    verifierRemplacable(chemin);

    // Written beside the profile, then put in its place in one step.
    const QString provisoire = chemin + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid());
    try {
        ecrireFichierComplet(provisoire, octets);
        if (cible.exists())
            QFile::setPermissions(provisoire, cible.permissions());
        if (std::rename(QFile::encodeName(provisoire).constData(), QFile::encodeName(chemin).constData()) != 0)
            leverErreurFichier(chemin, errno);
    } catch (const EInOutError& erreur) {
        QFile::remove(provisoire);
        leverErreurFichier(chemin, erreur.code()); // the user knows the profile, not the spare file
    }
}

bool copierProfilRegistre(const TSociete& societe)
{
    QSettings registre(QStringLiteral("QRVNORD"), QStringLiteral("TALVEX"));
    if (!registre.isWritable())
        return false;
    registre.setValue(QStringLiteral("CONFIG"), encoderProfil(societe));
    registre.sync();
    return registre.status() == QSettings::NoError;
}

QString legendeApresLecture(const TSociete& societe)
{
    return QStringLiteral("GESTION DE STOCK  ") + societe.nom;
}

QString legendeApresEcriture(const TSociete& societe)
{
    return QStringLiteral("GESTION DE STOCK - ") + societe.nom;
}

} // namespace talvex
