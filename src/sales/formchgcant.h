#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QGroupBox;
class QLineEdit;
class QValidator;

namespace talvex {

// The quantity pop-up (Form_chgCant): a small frameless box asking for a new quantity of
// a cart line (sale or supply) or a new purchase price of a supply line. The caller sets
// exactly one mode and the initial text, then shows it; it hands back at most one value
// greater than zero.
class TForm_chgCant : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_chgCant(QWidget* parent = nullptr);

    bool modeQuantiteVente = false;
    bool modeQuantiteApprov = false;
    bool modePrixApprov = false;
    QString quantiteInitiale;
    QString prixInitial;
    // The supply window's operations that receive a new quantity and a new price.
    std::function<void(qint32)> changerQuantiteApprov;
    std::function<void(double)> changerPrixApprov;

    // Enter in the field.
    void sedtCantKeyPress();
    // Closing forgets the mode.
    void done(int code) override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void refuserZero(const QString& texte);
    void remettreQuantite(qint32 quantite);

    QGroupBox* m_groupe;
    QLineEdit* m_champ;
    QValidator* m_touchesQuantite;
    QValidator* m_touchesPrix;
};

} // namespace talvex
