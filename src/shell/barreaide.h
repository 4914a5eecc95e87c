#pragma once

class QStatusBar;
class QString;
class QWidget;

namespace talvex {

// Shows in `barre` the hint of the control under the pointer anywhere in `fenetre`.
void relierBarreAide(QWidget& fenetre, QStatusBar& barre);

// Gives a control its hint: the tooltip and the text the status bar shows.
void donnerAide(QWidget& controle, const QString& aide);

} // namespace talvex
