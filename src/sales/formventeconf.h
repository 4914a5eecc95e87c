#pragma once

#include <QDialog>

class QLineEdit;

namespace talvex {

class TForm_Vente;

// The payment window (Form_Vente_conf): the amount due in large type, the amount the
// client hands over and the change. Accepting writes the pending sale through the sale
// window, then offers to print the invoice for a client.
class TForm_Vente_conf : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Vente_conf(QWidget* parent = nullptr);

    // Before showing: the sale window it pays for, and the amount due.
    void preparer(TForm_Vente& vente, double montant);

    void sCurrencyEdit_payeChange();
    void sbtn_confirmerClick();
    void sbtn_modifierClick();
    void sbtn_cancelClick();

    // Closing empties the three amounts.
    void done(int code) override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QLineEdit* champMontant(const char* nom, const QString& aide);
    void sCurrencyEdit_payeKeyPress();
    void proposerFacture(const QString& codeVente);
    void refuser(const QString& texte);

    TForm_Vente* m_vente = nullptr;
    // The amount due, as the sale counts it (the total field shows it).
    double m_montant = 0;
    QLineEdit* m_total;
    QLineEdit* m_paye;
    QLineEdit* m_reliquat;
};

// Opens the client window in invoice mode for the sale (modeFacture set, venteAFacturer the
// sale's number) and returns once it is closed. Without a client window in the program,
// only sets the two and returns false.
bool ouvrirClientsPourFacture(QWidget& depuis, const QString& codeVente);

} // namespace talvex
