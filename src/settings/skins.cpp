#include "settings/skins.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace talvex::skins {

namespace {

// The colours a skin names; the others are derived from them.
struct Couleurs
{
    const char* nom;
    const char* window;
    const char* windowText;
    const char* base;
    const char* alternateBase;
    const char* text;
    const char* button;
    const char* buttonText;
    const char* highlight;
    const char* highlightedText;
    const char* toolTipBase;
    const char* toolTipText;
    const char* link;
};

// clang-format off
constexpr Couleurs INTEGRES[] = {
    // name            window     windowText base       altBase    text       button     buttonTxt  highlight  hlText     tipBase    tipText    link
    {"WLM",            "#dde8f5", "#1b2a3d", "#ffffff", "#eef4fb", "#101820", "#cfe0f3", "#1b2a3d", "#2f6db3", "#ffffff", "#ffffe1", "#000000", "#0b57a4"},
    {"Terminal4bit",   "#000000", "#c0c0c0", "#000000", "#0c0c0c", "#55ff55", "#404040", "#ffffff", "#008080", "#ffffff", "#000080", "#ffff55", "#55ffff"},
    {"Office12Style",  "#d5e4f7", "#15428b", "#ffffff", "#f0f6fd", "#000000", "#e4eefa", "#15428b", "#ffd66e", "#000000", "#ffffff", "#15428b", "#15428b"},
    {"BlueGauze",      "#e6edf7", "#1f2f40", "#f8fbff", "#edf3fb", "#102030", "#d8e3f1", "#1f2f40", "#44699f", "#ffffff", "#f8fbff", "#1f2f40", "#1d4f91"},
    {"Golden",         "#f1dfae", "#3a2905", "#fffaf0", "#fbf0d6", "#2a1c00", "#e6c56e", "#3a2905", "#7e5200", "#ffffff", "#fff6dc", "#3a2905", "#74470a"},
    {"TheFrog",        "#cde5b6", "#1c330e", "#f6fbf1", "#e8f3dd", "#132207", "#b3d799", "#1c330e", "#3a7520", "#ffffff", "#f6fbf1", "#1c330e", "#2a6311"},
    {"BlueGlass",      "#1f3550", "#e6f0fa", "#14263b", "#1a2f48", "#e8f2ff", "#2c4a6e", "#ffffff", "#4aa3df", "#000000", "#e6f0fa", "#14263b", "#8cc8ff"},
    {"Snow Leopard",   "#e8e8e8", "#000000", "#ffffff", "#f3f6fa", "#000000", "#f6f6f6", "#000000", "#3875d7", "#ffffff", "#ffffe1", "#000000", "#0b5fd1"},
    {"Sapphire",       "#142850", "#dce6ff", "#0c1a36", "#112244", "#e6ecff", "#1e3a70", "#ffffff", "#6ea0ff", "#000000", "#dce6ff", "#0c1a36", "#9cbcff"},
};
// clang-format on

using Role = QPalette::ColorRole;

struct RoleNomme
{
    Role role;
    const char* cle;
    const char* Couleurs::*champ;
};

constexpr RoleNomme ROLES[] = {
    {QPalette::Window, "Window", &Couleurs::window},
    {QPalette::WindowText, "WindowText", &Couleurs::windowText},
    {QPalette::Base, "Base", &Couleurs::base},
    {QPalette::AlternateBase, "AlternateBase", &Couleurs::alternateBase},
    {QPalette::Text, "Text", &Couleurs::text},
    {QPalette::Button, "Button", &Couleurs::button},
    {QPalette::ButtonText, "ButtonText", &Couleurs::buttonText},
    {QPalette::Highlight, "Highlight", &Couleurs::highlight},
    {QPalette::HighlightedText, "HighlightedText", &Couleurs::highlightedText},
    {QPalette::ToolTipBase, "ToolTipBase", &Couleurs::toolTipBase},
    {QPalette::ToolTipText, "ToolTipText", &Couleurs::toolTipText},
    {QPalette::Link, "Link", &Couleurs::link},
};

QColor melange(const QColor& a, const QColor& b, double part)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - part) + b.redF() * part),
                            static_cast<float>(a.greenF() * (1 - part) + b.greenF() * part),
                            static_cast<float>(a.blueF() * (1 - part) + b.blueF() * part));
}

bool estSombre(const QColor& c)
{
    return contraste(c, Qt::black) < contraste(c, Qt::white);
}

// Black or white, whichever reads better on `fond`.
QColor texteLisibleSur(const QColor& fond)
{
    return estSombre(fond) ? QColor(Qt::white) : QColor(Qt::black);
}

// The roles a skin does not name, and the disabled group, derived from those it names.
void completer(QPalette& p)
{
    const QColor bouton = p.color(QPalette::Button);
    const bool sombre = estSombre(p.color(QPalette::Window));
    p.setColor(QPalette::Light, bouton.lighter(sombre ? 160 : 130));
    p.setColor(QPalette::Midlight, bouton.lighter(sombre ? 130 : 115));
    p.setColor(QPalette::Mid, bouton.darker(sombre ? 130 : 150));
    p.setColor(QPalette::Dark, bouton.darker(sombre ? 160 : 200));
    p.setColor(QPalette::Shadow, QColor(Qt::black));
    p.setColor(QPalette::BrightText, sombre ? QColor(0xff, 0x8a, 0x80) : QColor(0xc0, 0x00, 0x00));
    p.setColor(QPalette::LinkVisited, melange(p.color(QPalette::Link), p.color(QPalette::Text), 0.35));
    p.setColor(QPalette::PlaceholderText, melange(p.color(QPalette::Text), p.color(QPalette::Base), 0.4));
}

