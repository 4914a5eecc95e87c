#pragma once

#include <QString>

namespace talvex {

// A file of fixed-size binary records. Every failure raises EInOutError with the
// system's error code; a failed open leaves the file closed.
class TCustomFile
{
public:
    explicit TCustomFile(const QString& nom);
    TCustomFile(const TCustomFile&) = delete;
    TCustomFile& operator=(const TCustomFile&) = delete;
    virtual ~TCustomFile();

    // Renames the object only: the file handle stays bound to the name given at creation.
    virtual void nommer(const QString& nom);
    virtual void lireBloc(void* tampon, int n);
    virtual void ecrireBloc(const void* tampon, int n);
    virtual void ouvrirLecture() = 0;
    virtual void ouvrirEcriture() = 0;
    virtual void fermer();

    QString nomFichier;
    bool ouvert = false;

protected:
    void ouvrir(int drapeaux);
    virtual int tailleBloc() const { return 1; }
    const QString& nomLie() const { return m_nomLie; }

private:
    QString m_nomLie;
    int m_descripteur = -1;
};

class TFile : public TCustomFile
{
public:
    TFile(const QString& nom, int taille);

    void ouvrirLecture() override;
    void ouvrirEcriture() override;
    void lireEnregistrement(void* tampon) { lireBloc(tampon, 1); }
    void ecrireEnregistrement(const void* tampon) { ecrireBloc(tampon, 1); }

    const int tailleEnregistrement;

protected:
    int tailleBloc() const override { return tailleEnregistrement; }
};

} // namespace talvex
