#include "sales/formventeconf.h"

#include "core/etat.h"
#include "core/montants.h"
#include "core/panier.h"
#include "parties/formclient.h"
#include "sales/formvente.h"
#include "sales/outilsfenetres.h"
#include "shell/application.h"
#include "shell/barreaide.h"
#include "shell/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace talvex {

TForm_Vente_conf::TForm_Vente_conf(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Vente_conf"));
    setWindowTitle(QStringLiteral("Paiement"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(714, 463);

    m_total = champMontant("sCurrencyEdit_total", QStringLiteral("Le montant total a payer"));
    m_total->setReadOnly(true);
    m_paye = champMontant("sCurrencyEdit_paye", QStringLiteral("Tapez le montant payé"));
    m_reliquat = champMontant("sCurrencyEdit_Relicat", QStringLiteral("La monaie du client"));
    m_reliquat->setReadOnly(true);
    connect(m_paye, &QLineEdit::textChanged, this, &TForm_Vente_conf::sCurrencyEdit_payeChange);
    surEntree(*m_paye, [this] { sCurrencyEdit_payeKeyPress(); });

    auto* confirmer = boutonFenetre("sbtn_confirmer", QStringLiteral("&Acepter"), {}, this);
    auto* modifier = boutonFenetre("sbtn_modifier", QStringLiteral("&Modifier"), {}, this);
    auto* annuler = boutonFenetre("sbtn_cancel", QStringLiteral("A&nnuler"), {}, this);
    connect(confirmer, &QPushButton::clicked, this, &TForm_Vente_conf::sbtn_confirmerClick);
    connect(modifier, &QPushButton::clicked, this, &TForm_Vente_conf::sbtn_modifierClick);
    connect(annuler, &QPushButton::clicked, this, &TForm_Vente_conf::sbtn_cancelClick);

    auto* montants = new QGridLayout;
    const std::pair<const char*, const char*> etiquettes[]
        = {{"slbl_total", "Total:"}, {"slbl_paye", "Payé:"}, {"slbl_relicat", "Reliquat:"}};
    QLineEdit* const champs[] = {m_total, m_paye, m_reliquat};
    for (int i = 0; i < 3; ++i) {
        auto* etiquette = nomme(new QLabel(QString::fromUtf8(etiquettes[i].second), this), etiquettes[i].first);
        etiquette->setFont(policeGras(48, QStringLiteral("Verdana")));
        QPalette encre = etiquette->palette();
        encre.setColor(QPalette::WindowText, QColor(43, 53, 77));
        etiquette->setPalette(encre);
        montants->addWidget(etiquette, i, 0);
        montants->addWidget(champs[i], i, 1);
    }
    auto* boutons = new QHBoxLayout;
    for (QPushButton* bouton : {confirmer, modifier, annuler}) {
        bouton->setFont(policeGras(32));
        boutons->addWidget(bouton);
    }
    QStatusBar* barre = creerBarreAide(*this, "sStatusBar1");

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(12, 12, 12, 0);
    colonne->addLayout(montants);
    colonne->addStretch();
    colonne->addLayout(boutons);
    colonne->addWidget(barre);
}

QLineEdit* TForm_Vente_conf::champMontant(const char* nom, const QString& aide)
{
    auto* champ = nomme(new QLineEdit(this), nom);
    champ->setFont(policeGras(48, QStringLiteral("Verdana")));
    champ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    donnerAide(*champ, aide);
    return champ;
}

void TForm_Vente_conf::preparer(TForm_Vente& vente, double montant)
{
    m_vente = &vente;
    m_montant = montant;
    m_total->setText(texteGeneral(montant));
    m_paye->clear();
    m_reliquat->clear();
}

void TForm_Vente_conf::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    m_paye->setFocus();
}

void TForm_Vente_conf::sCurrencyEdit_payeChange()
{
    const auto paye = lireMontant(m_paye->text());
    // An amount that does not read shows no change rather than a wrong one.
    m_reliquat->setText(paye && !m_total->text().isEmpty() ? texteGeneral(*paye - m_montant) : QString());
}

void TForm_Vente_conf::sCurrencyEdit_payeKeyPress()
{
    // Never while the total is not negative: the change is the amount paid less the total.
    const auto paye = lireMontant(m_paye->text());
    if (paye && *paye - m_montant > *paye)
        return;
    findChild<QPushButton*>(QStringLiteral("sbtn_confirmer"))->setFocus();
}

void TForm_Vente_conf::refuser(const QString& texte)
{
    afficherMessage(texte, genre::Information, bouton::Ok);
    m_paye->setFocus();
    m_paye->selectAll();
}

void TForm_Vente_conf::sbtn_confirmerClick()
{
    if (!m_vente || !etat().venteEnCours)
        return;
    const double total = m_montant;
    double paye = 0;
    try {
        paye = montantSaisi(m_paye->text());
    } catch (const EConvertError& e) {
        refuser(e.message());
        return;
    }
    if (total > paye) {
        refuser(QStringLiteral("Le montant à payer est supperieur à la somme que vous avez reçu"));
        return;
    }
    TVente& vente = *etat().venteEnCours;
    vente.montant_paye = paye;
    vente.relicat = paye - total;
    try {
        m_vente->enregistrerVente(vente);
    } catch (const EArticleAbsent& e) {
        afficherMessage(e.message(), genre::Avertissement, bouton::Ok);
        return;
    } catch (...) {
        signalerException(std::current_exception());
        return;
    }
    const QString codeVente = vente.codevente;
    done(Accepted);
    proposerFacture(codeVente);
}

void TForm_Vente_conf::proposerFacture(const QString& codeVente)
{
    if (afficherMessage(
            QStringLiteral("Voulez-vous imprimer la facture?"), genre::Confirmation, bouton::Non | bouton::Ok)
        != resultat::Ok)
        return;
    ouvrirClientsPourFacture(*this, codeVente);
}

void TForm_Vente_conf::sbtn_modifierClick()
{
    reject();
}

void TForm_Vente_conf::sbtn_cancelClick()
{
    if (afficherMessage(
            QStringLiteral("Voulez-vous annuler cette vente?"), genre::Confirmation, bouton::Ok | bouton::Annuler)
        != resultat::Ok)
        return;
    done(Rejected);
    if (m_vente)
        m_vente->sbtnFermerClick();
}

void TForm_Vente_conf::done(int code)
{
    // The amount paid first: its change handler would otherwise write the change again.
    m_paye->clear();
    m_reliquat->clear();
    m_total->clear();
    QDialog::done(code);
}

bool ouvrirClientsPourFacture(QWidget& depuis, const QString& codeVente)
{
    // The client window names the client, sets it on the sale, prints the invoice and
    // clears the invoice mode when it closes.
    if (auto* clients = fenetreProche<TForm_client>(depuis)) {
        clients->facturer(codeVente);
        return true;
    }
    etat().modeFacture = true;
    etat().venteAFacturer = codeVente;
    return false;
}

} // namespace talvex
