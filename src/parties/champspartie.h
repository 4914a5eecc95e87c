#pragma once

#include "parties/saisiepartie.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace talvex {

// The fields the new-party and modify-party windows share: "Données Obligatoires" with
// the name and first name, "Complementaires" with the telephone (digits and blanks only)
// and the multi-line address.
class TChampsPartie : public QWidget
{
    Q_OBJECT

public:
    explicit TChampsPartie(QWidget* parent = nullptr);

    // The hints the new-party window gives its fields.
    void donnerAides();

    SaisiePartie saisie() const;
    void remplir(const TPersonne& personne);
    void vider();

    QLineEdit* sedt_nom() const { return m_nom; }
    QLineEdit* sedt_prenom() const { return m_prenom; }
    QLineEdit* sedt_tel() const { return m_telephone; }
    QPlainTextEdit* sMemoAdresse() const { return m_adresse; }

signals:
    // The user typed a key in the address box.
    void toucheAdresse();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QLineEdit* m_nom;
    QLineEdit* m_prenom;
    QLineEdit* m_telephone;
    QPlainTextEdit* m_adresse;
};

} // namespace talvex
