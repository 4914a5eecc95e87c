#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

namespace talvex::test {

// A fresh, empty working directory for one test that touches files but no database;
// the previous working directory comes back on destruction.
class DossierDeTravail
{
public:
    DossierDeTravail()
        : m_ancienDossier(QDir::currentPath())
    {
        if (!m_dossier.isValid() || !QDir::setCurrent(m_dossier.path()))
            throw std::runtime_error("cannot create a temporary working directory");
    }
    DossierDeTravail(const DossierDeTravail&) = delete;
    DossierDeTravail& operator=(const DossierDeTravail&) = delete;
    ~DossierDeTravail() { QDir::setCurrent(m_ancienDossier); }

    QString chemin() const { return m_dossier.path(); }

private:
    QTemporaryDir m_dossier;
    QString m_ancienDossier;
};

// Writes a file's whole content, creating its folder; false when it cannot.
inline bool ecrireOctets(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

// A file's whole content; empty when it cannot be read.
inline QByteArray lireOctets(const QString& chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

} // namespace talvex::test
