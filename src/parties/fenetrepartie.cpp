#include "parties/fenetrepartie.h"

#include "parties/champspartie.h"
#include "shell/controles.h"
#include "shell/messages.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvex {

void fixerTaille(QDialog& fenetre, QSize taille)
{
    fenetre.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    fenetre.setFixedSize(taille);
}

QPushButton* construireFenetrePartie(
    QDialog& fenetre, TChampsPartie& champs, const LegendeBouton& principal, const LegendeBouton& fermer, QSize taille)
{
    fixerTaille(fenetre, taille);
    QPushButton* action = creerBouton("sbtn_acepeter", principal.texte, &fenetre, principal.aide);
    QPushButton* sortie = creerBouton("sbtnfermer", fermer.texte, &fenetre, fermer.aide);
    QObject::connect(sortie, &QPushButton::clicked, &fenetre, &QDialog::reject);

    auto* colonne = new QVBoxLayout(&fenetre);
    colonne->addWidget(&champs, 1);
    auto* ligne = new QHBoxLayout;
    ligne->addStretch();
    ligne->addWidget(action);
    ligne->addWidget(sortie);
    colonne->addLayout(ligne);
    return action;
}

void informer(const QString& texte)
{
    afficherMessage(texte, genre::Information, bouton::Ok);
}

bool verifierChamps(const SaisiePartie& saisie,
                    TChampsPartie& champs,
                    const QString& nomVide,
                    const QString& prenomVide,
                    quint16 boutons)
{
    switch (verifierSaisie(saisie)) {
    case DefautSaisie::NomVide:
        afficherMessage(nomVide, genre::Information, boutons);
        champs.sedt_nom()->setFocus();
        return false;
    case DefautSaisie::PrenomVide:
        afficherMessage(prenomVide, genre::Information, boutons);
        champs.sedt_prenom()->setFocus();
        return false;
    case DefautSaisie::Aucun:
        break;
    }
    return true;
}

} // namespace talvex
