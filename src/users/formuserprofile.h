#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace talvex {

struct TUtilisateur;

// The own-profile window (Form_user_profile): the logged-in user's account data, and the
// change of the user's own password.
class TForm_user_profile : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_user_profile(QWidget* parent = nullptr);

    // Fills the window from the user before it is shown: first tab, password fields empty.
    void charger(const TUtilisateur& utilisateur);

    // "Changer".
    void sBitBtn_chgClick();

protected:
    void done(int code) override;

private:
    QWidget* construireDonnees();
    QWidget* construireMotDePasse();
    void actuelChange(const QString& texte);
    void viderChamps();
    void refuser(const QString& texte, QLineEdit* focus);

    QTabWidget* m_pages;
    QLabel* m_code;
    QLabel* m_nom;
    QLabel* m_prenom;
    QLabel* m_login;
    QLabel* m_type;
    QLineEdit* m_actuel;
    QLineEdit* m_nouveau;
    QLineEdit* m_confirmation;
    QPushButton* m_changer;
};

} // namespace talvex
