#include "parties/forminscliente.h"

#include "core/dataaccess.h"
#include "parties/champspartie.h"
#include "parties/fenetrepartie.h"
#include "shell/messages.h"

#include <QLineEdit>
#include <QPushButton>

namespace talvex {

namespace {

// What the window says, by kind of party; the supplier's notices have the single "&Oui".
struct TextesCreation
{
    QString titre;
    QString nomVide;
    QString prenomVide;
    QString confirmation;
    QString succes;
    quint16 boutonAvis;
};

const TextesCreation& textes(GenrePartie genre)
{
    static const TextesCreation client {QStringLiteral("Nouveau Client"),
                                        QStringLiteral("Tapez le nom du client s'il vous plait"),
                                        QStringLiteral("Tapez le prenom du client s'il vous plait"),
                                        QStringLiteral("Voulez-vous ajouter les données de ce client?"),
                                        QStringLiteral("Les données du client ont été guardées avec succès"),
                                        bouton::Ok};
    static const TextesCreation fournisseur {QStringLiteral("Nouveau Fournisseur"),
                                             QStringLiteral("Tapez le nom du fournisseur s'il vous plait"),
                                             QStringLiteral("Tapez le prenom du fournisseur s'il vous plait"),
                                             QStringLiteral("Voulez-vous ajouter les données de ce fournisseur?"),
                                             QStringLiteral("Les données du fournisseur ont été guardées avec succès"),
                                             bouton::Oui};
    return genre == GenrePartie::Client ? client : fournisseur;
}

} // namespace

TForm_insCliente::TForm_insCliente(QWidget* parent)
    : QDialog(parent)
    , m_champs(new TChampsPartie(this))
{
    setObjectName(QStringLiteral("Form_insCliente"));
    m_champs->donnerAides();
    m_enregistrer
        = construireFenetrePartie(*this,
                                  *m_champs,
                                  {QStringLiteral("&Enregistrer"), QStringLiteral("Cliquez pour ajouter les données")},
                                  {QStringLiteral("&Fermer"), QStringLiteral("Cliquez pour fermer ce formulaire")},
                                  QSize(404, 337));
    connect(m_enregistrer, &QPushButton::clicked, this, &TForm_insCliente::sbtn_acepeterClick);
    definirGenre(GenrePartie::Client);
}

void TForm_insCliente::definirGenre(GenrePartie genre)
{
    m_genre = genre;
    setWindowTitle(textes(genre).titre);
}

void TForm_insCliente::showEvent(QShowEvent* evenement)
{
    m_champs->vider();
    m_champs->sedt_nom()->setFocus();
    QDialog::showEvent(evenement);
}

void TForm_insCliente::sbtn_acepeterClick()
{
    const TextesCreation& t = textes(m_genre);
    const SaisiePartie saisie = m_champs->saisie();
    if (!verifierChamps(saisie, *m_champs, t.nomVide, t.prenomVide, t.boutonAvis))
        return;
    if (afficherMessage(t.confirmation, genre::Confirmation, bouton::Oui | bouton::Non) != resultat::Oui)
        return;
    if (!enregistrer(saisie))
        return;
    m_champs->vider();
    m_champs->sedt_nom()->setFocus();
    afficherMessage(t.succes, genre::Information, t.boutonAvis);
}

bool TForm_insCliente::enregistrer(const SaisiePartie& saisie) const
{
    const TAccesDonneesuite acces;
    return m_genre == GenrePartie::Client ? acces.insererClient(clientDepuisSaisie(saisie))
                                          : acces.insererFournisseur(fournisseurDepuisSaisie(saisie));
}

} // namespace talvex
