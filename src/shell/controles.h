#pragma once

#include <QString>

class QPushButton;
class QStatusBar;
class QWidget;

namespace talvex {

// A new control under its object name.
template<typename Controle>
Controle* nomme(Controle* controle, const char* nom)
{
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

// A push button that Enter does not click by itself (each window says what Enter does),
// with its hint when given.
QPushButton* creerBouton(const char* nom, const QString& texte, QWidget* parent, const QString& aide = {});

// The status bar at the foot of a dialog, showing the hint of the control under the pointer.
QStatusBar* creerBarreAide(QWidget& fenetre, const char* nom = "sStatusBar1");

} // namespace talvex
