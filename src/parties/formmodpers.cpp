#include "parties/formmodpers.h"

#include "core/dataaccess.h"
#include "core/journal.h"
#include "parties/champspartie.h"
#include "parties/fenetrepartie.h"
#include "shell/messages.h"

#include <QLineEdit>
#include <QPushButton>

namespace talvex {

namespace {

const QString SUCCES = QStringLiteral("Modification éffectuée avec succès");

// Enables the button when the field changes to a text that is not empty.
void activerSurTexte(QLineEdit* champ, QPushButton* bouton)
{
    QObject::connect(champ, &QLineEdit::textChanged, bouton, [bouton](const QString& texte) {
        if (!texte.isEmpty())
            bouton->setEnabled(true);
    });
}

} // namespace

TForm_mod_pers::TForm_mod_pers(QWidget* parent)
    : QDialog(parent)
    , m_champs(new TChampsPartie(this))
{
    setObjectName(QStringLiteral("Form_mod_pers"));
    setWindowTitle(QStringLiteral("Modification des données du client"));
    m_accepter = construireFenetrePartie(
        *this, *m_champs, {QStringLiteral("&Accepeter"), {}}, {QStringLiteral("&Fermer"), {}}, QSize(408, 338));
    connect(m_accepter, &QPushButton::clicked, this, &TForm_mod_pers::sbtn_acepeterClick);
    for (QLineEdit* champ : {m_champs->sedt_nom(), m_champs->sedt_prenom(), m_champs->sedt_tel()})
        activerSurTexte(champ, m_accepter);
    connect(m_champs, &TChampsPartie::toucheAdresse, m_accepter, [this] { m_accepter->setEnabled(true); });
}

void TForm_mod_pers::charger(const TClient& client, Rafraichissement rafraichir)
{
    charger(client, GenrePartie::Client, client.codeclient, std::move(rafraichir));
}

void TForm_mod_pers::charger(const TFournisseur& fournisseur, Rafraichissement rafraichir)
{
    charger(fournisseur, GenrePartie::Fournisseur, fournisseur.codefournisseur, std::move(rafraichir));
}

void TForm_mod_pers::charger(const TPersonne& personne,
                             GenrePartie mode,
                             const QString& code,
                             Rafraichissement rafraichir)
{
    m_champs->remplir(personne);
    m_mode = mode;
    m_code = code;
    m_rafraichir = std::move(rafraichir);
    setWindowTitle(mode == GenrePartie::Client ? QStringLiteral("Modification des données du client")
                                               : QStringLiteral("Modification des données du fournisseur"));
}

void TForm_mod_pers::showEvent(QShowEvent* evenement)
{
    m_accepter->setEnabled(false);
    QDialog::showEvent(evenement);
}

void TForm_mod_pers::done(int resultat)
{
    m_champs->vider();
    QDialog::done(resultat);
}

void TForm_mod_pers::sbtn_acepeterClick()
{
    const bool client = m_mode == GenrePartie::Client;
    const SaisiePartie saisie = m_champs->saisie();
    if (!verifierChamps(saisie,
                        *m_champs,
                        client ? QStringLiteral("Tapez le nom du client s'il vous plait")
                               : QStringLiteral("Tapez le nom du fournisseur s'il vous plait"),
                        client ? QStringLiteral("Tapez le prénom du client s'il vous plait")
                               : QStringLiteral("Tapez le prénom du fournisseur s'il vous plait"),
                        bouton::Ok))
        return;
    if (afficherMessage(
            QStringLiteral("Voulez-vous garder les modifications?"), genre::Confirmation, bouton::Ok | bouton::Non)
        != resultat::Ok)
        return;
    if (!enregistrer(saisie))
        return;
    signalerModification();
    close();
}

bool TForm_mod_pers::enregistrer(const SaisiePartie& saisie) const
{
    const TAccesDonneesuite acces;
    return m_mode == GenrePartie::Client ? acces.modifierClient(clientDepuisSaisie(saisie, m_code), m_code)
                                         : acces.modifierFournisseur(fournisseurDepuisSaisie(saisie, m_code), m_code);
}

// The notice, the opening window's refresh and the journal entry: a client's change is
// journaled last, a supplier's first.
void TForm_mod_pers::signalerModification()
{
    const auto rafraichir = [this] {
        if (m_rafraichir)
            m_rafraichir();
    };
    if (m_mode == GenrePartie::Client) {
        informer(SUCCES);
        rafraichir();
        journaliserAction(action::modificationClient(m_code));
    } else {
        journaliserAction(action::modificationFournisseur(m_code));
        informer(SUCCES);
        rafraichir();
    }
}

} // namespace talvex
