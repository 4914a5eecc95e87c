#pragma once

#include "parties/saisiepartie.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace talvex {

class TChampsPartie;

// The modify-party window (Form_mod_pers), shared by the client and supplier windows:
// loaded with the party chosen in their grid, it writes the changes and has the opening
// window refresh its list.
class TForm_mod_pers : public QDialog
{
    Q_OBJECT

public:
    // What the opening window does to show the change: refresh its list.
    using Rafraichissement = std::function<void()>;

    explicit TForm_mod_pers(QWidget* parent = nullptr);

    // Fills the fields from the party before showing, and sets the title and the mode.
    void charger(const TClient& client, Rafraichissement rafraichir = {});
    void charger(const TFournisseur& fournisseur, Rafraichissement rafraichir = {});

    // 1 client, 2 supplier.
    int mode() const { return static_cast<int>(m_mode); }
    const QString& code() const { return m_code; }
    TChampsPartie& champs() const { return *m_champs; }

    // "&Accepeter".
    void sbtn_acepeterClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void done(int resultat) override;

private:
    void charger(const TPersonne& personne, GenrePartie mode, const QString& code, Rafraichissement rafraichir);
    bool enregistrer(const SaisiePartie& saisie) const;
    void signalerModification();

    GenrePartie m_mode = GenrePartie::Client;
    QString m_code;
    Rafraichissement m_rafraichir;
    TChampsPartie* m_champs;
    QPushButton* m_accepter;
};

} // namespace talvex
