#pragma once

#include "shell/commandes.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace talvex {

class TGestionnaireSkins;

// The main window (Form_princ): the menus of the logged-in user's role, the status bar
// with the hints, the user and a clock, the notification-area icon. Every other window is
// its child and is shown modally from its menus.
class TForm_princ : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm_princ(QWidget* parent = nullptr);
    ~TForm_princ() override;

    // The main window of the program (Form_princ); null when there is none.
    static TForm_princ* instance();

    // Whether the desktop offers a notification area (replaceable by tests).
    static inline std::function<bool()> zoneNotificationDisponible;

    // Shows or hides the working menus, switches the connection entry, forgets the
    // appearance row and shows the user in the status bar.
    void basculerConnexion(bool connecte);
    // Shows and enables the menus of role 1, 2 or 3.
    void appliquerProfil(int role);

    TGestionnaireSkins& sSkinManager1() const { return *m_skins; }
    QSystemTrayIcon& zoneNotification() const { return *m_icone; }

    // One of the program's windows, children of this one.
    template<typename Fenetre>
    Fenetre* fenetre() const
    {
        return findChild<Fenetre*>(QString(), Qt::FindDirectChildrenOnly);
    }

    // Runs a menu command as if its entry were chosen.
    void executer(Commande commande);

    // Each time the window becomes active: the first-start step of the company profile.
    void FormActivate();
    // Shows the window maximised over the screen's available area.
    void afficherAgrandie();
    // Minimise to the notification area, and back.
    void mettreEnZoneNotification();
    void montrer();

protected:
    bool event(QEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void construireBarreEtat();
    void chargerProfilSociete();
    void choisirEntree(QAction* entree);
    void Deconnexion1Click();
    void ouvrirConnexion();
    void afficherUtilisateur();
    void Timer1Timer();
    void ouvrirMonCompte();
    void ouvrirThemes();
    void appliquerEtat(const QString& entree, std::optional<bool> visible, std::optional<bool> actif);

    TGestionnaireSkins* m_skins;
    QMenu* m_menuNotification;
    QSystemTrayIcon* m_icone;
    QTimer* m_horloge;
    QLabel* m_panneaux[3] = {};
};

} // namespace talvex
