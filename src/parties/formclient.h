#pragma once

#include "parties/saisiepartie.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace talvex {

class TGroupeRadio;
class TModelePersonnes;
struct LignePersonne;

// The client window (Form_client). Opened for management it searches, adds, modifies,
// deletes and prints clients. In invoice mode (modeFacture set, venteAFacturer holding a
// sale number, both read when the window shows) the user picks the client of that sale
// with "Facture", which sets the sale's client and prints its invoice. Closing the window
// by any way clears modeFacture and venteAFacturer.
class TForm_client : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_client(QWidget* parent = nullptr);
    ~TForm_client() override;

    // Invoice mode for the sale `codeVente`: sets modeFacture and venteAFacturer, shows the
    // window modally and returns when it is closed.
    int facturer(const QString& codeVente);

    // The criterion of chercherClients in force (1 to 7).
    int critere() const { return m_critere; }
    const TModelePersonnes& modele() const { return *m_modele; }

    // The handlers of the buttons and of the grid's context menu.
    void sbtnFindClick();
    void sbtnAcepterClick();
    void sbtn_nouveauClick();
    void sBitBtn_clientClick();
    void Imprimer1Click();
    void Modifier1Click();
    void Effacer1Click();

protected:
    void showEvent(QShowEvent* evenement) override;
    void done(int resultat) override;

private:
    void construireRecherche();
    void construireGrille();
    void construireBoutons();
    void entreeMenu(const QString& texte,
                    const char* nom,
                    const QKeySequence& raccourci,
                    void (TForm_client::*gestionnaire)());

    void FormShow();
    void sRadioGroupClick();
    void sedtFindedChange(const QString& texte);
    ParametreRecherche parametre() const;
    void calculerCritere();
    void reinitialiserGrille();
    void lister(const QString& texte);
    void rafraichir();
    std::optional<LignePersonne> clientChoisi() const;

    int m_critere = 1;
    TModelePersonnes* m_modele;
    TGroupeRadio* m_parametre;
    TGroupeRadio* m_mode;
    QLabel* m_libelle;
    QLineEdit* m_recherche;
    QPushButton* m_chercher;
    QTableView* m_grille;
    QPushButton* m_imprimer;
    QPushButton* m_nouveau;
    QPushButton* m_facture;
    QPushButton* m_fermer;
};

} // namespace talvex
