#include "users/formuserprofile.h"

#include "core/authentification.h"
#include "core/dataaccess.h"
#include "core/empreinte.h"
#include "core/etat.h"
#include "core/rognage.h"
#include "shell/barreaide.h"
#include "shell/controles.h"
#include "shell/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace talvex {

namespace {

const QString TITRE_BOITE = QStringLiteral("TALVEX-QRV SARL");

QLineEdit* champMotDePasse(const char* nom, const QString& aide, QWidget* parent)
{
    auto* edit = nomme(new QLineEdit(parent), nom);
    edit->setEchoMode(QLineEdit::Password);
    donnerAide(*edit, aide);
    return edit;
}

// Enter in a field that is not empty runs `suite`.
void surEntree(QLineEdit* champ, const std::function<void()>& suite)
{
    QObject::connect(champ, &QLineEdit::returnPressed, champ, [champ, suite] {
        if (!champ->text().isEmpty())
            suite();
    });
}

} // namespace

TForm_user_profile::TForm_user_profile(QWidget* parent)
    : QDialog(parent)
    , m_pages(nomme(new QTabWidget(this), "sPageControl_chg_pass"))
{
    setObjectName(QStringLiteral("Form_user_profile"));
    setWindowTitle(QStringLiteral("Renseignemts sur l'utilisateur"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(360, 246);

    m_pages->addTab(construireDonnees(), QStringLiteral("Données de l'utilisateur"));
    m_pages->addTab(construireMotDePasse(), QStringLiteral("Changer le mot de passe"));
    m_pages->setTabToolTip(0, QStringLiteral("Onglet des données de l'utilisateur"));
    m_pages->setTabToolTip(1, QStringLiteral("Onglet pour changer le mot de passe"));

    auto* fermer = creerBouton(
        "sBitBtn_accepter", QStringLiteral("&Fermer"), this, QStringLiteral("Cliquez pour fermer cette fenêtre"));
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    QStatusBar* barre = creerBarreAide(*this);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 6, 6, 0);
    disposition->addWidget(m_pages);
    auto* ligne = new QHBoxLayout;
    ligne->addStretch();
    ligne->addWidget(fermer);
    disposition->addLayout(ligne);
    disposition->addWidget(barre);
}

QWidget* TForm_user_profile::construireDonnees()
{
    auto* page = nomme(new QWidget, "sTabSheet_donnees");
    donnerAide(*page, QStringLiteral("Onglet des données de l'utilisateur"));
    auto* colonne = new QVBoxLayout(page);
    m_code = nomme(new QLabel(page), "sWebLabel_code");
    m_nom = nomme(new QLabel(page), "sWebLabel_nom");
    m_prenom = nomme(new QLabel(page), "sWebLabel_prenom");
    m_login = nomme(new QLabel(page), "sWebLabel_login");
    m_type = nomme(new QLabel(page), "sWebLabel_type_usr");
    for (QLabel* label : {m_code, m_nom, m_prenom, m_login, m_type})
        colonne->addWidget(label);
    colonne->addStretch();
    return page;
}

QWidget* TForm_user_profile::construireMotDePasse()
{
    auto* page = nomme(new QWidget, "sTabSheet_chg_pass");
    donnerAide(*page, QStringLiteral("Onglet pour changer le mot de passe"));
    m_actuel = champMotDePasse("sEdit_current_pwd", QStringLiteral("Introduisez votre mot de passe actuel"), page);
    m_nouveau = champMotDePasse("sEdit_new_pwd", QStringLiteral("Introduisez un nouveau mot de passe"), page);
    m_confirmation
        = champMotDePasse("sEdit_conf_npwd", QStringLiteral("Retapez le nouveau mot de passe pour confirmer"), page);
    m_changer = creerBouton(
        "sBitBtn_chg", QStringLiteral("Changer"), page, QStringLiteral("Cliquez pour changer le mot de passe"));

    auto* formulaire = new QFormLayout(page);
    formulaire->addRow(QStringLiteral("Actuel:"), m_actuel);
    formulaire->addRow(QStringLiteral("Nouveau:"), m_nouveau);
    formulaire->addRow(QStringLiteral("Confirmer:"), m_confirmation);
    formulaire->addRow(QString(), m_changer);

    connect(m_actuel, &QLineEdit::textChanged, this, &TForm_user_profile::actuelChange);
    connect(m_nouveau, &QLineEdit::textChanged, this, [this](const QString& texte) {
        m_confirmation->setEnabled(!texte.isEmpty());
    });
    surEntree(m_actuel, [this] { m_nouveau->setFocus(); });
    surEntree(m_nouveau, [this] { m_confirmation->setFocus(); });
    surEntree(m_confirmation, [this] { m_changer->click(); });
    connect(m_changer, &QPushButton::clicked, this, &TForm_user_profile::sBitBtn_chgClick);
    actuelChange({});
    return page;
}

void TForm_user_profile::charger(const TUtilisateur& utilisateur)
{
    m_code->setText(QStringLiteral("CODE: ") + utilisateur.codeutilisateur);
    m_nom->setText(QStringLiteral("NOM: ") + utilisateur.nom);
    m_prenom->setText(QStringLiteral("PRENOM: ") + utilisateur.prenom);
    m_login->setText(QStringLiteral("NOM D'UTILISATEUR: ") + utilisateur.login);
    m_type->setText(QStringLiteral("TYPE UTILISATEUR: ") + libelleRole(utilisateur.config));
    viderChamps();
    m_pages->setCurrentIndex(0);
}

void TForm_user_profile::actuelChange(const QString& texte)
{
    const bool rempli = !texte.isEmpty();
    m_nouveau->setEnabled(rempli);
    m_changer->setEnabled(rempli);
    if (!rempli) {
        m_nouveau->clear();
        m_confirmation->clear();
        m_confirmation->setEnabled(false);
    }
}

void TForm_user_profile::viderChamps()
{
    m_actuel->clear();
    m_nouveau->clear();
    m_confirmation->clear();
}

void TForm_user_profile::refuser(const QString& texte, QLineEdit* focus)
{
    afficherBoite(texte, TITRE_BOITE);
    focus->setFocus();
}

void TForm_user_profile::sBitBtn_chgClick()
{
    auto& utilisateur = etat().utilisateurCourant;
    if (!utilisateur)
        return;
    using I = IssueChangementMotDePasse;
    switch (
        verifierChangementMotDePasse(m_actuel->text(), m_nouveau->text(), m_confirmation->text(), utilisateur->pass)) {
    case I::ActuelVide:
        refuser(QStringLiteral("Introdusez votre mot de passe acteul"), m_actuel);
        return;
    case I::NouveauVide:
        refuser(QStringLiteral("Introdusez un nouveau mot de passe "), m_nouveau);
        return;
    case I::ConfirmationVide:
        refuser(QStringLiteral("Vueillez confirmez le nouveau mot de passe "), m_confirmation);
        return;
    case I::ActuelIncorrect:
        refuser(QStringLiteral("Ce mot de passe ne coincide pas à votre actuel "), m_actuel);
        return;
    case I::ConfirmationDifferente:
        m_nouveau->clear();
        m_confirmation->clear();
        refuser(QStringLiteral("Le nouveau mot de passe ne coincide pas à avec la confirmation "), m_nouveau);
        return;
    case I::Valide:
        break;
    }
    if (afficherMessage(
            QStringLiteral("Voulez-vous changer votre mot de passe?"), genre::Confirmation, bouton::Non | bouton::Ok)
        != resultat::Ok)
        return;
    const QString empreinte = empreinteMD5(rogner(m_nouveau->text()));
    if (TAccesDonneesuite().modifierMotDePasse(utilisateur->codeutilisateur, empreinte)) {
        utilisateur->pass = empreinte;
        afficherBoite(QStringLiteral("Le mot de passe a été changé avec succès "), TITRE_BOITE);
        viderChamps();
    } else {
        afficherBoite(QStringLiteral("Le mot de passe n'a pas pu être changé "), TITRE_BOITE);
    }
}

void TForm_user_profile::done(int code)
{
    m_changer->setEnabled(false);
    QDialog::done(code);
}

} // namespace talvex
