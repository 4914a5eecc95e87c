#include "sales/formchgcant.h"

#include "sales/formvente.h"
#include "sales/outilsfenetres.h"
#include "shell/messages.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

namespace talvex {

TForm_chgCant::TForm_chgCant(QWidget* parent)
    : QDialog(parent)
    , m_groupe(nomme(new QGroupBox(this), "sGroupBoxChgCant"))
    , m_champ(nomme(new QLineEdit(m_groupe), "sedtCant"))
    , m_touchesQuantite(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this))
    , m_touchesPrix(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,]*")), this))
{
    setObjectName(QStringLiteral("Form_chgCant"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(159, 88);
    setFont(policeGras(16));
    m_champ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    surEntree(*m_champ, [this] { sedtCantKeyPress(); });
    auto* dansGroupe = new QVBoxLayout(m_groupe);
    dansGroupe->addWidget(m_champ);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(4, 4, 4, 4);
    colonne->addWidget(m_groupe);
}

void TForm_chgCant::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    // Keys outside the mode's set are dropped as they are typed (and pasted).
    m_champ->setValidator(modePrixApprov ? m_touchesPrix : m_touchesQuantite);
    m_groupe->setTitle(modePrixApprov ? QStringLiteral("Nouveau Prix") : QStringLiteral("Quantité"));
    m_champ->setText(modePrixApprov ? prixInitial : quantiteInitiale);
    m_champ->selectAll();
    m_champ->setFocus();
}

void TForm_chgCant::sedtCantKeyPress()
{
    const QString texte = m_champ->text().trimmed();
    if (texte.isEmpty())
        return;
    if (modePrixApprov) {
        // The full stop is the only decimal separator: "12,5" does not read.
        static const QRegularExpression PRIX(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
        bool lisible = false;
        const double prix = PRIX.match(texte).hasMatch() ? QLocale::c().toDouble(texte, &lisible) : 0.0;
        if (!lisible)
            return;
        if (prix == 0) {
            refuserZero(QStringLiteral("Le prix d'achat unitaire ne peut pas être egale à Zero"));
            return;
        }
        if (changerPrixApprov)
            changerPrixApprov(prix);
        accept();
        return;
    }
    if (!modeQuantiteVente && !modeQuantiteApprov)
        return;
    bool lisible = false;
    const qint32 quantite = texte.toInt(&lisible);
    if (!lisible)
        return;
    if (quantite == 0) {
        refuserZero(QStringLiteral("La quantité ne peut pas être egale à Zero"));
        return;
    }
    remettreQuantite(quantite);
    accept();
}

void TForm_chgCant::remettreQuantite(qint32 quantite)
{
    if (modeQuantiteApprov) {
        if (changerQuantiteApprov)
            changerQuantiteApprov(quantite);
        return;
    }
    if (auto* vente = fenetreProche<TForm_Vente>(*this))
        vente->changerQuantite(quantite);
}

void TForm_chgCant::refuserZero(const QString& texte)
{
    afficherMessage(texte, genre::Avertissement, bouton::Ok);
    m_champ->clear();
    m_champ->setFocus();
}

void TForm_chgCant::done(int code)
{
    modeQuantiteVente = false;
    modeQuantiteApprov = false;
    modePrixApprov = false;
    QDialog::done(code);
}

} // namespace talvex
