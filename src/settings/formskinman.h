#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace talvex {

class TGestionnaireSkins;

// The appearance window (Form_skin_man): tries skins and tints on the skin manager at
// once and stores them as the logged-in user's look.
class TForm_skin_man : public QDialog
{
    Q_OBJECT

public:
    TForm_skin_man(TGestionnaireSkins& skins, QWidget* parent = nullptr);

    // "Appliquer": stores the look shown as the user's row.
    void enregistrerApparence();

protected:
    void showEvent(QShowEvent* evenement) override;
    void done(int code) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QScrollBar* barre(const char* nom, int minimum, int maximum);
    void FormActivate();
    // Shows a skin name in the theme field, on its item when the list has it.
    void afficherTheme(const QString& nom);
    void sComboBox_themeChange(const QString& nom);
    void sButton_reinitierClick();
    void remettreTeinteAZero();
    void afficherValeurs();
    void restaurerConfiguration();

    TGestionnaireSkins& m_skins;
    QComboBox* m_theme;
    QScrollBar* m_saturation;
    QScrollBar* m_teinte;
    QLabel* m_valeurSaturation;
    QLabel* m_valeurTeinte;
    QPushButton* m_appliquer;
};

} // namespace talvex
