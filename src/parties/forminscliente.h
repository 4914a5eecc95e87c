#pragma once

#include "parties/saisiepartie.h"

#include <QDialog>

class QPushButton;

namespace talvex {

class TChampsPartie;

// The new-party window (Form_insCliente), shared by the client and supplier windows: the
// window that opens it says which kind of party it creates. It stays open after each
// record so that several can be entered in a row.
class TForm_insCliente : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_insCliente(QWidget* parent = nullptr);

    // Set by the opening window before showing: the kind of party and the title.
    void definirGenre(GenrePartie genre);
    GenrePartie genre() const { return m_genre; }

    TChampsPartie& champs() const { return *m_champs; }

    // "&Enregistrer".
    void sbtn_acepeterClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    bool enregistrer(const SaisiePartie& saisie) const;

    GenrePartie m_genre = GenrePartie::Client;
    TChampsPartie* m_champs;
    QPushButton* m_enregistrer;
};

} // namespace talvex
