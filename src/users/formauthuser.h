#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace talvex {

struct TUtilisateur;

// The login window (Form_Auth_user): a login name and a password; a successful login
// sets the current user, switches the main window to the user's menus, opens the
// session and applies the user's look.
class TForm_Auth_user : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Auth_user(QWidget* parent = nullptr);

    // Runs the login, as "&Connecter" does.
    void sBitBtn_okClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void FormActivate();
    void sEdit_loginChange(const QString& texte);
    void connecter(const TUtilisateur& utilisateur);
    void chargerConfiguration();

    QLineEdit* m_login;
    QLineEdit* m_motDePasse;
    QPushButton* m_connecter;
};

} // namespace talvex
