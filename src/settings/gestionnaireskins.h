#pragma once

#include <QObject>
#include <QPalette>
#include <QString>

namespace talvex {

// The skin manager of the main window (sSkinManager1): one named skin tinted by a
// saturation (-100 to 100) and a hue offset (0 to 360) gives every window its look;
// any change re-skins every open window at once.
class TGestionnaireSkins : public QObject
{
    Q_OBJECT

public:
    explicit TGestionnaireSkins(QObject* parent = nullptr);

    QString nomSkin() const { return m_nom; }
    int saturation() const { return m_saturation; }
    int teinte() const { return m_teinte; }
    // The skin directory where further skins are installed.
    QString dossier() const { return m_dossier; }
    void setDossier(const QString& dossier) { m_dossier = dossier; }

    // A name no skin bears is kept as the name and leaves the colours as they are.
    void setNomSkin(const QString& nom);
    void setSaturation(int saturation);
    void setTeinte(int teinte);

    // The names of the skins it knows: the built-in ones, then those installed.
    QStringList nomsSkins() const;
    // The palette in force.
    QPalette paletteCourante() const;

signals:
    void apparenceChangee();

private:
    void appliquer();

    QString m_dossier;
    QString m_nom;
    QPalette m_base;
    int m_saturation = 0;
    int m_teinte = 0;
};

} // namespace talvex
