#include "users/formauthuser.h"

#include "core/apparence.h"
#include "core/authentification.h"
#include "core/dataaccess.h"
#include "core/etat.h"
#include "core/journal.h"
#include "settings/gestionnaireskins.h"
#include "shell/barreaide.h"
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

QLabel* etiquette(const char* nom, const QString& texte, QWidget* parent)
{
    auto* label = new QLabel(texte, parent);
    label->setObjectName(QString::fromLatin1(nom));
    return label;
}

QLineEdit* champ(const char* nom, const QString& aide, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(nom));
    donnerAide(*edit, aide);
    return edit;
}

QPushButton* creerBouton(const char* nom, const QString& texte, const QString& aide, QWidget* parent)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAutoDefault(false);
    donnerAide(*b, aide);
    return b;
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

    auto* groupe = new QGroupBox(this);
    groupe->setObjectName(QStringLiteral("sGroupBox_donnees_usr"));
    QFont gras = groupe->font();
    gras.setBold(true);
    groupe->setFont(gras);
    QFont normal = gras;
    normal.setBold(false);

    auto* image = new QLabel(groupe);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(dessinerIcone(56));
    m_login = champ("sEdit_login", QStringLiteral("Introduisez votre nom d'utilisateur"), groupe);
    m_motDePasse = champ("sEdit_pass", QStringLiteral("Introduisez votre mot de passe"), groupe);
    m_motDePasse->setEchoMode(QLineEdit::Password);
    m_connecter = creerBouton(
        "sBitBtn_ok", QStringLiteral("&Connecter"), QStringLiteral("Cliquez pour acceder au sytème"), groupe);
    auto* annuler = creerBouton(
        "sBitBtn_annuler", QStringLiteral("&Annuler"), QStringLiteral("Cluiquez pour annuler votre accès"), groupe);

    auto* grille = new QGridLayout(groupe);
    grille->addWidget(image, 0, 0, 2, 1, Qt::AlignTop);
    grille->addWidget(etiquette("sLabel1", QStringLiteral("Nom Utilisateur:"), groupe), 0, 1);
    grille->addWidget(m_login, 0, 2);
    grille->addWidget(etiquette("sLabel2", QStringLiteral("Mot de passe:"), groupe), 1, 1);
    grille->addWidget(m_motDePasse, 1, 2);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(m_connecter);
    boutons->addWidget(annuler);
    grille->addLayout(boutons, 2, 0, 1, 3);
    for (QWidget* w : groupe->findChildren<QWidget*>())
        w->setFont(normal);

    auto* barre = new QStatusBar(this);
    barre->setObjectName(QStringLiteral("sStatusBar1"));
    barre->setSizeGripEnabled(false);
    relierBarreAide(*this, *barre);
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
