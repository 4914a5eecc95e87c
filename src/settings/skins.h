#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The program's looks: named colour sets on the Fusion style, tinted by a saturation and
// a hue offset. No widget code here: the skin manager and the appearance window use it.
namespace talvex::skins {

constexpr int SATURATION_MIN = -100;
constexpr int SATURATION_MAX = 100;
constexpr int TEINTE_MIN = 0;
constexpr int TEINTE_MAX = 360;
// Contrast (WCAG ratio) every text keeps against its background, tinted or not.
constexpr double CONTRASTE_MIN = 4.5;

// The skins built into the program, in the order they are listed.
QStringList nomsIntegres();
// The skin at start.
QString skinParDefaut();

// Where further skins may be installed: "Skins" under the working directory. A skin file
// is a "*.skin" file in INI form: an optional [Skin] Name=... (the file's base name
// otherwise) and a [Palette] group of colours by role name (Window, WindowText, Base,
// AlternateBase, Text, Button, ButtonText, Highlight, HighlightedText, ToolTipBase,
// ToolTipText, Link); a role left out takes the colour of the default skin.
QString dossierSkins();

// The built-in skins, then those installed in `dossier` that do not repeat a name.
QStringList nomsDisponibles(const QString& dossier = dossierSkins());

// The untinted palette of a skin, with readable texts; none when no skin bears the name.
std::optional<QPalette> palette(const QString& nom, const QString& dossier = dossierSkins());

// The palette tinted: every colour's hue turned by `teinte` degrees and its saturation
// scaled towards grey (negative) or full colour (positive); lightness is kept and any
// text that would become hard to read is set to black or white.
QPalette teinter(const QPalette& base, int saturation, int teinte);

// The WCAG contrast ratio of two colours, 1 (same) to 21 (black on white).
double contraste(const QColor& a, const QColor& b);

// The pairs of roles (background, text) whose contrast is kept.
struct PaireLisible
{
    QPalette::ColorRole fond;
    QPalette::ColorRole texte;
};
const std::vector<PaireLisible>& pairesLisibles();

} // namespace talvex::skins
