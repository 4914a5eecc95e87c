#pragma once

#include "core/records.h"

#include <QByteArray>
#include <QString>

// The company profile on disk: a fixed-size record of seven length-prefixed texts in the
// shop's single-byte character set, then the first-start flag.
namespace talvex {

constexpr int TAILLE_PROFIL = 1793;
// One slot per text: a length byte, then up to 255 characters.
constexpr int TAILLE_CASE_PROFIL = 256;
constexpr int LONGUEUR_MAX_TEXTE_PROFIL = TAILLE_CASE_PROFIL - 1;

// Where the profile lives, relative to the working directory.
inline QString cheminProfilSociete()
{
    return QStringLiteral("CONFIG/config.qrv");
}

// The 1793-byte record of a profile; texts longer than 255 characters are cut, and the
// bytes after each text are zero.
QByteArray encoderProfil(const TSociete& societe);
// Sets the seven texts and the flag of `societe` from a record; raises Erreur when fewer
// than 1793 bytes are given, leaving `societe` as it was.
void decoderProfil(const QByteArray& octets, TSociete& societe);
TSociete decoderProfil(const QByteArray& octets);

// Reads the profile file into `societe`. A missing, short or unreadable file raises
// EInOutError and leaves `societe` as it was.
void lireProfilSociete(TSociete& societe, const QString& chemin = cheminProfilSociete());
// Writes the profile file, creating its folder when missing. The new content replaces the
// old one only once it is fully on disk: a failed write (EInOutError) keeps the old file.
void ecrireProfilSociete(const TSociete& societe, const QString& chemin = cheminProfilSociete());
// Copies the record into the user's settings (organisation "QRVNORD", application
// "TALVEX"), as the binary value "CONFIG". False, without a message, when it cannot.
bool copierProfilRegistre(const TSociete& societe);

// The main window's caption once the profile has been read, and once it has been written.
QString legendeApresLecture(const TSociete& societe);
QString legendeApresEcriture(const TSociete& societe);

} // namespace talvex
