#include "settings/gestionnaireskins.h"

#include "settings/skins.h"

#include <QApplication>

#include <algorithm>

namespace talvex {

TGestionnaireSkins::TGestionnaireSkins(QObject* parent)
    : QObject(parent)
    , m_dossier(skins::dossierSkins())
{
    setObjectName(QStringLiteral("sSkinManager1"));
    setNomSkin(skins::skinParDefaut());
}

void TGestionnaireSkins::setNomSkin(const QString& nom)
{
    m_nom = nom;
    if (const auto palette = skins::palette(nom, m_dossier))
        m_base = *palette;
    appliquer();
}

void TGestionnaireSkins::setSaturation(int saturation)
{
    m_saturation = std::clamp(saturation, skins::SATURATION_MIN, skins::SATURATION_MAX);
    appliquer();
}

void TGestionnaireSkins::setTeinte(int teinte)
{
    m_teinte = std::clamp(teinte, skins::TEINTE_MIN, skins::TEINTE_MAX);
    appliquer();
}

QStringList TGestionnaireSkins::nomsSkins() const
{
    return skins::nomsDisponibles(m_dossier);
}

QPalette TGestionnaireSkins::paletteCourante() const
{
    return skins::teinter(m_base, m_saturation, m_teinte);
}

void TGestionnaireSkins::appliquer()
{
    QApplication::setPalette(paletteCourante());
    emit apparenceChangee();
}

} // namespace talvex