// Disabled texts: halfway between the active text and its background.
void deriverDesactives(QPalette& p)
{
    for (const auto& [fond, texte] : pairesLisibles()) {
        p.setColor(QPalette::Disabled,
                   texte,
                   melange(p.color(QPalette::Active, texte), p.color(QPalette::Active, fond), 0.45));
    }
    p.setColor(
        QPalette::Disabled,
        QPalette::Highlight,
        melange(p.color(QPalette::Active, QPalette::Highlight), p.color(QPalette::Active, QPalette::Window), 0.5));
}

// Any text below the contrast it needs is set to black or white.
void rendreLisible(QPalette& p)
{
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& [fond, texte] : pairesLisibles()) {
            if (contraste(p.color(group, fond), p.color(group, texte)) < CONTRASTE_MIN)
                p.setColor(group, texte, texteLisibleSur(p.color(group, fond)));
        }
        const QColor base = p.color(group, QPalette::Base);
        for (const Role lien : {QPalette::Link, QPalette::LinkVisited}) {
            if (contraste(base, p.color(group, lien)) < CONTRASTE_MIN)
                p.setColor(group, lien, texteLisibleSur(base));
        }
    }
}

QPalette construire(const Couleurs& c)
{
    QPalette p;
    for (const RoleNomme& r : ROLES)
        p.setColor(QPalette::All, r.role, QColor(QString::fromLatin1(c.*(r.champ))));
    completer(p);
    rendreLisible(p);
    deriverDesactives(p);
    return p;
}

const Couleurs* integre(const QString& nom)
{
    const auto it = std::find_if(
        std::begin(INTEGRES), std::end(INTEGRES), [&](const Couleurs& c) { return nom == QLatin1String(c.nom); });
    return it == std::end(INTEGRES) ? nullptr : &*it;
}

struct SkinInstalle
{
    QString nom;
    QString fichier;
};

std::vector<SkinInstalle> skinsInstalles(const QString& dossier)
{
    std::vector<SkinInstalle> skins;
    const QDir d(dossier);
    for (const QFileInfo& fichier : d.entryInfoList({QStringLiteral("*.skin")}, QDir::Files, QDir::Name)) {
        const QSettings lecture(fichier.absoluteFilePath(), QSettings::IniFormat);
        const QString nom = lecture.value(QStringLiteral("Skin/Name"), fichier.completeBaseName()).toString().trimmed();
        if (!nom.isEmpty())
            skins.push_back({nom, fichier.absoluteFilePath()});
    }
    return skins;
}

QPalette lireFichier(const QString& fichier)
{
    const QSettings lecture(fichier, QSettings::IniFormat);
    const Couleurs& defaut = INTEGRES[0];
    QPalette p;
    for (const RoleNomme& r : ROLES) {
        QColor couleur(lecture.value(QStringLiteral("Palette/") + QLatin1String(r.cle)).toString().trimmed());
        if (!couleur.isValid())
            couleur = QColor(QString::fromLatin1(defaut.*(r.champ)));
        p.setColor(QPalette::All, r.role, couleur);
    }
    completer(p);
    rendreLisible(p);
    deriverDesactives(p);
    return p;
}

double luminance(const QColor& c)
{
    const auto lineaire = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) + 0.0722 * lineaire(c.blueF());
}

QColor teinterCouleur(const QColor& couleur, int saturation, int teinte)
{
    int h = 0;
    int s = 0;
    int l = 0;
    int a = 0;
    couleur.getHsl(&h, &s, &l, &a);
    if (h >= 0)
        h = (h + teinte) % 360;
    s = saturation < 0 ? s * (100 + saturation) / 100 : s + (255 - s) * saturation / 100;
    return QColor::fromHsl(h, std::clamp(s, 0, 255), l, a);
}

} // namespace

QStringList nomsIntegres()
{
    QStringList noms;
    for (const Couleurs& c : INTEGRES)
        noms << QString::fromLatin1(c.nom);
    return noms;
}

QString skinParDefaut()
{
    return QStringLiteral("WLM");
}

QString dossierSkins()
{
    return QStringLiteral("Skins");
}

QStringList nomsDisponibles(const QString& dossier)
{
    QStringList noms = nomsIntegres();
    for (const SkinInstalle& skin : skinsInstalles(dossier)) {
        if (!noms.contains(skin.nom))
            noms << skin.nom;
    }
    return noms;
}

std::optional<QPalette> palette(const QString& nom, const QString& dossier)
{
    if (const Couleurs* c = integre(nom))
        return construire(*c);
    for (const SkinInstalle& skin : skinsInstalles(dossier)) {
        if (skin.nom == nom)
            return lireFichier(skin.fichier);
    }
    return std::nullopt;
}

QPalette teinter(const QPalette& base, int saturation, int teinte)
{
    saturation = std::clamp(saturation, SATURATION_MIN, SATURATION_MAX);
    teinte = std::clamp(teinte, TEINTE_MIN, TEINTE_MAX) % 360;
    QPalette p = base;
    if (saturation == 0 && teinte == 0)
        return p;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto groupe = static_cast<QPalette::ColorGroup>(g);
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto role = static_cast<Role>(r);
            p.setColor(groupe, role, teinterCouleur(base.color(groupe, role), saturation, teinte));
        }
    }
    rendreLisible(p);
    deriverDesactives(p);
    return p;
}

double contraste(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const std::vector<PaireLisible>& pairesLisibles()
{
    static const std::vector<PaireLisible> paires = {
        {QPalette::Window, QPalette::WindowText},
        {QPalette::Base, QPalette::Text},
        {QPalette::AlternateBase, QPalette::Text},
        {QPalette::Button, QPalette::ButtonText},
        {QPalette::Highlight, QPalette::HighlightedText},
        {QPalette::ToolTipBase, QPalette::ToolTipText},
    };
    return paires;
}

} // namespace talvex::skins
