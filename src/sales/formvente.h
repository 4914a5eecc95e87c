#pragma once

#include <QDialog>

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace talvex {

class TPanier;
struct TArticle;
struct TVente;

// The sale window (Form_Vente): the seller builds a cart by scanning or typing article
// codes, or through the article picker, watches the total in FCFA and a stock alert, then
// hands the cart to the payment window. It stays open for the next sale.
class TForm_Vente : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Vente(QWidget* parent = nullptr);
    ~TForm_Vente() override;

    TPanier& panier() const { return *m_panier; }

    // One more unit of the article with that code: its line's quantity goes up, or a new
    // line is added ("Ce code n'existe pas" when no article has that code).
    void ajouterArticle(const QString& code);
    // A new quantity (>= 1) for the selected line.
    void changerQuantite(qint32 quantite);
    // Empties the cart, the stock alert and the code field.
    void viderVente();
    // Writes the paid sale as one whole, empties the cart and shows the next number; an
    // error leaves the cart and the database as they were. Returns the number used, 0 when
    // nothing was written.
    qint64 enregistrerVente(TVente& vente);

    // The buttons' actions, also reached by the menus and keys.
    void sbtnFindClick();
    void sbtnChgCantClick();
    void sbtnFindCodClick();
    void sbtnFindNameClick();
    void sbtnFindDescripClick();
    void sbtnDelArtClick();
    void sbtnAcepterClick();
    void sbtnFermerClick();

    // Closing asks before dropping a cart that holds lines.
    void reject() override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void construire();
    QWidget* construireEntete();
    QWidget* construireBas();
    void construireMenus();
    QAction*
    entree(const char* nom, const QString& texte, const QKeySequence& raccourci, void (TForm_Vente::*action)());

    void FormActivate();
    void sedtCodeArticleKeyPress();
    void saisirCode();
    void ouvrirRecherche(int critere);
    void verifierStock(const QString& code, qint32 quantite);
    void afficherAlerte(const QString& texte);
    void calculerTotal();
    void ligneAjoutee(int ligne);
    void activerBoutons();
    void afficherNumeroSuivant();

    TPanier* m_panier;
    QLineEdit* m_numero;
    QDateEdit* m_date;
    QLineEdit* m_code;
    QTableView* m_grille;
    QLabel* m_alerte;
    QLineEdit* m_total;
    QPushButton* m_supprimer;
    QPushButton* m_accepter;
};

} // namespace talvex
