#include "users/formauthuser.h"

#include "core/apparence.h"
#include "core/authentification.h"
#include "core/dataaccess.h"
#include "core/etat.h"
#include "core/journal.h"
#include "settings/gestionnaireskins.h"
#include "shell/barreaide.h"
#include "shell/controles.h"
#include "shell/formprinc.h"
#include "shell/icone.h"
#include "shell/messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace talvex {

namespace {

QLineEdit* champ(const char* nom, const QString& aide, QWidget* parent)
{
    auto* edit = nomme(new QLineEdit(parent), nom);
    donnerAide(*edit, aide);
    return edit;
}

} // namespace

TForm_Auth_user::TForm_Auth_user(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_Auth_user"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(348, 198);
    setFont(QFont(QStringLiteral("Tahoma")));

    auto* groupe = nomme(new QGroupBox(this), "sGroupBox_donnees_usr");
    QFont gras = groupe->font();
    gras.setBold(true);
    groupe->setFont(gras);
    QFont normal = gras;
    normal.setBold(false);

    auto* image = nomme(new QLabel(groupe), "Image1");
    image->setPixmap(dessinerIcone(56));
    m_login = champ("sEdit_login", QStringLiteral("Introduisez votre nom d'utilisateur"), groupe);
    m_motDePasse = champ("sEdit_pass", QStringLiteral("Introduisez votre mot de passe"), groupe);
    m_motDePasse->setEchoMode(QLineEdit::Password);
    m_connecter = creerBouton(
        "sBitBtn_ok", QStringLiteral("&Connecter"), groupe, QStringLiteral("Cliquez pour acceder au sytème"));
    auto* annuler = creerBouton(
        "sBitBtn_annuler", QStringLiteral("&Annuler"), groupe, QStringLiteral("Cluiquez pour annuler votre accès"));

    auto* grille = new QGridLayout(groupe);
    grille->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
    grille->addWidget(nomme(new QLabel(QStringLiteral("Nom Utilisateur:"), groupe), "sLabel1"), 0, 1);
    grille->addWidget(m_login, 0, 2);
    grille->addWidget(nomme(new QLabel(QStringLiteral("Mot de passe:"), groupe), "sLabel2"), 1, 1);
    grille->addWidget(m_motDePasse, 1, 2);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(m_connecter);
    boutons->addWidget(annuler);
    grille->addLayout(boutons, 2, 0, 1, 3);
    for (QWidget* w : groupe->findChildren<QWidget*>())
        w->setFont(normal);

    QStatusBar* barre = creerBarreAide(*this);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 6, 6, 0);
    disposition->addWidget(groupe);
    disposition->addWidget(barre);

    connect(m_login, &QLineEdit::textChanged, this, &TForm_Auth_user::sEdit_loginChange);
    connect(m_login, &QLineEdit::returnPressed, this, [this] {
        if (!m_login->text().isEmpty())
            m_motDePasse->setFocus();
    });
    connect(m_motDePasse, &QLineEdit::returnPressed, this, [this] {
        if (!m_motDePasse->text().isEmpty())
            m_connecter->click();
    });
    connect(m_connecter, &QPushButton::clicked, this, &TForm_Auth_user::sBitBtn_okClick);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    sEdit_loginChange({});
}

void TForm_Auth_user::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormActivate();
}

void TForm_Auth_user::FormActivate()
{
    m_login->clear();
    m_motDePasse->clear();
    setWindowTitle(QStringLiteral("Authentification - ") + etat().societeCourante.nom);
    m_login->setFocus();
}

void TForm_Auth_user::sEdit_loginChange(const QString& texte)
{
    m_motDePasse->setEnabled(!texte.isEmpty());
    if (texte.isEmpty())
        m_motDePasse->clear();
}

void TForm_Auth_user::sBitBtn_okClick()
{
    const auto resultat = verifierConnexion(TAccesDonneesuite(), m_login->text(), m_motDePasse->text());
    const auto informer = [](const QString& texte, int sorte = genre::Information) {
        afficherMessage(texte, sorte, bouton::Ok);
    };
    switch (resultat.issue) {
    case IssueConnexion::LoginVide:
        informer(QStringLiteral("Introduisez votre nom d'utilisateur s'il vous plait"));
        m_login->setFocus();
        break;
    case IssueConnexion::MotDePasseVide:
        informer(QStringLiteral("Introduisez votre mot de passe s'il vous plait"));
        m_motDePasse->setFocus();
        break;
    case IssueConnexion::UtilisateurInconnu:
        informer(QStringLiteral("Ce utilisateur n'existe pas"));
        m_login->setFocus();
        m_motDePasse->clear();
        break;
    case IssueConnexion::MotDePasseIncorrect:
        informer(QStringLiteral("Votre mot de passe est incorrect"), genre::Erreur);
        m_motDePasse->clear();
        m_motDePasse->setFocus();
        break;
    case IssueConnexion::UtilisateurDesactive:
        informer(QStringLiteral("Votre nom d'utilisateur est désactivé. Veuillez contacter le responsable"));
        m_login->clear();
        break;
    case IssueConnexion::Reussie:
        connecter(*resultat.utilisateur);
        break;
    }
}

void TForm_Auth_user::connecter(const TUtilisateur& utilisateur)
{
    etat().utilisateurCourant = utilisateur;
    accept();
    if (auto* principale = TForm_princ::instance()) {
        principale->basculerConnexion(true);
        principale->appliquerProfil(roleUtilisateur(utilisateur));
    }
    ouvrirSessionCourante(utilisateur.codeutilisateur);
    chargerConfiguration();
}

void TForm_Auth_user::chargerConfiguration()
{
    auto configuration = TAccesDonneesuite().getConfiguration(etat().utilisateurCourant->codeutilisateur);
    auto* principale = TForm_princ::instance();
    if (!configuration || !principale)
        return;
    const TeinteEnregistree teinte = lireTeinte(*configuration);
    auto& skins = principale->sSkinManager1();
    skins.setNomSkin(configuration->apparence);
    skins.setSaturation(teinte.saturation);
    skins.setTeinte(teinte.teinte);
    etat().configCourante = *configuration;
}

} // namespace talvex
