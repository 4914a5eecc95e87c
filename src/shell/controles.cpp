#include "shell/controles.h"

#include "shell/barreaide.h"

#include <QPushButton>
#include <QStatusBar>

namespace talvex {

QPushButton* creerBouton(const char* nom, const QString& texte, QWidget* parent, const QString& aide)
{
    auto* bouton = nomme(new QPushButton(texte, parent), nom);
    bouton->setAutoDefault(false);
    if (!aide.isEmpty())
        donnerAide(*bouton, aide);
    return bouton;
}

QStatusBar* creerBarreAide(QWidget& fenetre, const char* nom)
{
    auto* barre = nomme(new QStatusBar(&fenetre), nom);
    barre->setSizeGripEnabled(false);
    relierBarreAide(fenetre, *barre);
    return barre;
}

} // namespace talvex
