#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QTableView;

namespace talvex {

class TModeleArticles;

// The article picker (Form_Find_AppVente), shared by the sale and the supply windows:
// lists the catalogue's articles whose code, name or description begins with or contains
// the text typed, live, and hands the chosen article's code to the window that opened it.
// Its settings keep their values between openings.
class TForm_Find_AppVente : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Find_AppVente(QWidget* parent = nullptr);

    // 1 name, 2 code, 3 description: set by the caller before each opening.
    int critereRecherche = 2;
    // 1 beginning with, 2 containing.
    int modeRecherche = 1;
    // True: the chosen code goes to the sale window's ajouterArticle; false: to getArticle.
    bool destinationVente = true;
    // The supply window's operation that receives a chosen code.
    std::function<void(const QString&)> getArticle;

    TModeleArticles& modele() const { return *m_modele; }

    void sRadioGroup_prmClick(int item);
    void sRadioGroupCTRClick(int item);
    void sbtnFindClick();
    void sbtnFermerClick();
    // Enter in the search field: the first row holding the text in the searched column.
    void localiser();
    // Double-click, Enter in the grid, "&Accepter": hands the selected article over.
    void accepter();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QGroupBox* construireGroupe(
        const char* nom, const QString& titre, const QStringList& items, const QString& aide, QButtonGroup*& groupe);
    void FormActivate();
    void appliquerCritere(int item);
    void lister(const QString& texte);
    void relister();
    void StringGrid_ArticlesClick();
    int colonneRecherchee() const;

    TModeleArticles* m_modele;
    QButtonGroup* m_parametre = nullptr;
    QButtonGroup* m_critere = nullptr;
    QGroupBox* m_groupeCritere = nullptr;
    QLineEdit* m_recherche;
    QTableView* m_grille;
};

} // namespace talvex
