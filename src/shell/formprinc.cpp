#include "shell/formprinc.h"

#include "core/authentification.h"
#include "core/etat.h"
#include "core/horloge.h"
#include "core/journal.h"
#include "core/profils.h"
#include "core/profilsociete.h"
#include "parties/formclient.h"
#include "sales/fenetresvente.h"
#include "settings/formskinman.h"
#include "settings/gestionnaireskins.h"
#include "shell/application.h"
#include "shell/calculatrice.h"
#include "shell/icone.h"
#include "shell/menusprinc.h"
#include "shell/messages.h"
#include "users/formauthuser.h"
#include "users/formuserprofile.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTimer>

namespace talvex {

namespace {

TForm_princ* g_principale = nullptr;

const QString CONNEXION = QStringLiteral("&Connexion");
const QString DECONNEXION = QStringLiteral("&Deconnexion");

bool trayDisponible()
{
    return TForm_princ::zoneNotificationDisponible ? TForm_princ::zoneNotificationDisponible()
                                                   : QSystemTrayIcon::isSystemTrayAvailable();
}

// Runs one step of a sequence that must go on whatever happens: an error is shown.
void essayer(const std::function<void()>& etape)
{
    try {
        etape();
    } catch (...) {
        signalerException(std::current_exception());
    }
}

} // namespace

TForm_princ::TForm_princ(QWidget* parent)
    : QMainWindow(parent)
    , m_skins(new TGestionnaireSkins(this))
    , m_menuNotification(new QMenu(this))
    , m_icone(new QSystemTrayIcon(this))
    , m_horloge(new QTimer(this))
{
    g_principale = this;
    setObjectName(QStringLiteral("Form_princ"));
    setWindowTitle(QStringLiteral("Gestion des Stocks by QRV-NORD"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(iconeApplication());

    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    construireMenus(*menuBar(), *m_menuNotification);
    for (QAction* entree : findChildren<QAction*>()) {
        if (commandeDe(*entree) != Commande::Aucune)
            connect(entree, &QAction::triggered, this, [this, entree] { choisirEntree(entree); });
    }
    m_icone->setIcon(windowIcon());
    m_icone->setContextMenu(m_menuNotification);
    connect(m_icone, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason raison) {
        if (raison == QSystemTrayIcon::Trigger)
            montrer();
    });
    new TCalculatrice(this);
    construireBarreEtat();

    auto& e = etat();
    e.utilisateurCourant = TUtilisateur {};
    basculerConnexion(false);
    e.societeCourante = TSociete {};
    if (QFile::exists(cheminProfilSociete()))
        chargerProfilSociete();
}

TForm_princ::~TForm_princ()
{
    if (g_principale == this)
        g_principale = nullptr;
}

TForm_princ* TForm_princ::instance()
{
    return g_principale;
}

void TForm_princ::construireBarreEtat()
{
    statusBar()->setObjectName(QStringLiteral("sStatusBar_etat"));
    statusBar()->setSizeGripEnabled(false);
    const int largeurs[] = {500, 300, 200};
    for (int i = 0; i < 3; ++i) {
        m_panneaux[i] = new QLabel(statusBar());
        m_panneaux[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        m_panneaux[i]->setFixedWidth(largeurs[i]);
        m_panneaux[i]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        statusBar()->addWidget(m_panneaux[i]);
    }
    m_horloge->setObjectName(QStringLiteral("Timer1"));
    m_horloge->setInterval(1000);
    connect(m_horloge, &QTimer::timeout, this, &TForm_princ::Timer1Timer);
    m_horloge->start();
    Timer1Timer();
}

void TForm_princ::chargerProfilSociete()
{
    essayer([this] {
        auto& societe = etat().societeCourante;
        lireProfilSociete(societe);
        setWindowTitle(legendeApresLecture(societe));
        QGuiApplication::setApplicationDisplayName(QStringLiteral("TALVEX - ") + societe.nom);
    });
}

void TForm_princ::basculerConnexion(bool connecte)
{
    for (const char* menu : {"Articles2", "Ventes2", "Etats1", "AdministrationSystme1", "Outils2", "Aide2"})
        appliquerEtat(QString::fromLatin1(menu), connecte, connecte);
    appliquerEtat(QStringLiteral("MonCompte1"), connecte, std::nullopt);
    auto* entree = findChild<QAction*>(QStringLiteral("Deconnexion1"));
    entree->setText(connecte ? DECONNEXION : CONNEXION);
    const QString aide
        = connecte ? QStringLiteral("Cliquer pour vous deconnecter ") : QStringLiteral("Cliquer pour vous connecter ");
    entree->setStatusTip(aide);
    entree->setToolTip(aide);
    findChild<QAction*>(QStringLiteral("Deconnexion2"))
        ->setText(connecte ? QStringLiteral("Deconnexion") : QStringLiteral("Connexion"));
    etat().configCourante.reset();
    afficherUtilisateur();
    appliquerEtat(QStringLiteral("Application1"), connecte, connecte);
}

void TForm_princ::appliquerProfil(int role)
{
    appliquerEtat(QStringLiteral("MonCompte1"), true, std::nullopt);
    for (const RegleProfil& regle : reglesProfils()) {
        const EtatEntree etatRole = etatPourRole(regle.entree, role);
        appliquerEtat(regle.entree, etatRole.visible, etatRole.actif);
    }
}

void TForm_princ::appliquerEtat(const QString& entree, std::optional<bool> visible, std::optional<bool> actif)
{
    QAction* action = findChild<QAction*>(entree);
    if (!action)
        return;
    if (visible)
        action->setVisible(*visible);
    if (actif)
        action->setEnabled(*actif);
}

void TForm_princ::afficherUtilisateur()
{
    const auto& utilisateur = etat().utilisateurCourant;
    m_panneaux[1]->setText(utilisateur ? utilisateur->login + QStringLiteral(" - ") + utilisateur->nom : QString());
}

void TForm_princ::Timer1Timer()
{
    const QDateTime maintenant = horloge::maintenant();
    const QLocale locale;
    m_panneaux[2]->setText(locale.toString(maintenant.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                           + maintenant.time().toString(QStringLiteral("HH:mm:ss")));
}

void TForm_princ::choisirEntree(QAction* entree)
{
    if (estAccessible(*entree))
        executer(commandeDe(*entree));
}

void TForm_princ::executer(Commande commande)
{
    switch (commande) {
    case Commande::Connexion:
        Deconnexion1Click();
        break;
    case Commande::Fermer:
    case Commande::Quitter:
        close();
        break;
    case Commande::Montrer:
        montrer();
        break;
    case Commande::Calculatrice:
        fenetre<TCalculatrice>()->exec();
        break;
    case Commande::Themes:
        ouvrirThemes();
        break;
    case Commande::MonCompte:
        ouvrirMonCompte();
        break;
    case Commande::Facturer:
        ouvrirVente(*this);
        break;
    case Commande::Clients:
        // Client management: the invoice mode of a payment is turned off first.
        etat().modeFacture = false;
        etat().venteAFacturer.clear();
        if (auto* clients = fenetre<TForm_client>())
            clients->exec();
        break;
    default:
        // The windows of the other entries come with their own parts of the program.
        break;
    }
}

void TForm_princ::Deconnexion1Click()
{
    auto* entree = findChild<QAction*>(QStringLiteral("Deconnexion1"));
    if (entree->text() == DECONNEXION) {
        if (afficherMessage(
                QStringLiteral("Voulez-vous vous deconnecter?"), genre::Confirmation, bouton::Non | bouton::Ok)
            != resultat::Ok)
            return;
        // A session whose row cannot be stamped keeps the user logged in; without a
        // session (its row could not be written at login) there is nothing to stamp.
        if (etat().sessionCourante && !fermerSessionCourante())
            return;
        etat().sessionCourante.reset();
        etat().utilisateurCourant.reset();
        basculerConnexion(false);
    } else {
        entree->setStatusTip(QStringLiteral("Cliquez pour vous connecter"));
        entree->setToolTip(entree->statusTip());
    }
    ouvrirConnexion();
}

void TForm_princ::ouvrirConnexion()
{
    if (auto* connexion = fenetre<TForm_Auth_user>())
        connexion->exec();
}

void TForm_princ::ouvrirMonCompte()
{
    auto* profil = fenetre<TForm_user_profile>();
    if (!profil || !etat().utilisateurCourant)
        return;
    profil->charger(*etat().utilisateurCourant);
    profil->exec();
}

void TForm_princ::ouvrirThemes()
{
    if (auto* themes = fenetre<TForm_skin_man>())
        themes->exec();
}

void TForm_princ::FormActivate()
{
    auto& societe = etat().societeCourante;
    if (societe.premierDemarrage == 0)
        return;
    societe.premierDemarrage = 0;
    ecrireProfilSociete(societe);
    setWindowTitle(legendeApresEcriture(societe));
    copierProfilRegistre(societe);
}

void TForm_princ::mettreEnZoneNotification()
{
    m_icone->setToolTip(QGuiApplication::applicationDisplayName().left(127));
    m_icone->show();
    hide();
}

void TForm_princ::afficherAgrandie()
{
    // Without a window manager "maximised" alone would keep the window's own small size.
    if (const QScreen* ecran = screen())
        setGeometry(ecran->availableGeometry());
    showMaximized();
}

void TForm_princ::montrer()
{
    m_icone->hide();
    afficherAgrandie();
    raise();
    activateWindow();
}

bool TForm_princ::event(QEvent* evenement)
{
    if (evenement->type() == QEvent::StatusTip) {
        m_panneaux[0]->setText(static_cast<QStatusTipEvent*>(evenement)->tip());
        return true;
    }
    if (evenement->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(evenement);
}

void TForm_princ::changeEvent(QEvent* evenement)
{
    QMainWindow::changeEvent(evenement);
    if (evenement->type() == QEvent::WindowStateChange && isMinimized() && trayDisponible())
        QTimer::singleShot(0, this, &TForm_princ::mettreEnZoneNotification);
}

void TForm_princ::closeEvent(QCloseEvent* evenement)
{
    if (afficherMessage(
            QStringLiteral("Voulez-vous fermer l'apllication?"), genre::Confirmation, bouton::Oui | bouton::Non)
        != resultat::Oui) {
        evenement->ignore();
        return;
    }
    // The program ends whatever befalls these two steps; each error is shown.
    if (etat().sessionCourante)
        essayer([] { fermerSessionCourante(); });
    essayer([this] {
        ecrireProfilSociete(etat().societeCourante);
        setWindowTitle(legendeApresEcriture(etat().societeCourante));
    });
    evenement->accept();
    m_icone->hide();
    QCoreApplication::quit();
}

} // namespace talvex
