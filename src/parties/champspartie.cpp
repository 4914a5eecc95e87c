#include "parties/champspartie.h"

#include "shell/barreaide.h"
#include "shell/controles.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace talvex {

TChampsPartie::TChampsPartie(QWidget* parent)
    : QWidget(parent)
    , m_nom(nomme(new QLineEdit, "sedt_nom"))
    , m_prenom(nomme(new QLineEdit, "sedt_prenom"))
    , m_telephone(nomme(new QLineEdit, "sedt_tel"))
    , m_adresse(nomme(new QPlainTextEdit, "sMemoAdresse"))
{
    m_telephone->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), m_telephone));
    m_adresse->setTabChangesFocus(true);
    m_adresse->installEventFilter(this);

    auto* obligatoires = nomme(new QGroupBox(QStringLiteral("Données Obligatoires")), "sGroupBox_obligatoires");
    auto* formeObligatoires = new QFormLayout(obligatoires);
    formeObligatoires->addRow(QStringLiteral("Nom:"), m_nom);
    formeObligatoires->addRow(QStringLiteral("Prenom:"), m_prenom);

    auto* complementaires = nomme(new QGroupBox(QStringLiteral("Complementaires")), "sGroupBox_complementaires");
    auto* formeComplementaires = new QFormLayout(complementaires);
    formeComplementaires->addRow(QStringLiteral("Telephone:"), m_telephone);
    formeComplementaires->addRow(QStringLiteral("Adresse:"), m_adresse);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(obligatoires);
    colonne->addWidget(complementaires, 1);
}

void TChampsPartie::donnerAides()
{
    donnerAide(*m_nom, QStringLiteral("Tapez le nom"));
    donnerAide(*m_prenom, QStringLiteral("Tapez le prenom"));
    donnerAide(*m_telephone, QStringLiteral("Tapez les numeros de téléphone"));
    donnerAide(*m_adresse, QStringLiteral("Tapez l'adresse"));
}

SaisiePartie TChampsPartie::saisie() const
{
    return {m_nom->text(), m_prenom->text(), m_telephone->text(), m_adresse->toPlainText()};
}

void TChampsPartie::remplir(const TPersonne& personne)
{
    m_nom->setText(personne.nom);
    m_prenom->setText(personne.prenom);
    m_telephone->setText(personne.telephone);
    m_adresse->clear();
    m_adresse->appendPlainText(personne.adresse);
}

void TChampsPartie::vider()
{
    m_nom->clear();
    m_prenom->clear();
    m_telephone->clear();
    m_adresse->clear();
}

bool TChampsPartie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == m_adresse && evenement->type() == QEvent::KeyPress
        && !static_cast<QKeyEvent*>(evenement)->text().isEmpty())
        emit toucheAdresse();
    return QWidget::eventFilter(objet, evenement);
}

} // namespace talvex
