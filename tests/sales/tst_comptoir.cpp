// Whole sales at the counter, driven through the windows by their object names: the sale
// window, the article picker, the quantity pop-up and the payment window.

#include "comptoirdetest.h"
#include "core/dataaccess.h"
#include "core/panier.h"
#include "parties/formclient.h"
#include "sales/formchgcant.h"
#include "sales/formfindappvente.h"
#include "shell/application.h"
#include "shell/commandes.h"
#include "shell/formprinc.h"
#include "shell/programme.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <optional>

using namespace talvex;
using namespace talvex::test;

class TestComptoir : public QObject
{
    Q_OBJECT

private slots:
    void init() { c.emplace(); }
    void cleanup() { c.reset(); }

    void memeCodeDeuxFois();
    void codesRefuses();
    void quantiteEtAlerteStock();
    void selecteurParCode();
    void selecteurParNom();
    void f5SurLaLigneVideOuvreLeSelecteur();
    void suppression();
    void fermeture();
    void paiementCourtOuIllisible();
    void venteAuClavier();
    void paiementExactApresRenumerotation();
    void factureOkOuvreLesClients();
    void numeroDeFactureIllisible();
    void articleSupprimeAvantLePaiement();
    void annulationDepuisLePaiement();
    void menuFacturer();

private:
    TForm_Vente& vente() { return c->vente(); }
    QDialog& paiement() { return *c->principale.findChild<QDialog*>("Form_Vente_conf"); }
    // Opens the payment window with "&Accepter" and runs `pendant` in it.
    bool payer(const std::function<void(QDialog&)>& pendant)
    {
        return ComptoirDeTest::pendantModal(
            "Form_Vente_conf",
            [this] { QTest::mouseClick(c->controle<QPushButton>("sbtnAcepter"), Qt::LeftButton); },
            pendant);
    }
    static void taperPaye(QDialog& paiement, const QString& montant)
    {
        QLineEdit* paye = ComptoirDeTest::dans(paiement, "sCurrencyEdit_paye");
        paye->selectAll();
        QTest::keyClicks(paye, montant);
    }
    static void confirmer(QDialog& paiement)
    {
        QTest::mouseClick(ComptoirDeTest::dans<QPushButton>(paiement, "sbtn_confirmer"), Qt::LeftButton);
    }
    qint64 nombre(const QString& sql, const QVariantList& valeurs = {})
    {
        return test::nombre(c->module(), sql, valeurs);
    }

    std::optional<ComptoirDeTest> c;
};

void TestComptoir::memeCodeDeuxFois()
{
    QVERIFY(c->ouvrir());
    QCOMPARE(c->controle("sedtNumVente")->text(), "1");
    QCOMPARE(c->controle<QDateEdit>("sDateEditVente")->date(), QDate(2024, 3, 15));
    QVERIFY(!c->controle<QPushButton>("sbtnAcepter")->isEnabled());
    QCOMPARE(vente().windowTitle(), "Vente des articles");

    c->scanner("61");
    c->scanner("61");
    QCOMPARE(vente().panier().nombreLignes(), 1);
    QCOMPARE(c->cellule(0, TPanier::Quantite), "2");
    QCOMPARE(c->cellule(0, TPanier::PrixUnitaire), "1251");
    QCOMPARE(c->cellule(0, TPanier::Total), "2 502");
    QCOMPARE(c->controle("Edit_total")->text(), "2.502FCFA ");
    // A bar code scanned with leading zeros is the same article.
    c->scanner("0061");
    QCOMPARE(vente().panier().nombreLignes(), 1);
    QCOMPARE(c->cellule(0, TPanier::Quantite), "3");
    QCOMPARE(c->controle("Edit_total")->text(), "3.753FCFA ");

    c->scanner("6111000000017");
    QCOMPARE(c->cellule(1, TPanier::Nom), "Eau minérale");
    QCOMPARE(c->controle<QTableView>("StringGrid_liste_Vente")->currentIndex().row(), 1);
    QCOMPARE(c->controle("Edit_total")->text(), "4.053FCFA ");
    QCOMPARE(c->controle("sedtCodeArticle")->text(), QString());
    QCOMPARE(c->controle("sedtCodeArticle")->palette().color(QPalette::Base), QColor(255, 255, 0));
    QVERIFY(c->controle<QPushButton>("sbtnDelArt")->isEnabled());
    QVERIFY(c->controle<QPushButton>("sbtnAcepter")->isEnabled());
    QVERIFY(c->controle<QLabel>("sLabel_alerte")->isHidden());
    QCOMPARE(c->messages().demandes().size(), 0);
}

void TestComptoir::codesRefuses()
{
    QVERIFY(c->ouvrir());
    QLineEdit* code = c->controle("sedtCodeArticle");
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(c->messages().derniere().texte, "Saisissez le code d'un article s'il vous plait");
    QCOMPARE(c->messages().derniere().genre, genre::Information);

    c->scanner("9x9"); // letters never reach the field
    QCOMPARE(c->messages().derniere().texte, "Ce code n'existe pas");
    QCOMPARE(code->text(), "99");
    QVERIFY(vente().panier().estVide());
    QVERIFY(!c->controle<QPushButton>("sbtnDelArt")->isEnabled());

    // Text put there by other means than typing is refused the same way.
    code->setText("abc");
    QTest::mouseClick(c->controle<QPushButton>("sbtnFind"), Qt::LeftButton);
    QCOMPARE(c->messages().derniere().texte, "Ce code n'existe pas");
    QCOMPARE(c->messages().demandes().size(), 3);
    QVERIFY(vente().panier().estVide());
}

void TestComptoir::quantiteEtAlerteStock()
{
    QVERIFY(c->ouvrir());
    c->scanner("62"); // 3 in stock
    QVERIFY(c->controle<QLabel>("sLabel_alerte")->isHidden());

    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_chgCant",
        [this] { QTest::keyClick(&vente(), Qt::Key_F5); },
        [](QDialog& q) {
            QCOMPARE(ComptoirDeTest::dans<QGroupBox>(q, "sGroupBoxChgCant")->title(), "Quantité");
            QLineEdit* champ = ComptoirDeTest::dans(q, "sedtCant");
            QCOMPARE(champ->text(), "1");
            QCOMPARE(champ->selectedText(), "1");
            QTest::keyClicks(champ, "a5b");
            QCOMPARE(champ->text(), "5");
            QTest::keyClick(champ, Qt::Key_Return);
            QVERIFY(!q.isVisible());
        }));
    QCOMPARE(c->cellule(0, TPanier::Quantite), "5");
    QCOMPARE(c->cellule(0, TPanier::Total), "25 000");
    QCOMPARE(c->controle("Edit_total")->text(), "25.000FCFA ");
    QCOMPARE(c->controle<QLabel>("sLabel_alerte")->text(),
             "Le stock disponible de Lait(3) est inferieur à cette demande");
    QVERIFY(!c->controle<QLabel>("sLabel_alerte")->isHidden());

    auto& quantite = *c->principale.findChild<TForm_chgCant*>();
    QVERIFY(!quantite.modeQuantiteVente);
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_chgCant",
        [this] { QTest::keyClick(&vente(), Qt::Key_F5); },
        [this](QDialog& q) {
            QLineEdit* champ = ComptoirDeTest::dans(q, "sedtCant");
            QTest::keyClicks(champ, "0");
            QTest::keyClick(champ, Qt::Key_Return);
            QCOMPARE(c->messages().derniere().texte, "La quantité ne peut pas être egale à Zero");
            QCOMPARE(c->messages().derniere().genre, genre::Avertissement);
            QVERIFY(q.isVisible());
            QCOMPARE(champ->text(), QString());
            QTest::keyClicks(champ, "2");
            QTest::keyClick(champ, Qt::Key_Escape);
        }));
    QCOMPARE(c->cellule(0, TPanier::Quantite), "5");
    QVERIFY(!quantite.modeQuantiteVente);

    // Quantity 3 of 3: enough, the alert goes.
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_chgCant",
        [this] { QTest::keyClick(&vente(), Qt::Key_F5); },
        [](QDialog& q) {
            QLineEdit* champ = ComptoirDeTest::dans(q, "sedtCant");
            QTest::keyClicks(champ, "3");
            QTest::keyClick(champ, Qt::Key_Return);
        }));
    QVERIFY(c->controle<QLabel>("sLabel_alerte")->isHidden());
}

void TestComptoir::selecteurParCode()
{
    QVERIFY(c->ouvrir());
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_Find_AppVente",
        [this] { QTest::keyClick(&vente(), Qt::Key_F6); },
        [this](QDialog& p) {
            QVERIFY(!ComptoirDeTest::dans<QGroupBox>(p, "sRadioGroupCTR")->isEnabled());
            QVERIFY(ComptoirDeTest::dans<QRadioButton>(p, "sRadioGroup_prm0")->isChecked());
            auto* grille = ComptoirDeTest::dans<QTableView>(p, "StringGrid_Articles");
            QCOMPARE(grille->model()->rowCount(), 5);
            QLineEdit* champ = ComptoirDeTest::dans(p, "sedtFinded");
            QVERIFY(champ->hasFocus());
            // Accepting needs a text: a double-click with an empty field does nothing.
            QTest::keyClick(grille, Qt::Key_Return);
            QVERIFY(p.isVisible());

            QTest::keyClicks(champ, "6");
            QCOMPARE(grille->model()->rowCount(), 5);
            QTest::keyClicks(champ, "4");
            QCOMPARE(grille->model()->rowCount(), 1);
            QTest::keyClicks(champ, "9");
            QCOMPARE(c->messages().derniere().texte, "Cet artcle n'exite pas");
            QCOMPARE(c->messages().derniere().sorte, DemandeMessage::Sorte::Boite);
            QCOMPARE(grille->model()->rowCount(), 1); // the list stays
            QCOMPARE(champ->selectedText(), "649");
            QTest::keyClick(champ, Qt::Key_Backspace);
            QTest::keyClicks(champ, "64");
            QTest::keyClick(champ, Qt::Key_Return); // locates, then the grid has the focus
            QCOMPARE(champ->text(), "640");
            QVERIFY(grille->hasFocus());
            QTest::keyClick(grille, Qt::Key_Return); // accepts
            QVERIFY(!p.isVisible());
        }));
    QCOMPARE(vente().panier().nombreLignes(), 1);
    QCOMPARE(c->cellule(0, TPanier::Code), "640");
    QCOMPARE(c->controle("Edit_total")->text(), "750FCFA ");
}

void TestComptoir::selecteurParNom()
{
    QVERIFY(c->ouvrir());
    auto& selecteur = *c->principale.findChild<TForm_Find_AppVente*>();
    const auto parNom = [this](const std::function<void(QDialog&)>& pendant) {
        return ComptoirDeTest::pendantModal(
            "Form_Find_AppVente", [this] { QTest::keyClick(&vente(), Qt::Key_F7); }, pendant);
    };
    QVERIFY(parNom([](QDialog& p) {
        auto* critere = ComptoirDeTest::dans<QGroupBox>(p, "sRadioGroupCTR");
        QVERIFY(critere->isEnabled());
        QVERIFY(ComptoirDeTest::dans<QRadioButton>(p, "sRadioGroupCTR0")->isChecked());
        QVERIFY(ComptoirDeTest::dans<QRadioButton>(p, "sRadioGroup_prm1")->isChecked());
        QTest::mouseClick(ComptoirDeTest::dans<QRadioButton>(p, "sRadioGroupCTR1"), Qt::LeftButton);
        QLineEdit* champ = ComptoirDeTest::dans(p, "sedtFinded");
        QTest::keyClicks(champ, "ai");
        auto* grille = ComptoirDeTest::dans<QTableView>(p, "StringGrid_Articles");
        QCOMPARE(grille->model()->rowCount(), 1);
        // A click on a row copies its name into the field; a double-click accepts it.
        const QRect ligne = grille->visualRect(grille->model()->index(0, 1));
        champ->clear();
        QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, ligne.center());
        QCOMPARE(champ->text(), "Lait");
        QTest::mouseDClick(grille->viewport(), Qt::LeftButton, {}, ligne.center());
        QVERIFY(!p.isVisible());
    }));
    QCOMPARE(c->cellule(0, TPanier::Code), "62");
    QCOMPARE(selecteur.modeRecherche, 2);

    // The same criterion next time keeps "Contenant"; "&Fermer" brings back Code and Commençant.
    QVERIFY(parNom([](QDialog& p) {
        QVERIFY(ComptoirDeTest::dans<QRadioButton>(p, "sRadioGroupCTR1")->isChecked());
        QTest::mouseClick(ComptoirDeTest::dans<QPushButton>(p, "sbtnFermer"), Qt::LeftButton);
        QVERIFY(!p.isVisible());
    }));
    QCOMPARE(selecteur.critereRecherche, 2);
    QCOMPARE(selecteur.modeRecherche, 1);
    QVERIFY(ComptoirDeTest::dans<QRadioButton>(selecteur, "sRadioGroup_prm0")->isChecked());
    QVERIFY(!ComptoirDeTest::dans<QGroupBox>(selecteur, "sRadioGroupCTR")->isEnabled());
    QCOMPARE(vente().panier().nombreLignes(), 1);
}

void TestComptoir::f5SurLaLigneVideOuvreLeSelecteur()
{
    QVERIFY(c->ouvrir());
    c->scanner("61");
    auto* grille = c->controle<QTableView>("StringGrid_liste_Vente");
    QTest::mouseClick(
        grille->viewport(), Qt::LeftButton, {}, grille->visualRect(grille->model()->index(1, 0)).center());
    QCOMPARE(grille->currentIndex().row(), 1);
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_Find_AppVente",
        [this] { QTest::keyClick(&vente(), Qt::Key_F5); },
        [](QDialog& p) { QCOMPARE(static_cast<TForm_Find_AppVente&>(p).critereRecherche, 2); }));
}

void TestComptoir::suppression()
{
    QVERIFY(c->ouvrir());
    c->scanner("62");
    c->scanner("62");
    c->scanner("62");
    c->scanner("62"); // 4 of 3: the alert shows
    c->scanner("63");
    auto* grille = c->controle<QTableView>("StringGrid_liste_Vente");
    QTest::mouseClick(
        grille->viewport(), Qt::LeftButton, {}, grille->visualRect(grille->model()->index(1, 0)).center());
    grille->setFocus();
    c->messages().repondre(resultat::Non);
    QTest::keyClick(grille, Qt::Key_Delete);
    QCOMPARE(c->messages().derniere().texte, "Voulez-vous supprimer cet article de la liste de vente?");
    QCOMPARE(vente().panier().nombreLignes(), 2);

    c->messages().repondre(resultat::Oui);
    QTest::keyClick(grille, Qt::Key_Delete);
    QCOMPARE(vente().panier().nombreLignes(), 1);
    QCOMPARE(c->controle("Edit_total")->text(), "20.000FCFA ");
    QCOMPARE(grille->currentIndex().row(), 1); // the empty last row: Del does nothing there
    QTest::keyClick(grille, Qt::Key_Delete);
    QCOMPARE(c->messages().demandes().size(), 2);

    QTest::mouseClick(
        grille->viewport(), Qt::LeftButton, {}, grille->visualRect(grille->model()->index(0, 0)).center());
    const QString alerte = c->controle<QLabel>("sLabel_alerte")->text();
    QCOMPARE(alerte, "Le stock disponible de Lait(3) est inferieur à cette demande");
    c->messages().repondre(resultat::Oui);
    QTest::mouseClick(c->controle<QPushButton>("sbtnDelArt"), Qt::LeftButton);
    QVERIFY(vente().panier().estVide());
    QCOMPARE(c->controle("Edit_total")->text(), "FCFA ");
    QVERIFY(!c->controle<QPushButton>("sbtnDelArt")->isEnabled());
    QVERIFY(!c->controle<QPushButton>("sbtnAcepter")->isEnabled());
    QCOMPARE(c->controle<QLabel>("sLabel_alerte")->text(), alerte); // left as it was
}

void TestComptoir::fermeture()
{
    QVERIFY(c->ouvrir());
    QTest::keyClick(&vente(), Qt::Key_Escape); // empty cart: no question
    QVERIFY(!vente().isVisible());
    QCOMPARE(c->messages().demandes().size(), 0);

    QVERIFY(c->ouvrir());
    c->scanner("61");
    c->messages().repondre(resultat::Non);
    QTest::keyClick(c->controle("sedtCodeArticle"), Qt::Key_Escape);
    QCOMPARE(c->messages().derniere().texte, "Voulez-vous annuler cette vente?");
    QCOMPARE(c->messages().derniere().boutons, bouton::Oui | bouton::Non);
    QVERIFY(vente().isVisible());
    QCOMPARE(vente().panier().nombreLignes(), 1);

    c->messages().repondre(resultat::Oui);
    QTest::mouseClick(c->controle<QPushButton>("sbtnFermer"), Qt::LeftButton);
    QVERIFY(!vente().isVisible());
    QVERIFY(vente().panier().estVide());
    QVERIFY(!c->controle<QPushButton>("sbtnAcepter")->isEnabled());
}

void TestComptoir::paiementCourtOuIllisible()
{
    QVERIFY(c->ouvrir());
    c->scanner("62");
    c->scanner("62");
    c->scanner("640");
    QVERIFY(payer([this](QDialog& p) {
        QCOMPARE(p.windowTitle(), "Paiement");
        QCOMPARE(ComptoirDeTest::dans(p, "sCurrencyEdit_total")->text(), "10750");
        QLineEdit* reliquat = ComptoirDeTest::dans(p, "sCurrencyEdit_Relicat");
        QCOMPARE(reliquat->text(), QString());
        QVERIFY(ComptoirDeTest::dans(p, "sCurrencyEdit_paye")->hasFocus());

        taperPaye(p, "10000");
        QCOMPARE(reliquat->text(), "-750");
        confirmer(p);
        QCOMPARE(c->messages().derniere().texte, "Le montant à payer est supperieur à la somme que vous avez reçu");
        QCOMPARE(c->messages().derniere().genre, genre::Information);
        QVERIFY(p.isVisible());

        taperPaye(p, "12a");
        QCOMPARE(reliquat->text(), QString());
        confirmer(p);
        QCOMPARE(c->messages().derniere().texte, "« 12a » n'est pas un montant valide : tapez le montant en chiffres.");
        QVERIFY(p.isVisible());

        ComptoirDeTest::dans(p, "sCurrencyEdit_paye")->clear();
        QCOMPARE(reliquat->text(), "-10750");
        QTest::mouseClick(ComptoirDeTest::dans<QPushButton>(p, "sbtn_modifier"), Qt::LeftButton);
        QVERIFY(!p.isVisible());
        QCOMPARE(ComptoirDeTest::dans(p, "sCurrencyEdit_total")->text(), QString());
    }));
    QCOMPARE(nombre("SELECT COUNT(*) FROM tb_vente"), 0);
    QCOMPARE(vente().panier().nombreLignes(), 2);
    QVERIFY(vente().isVisible());
}

void TestComptoir::venteAuClavier()
{
    QVERIFY(c->ouvrir());
    c->scanner("62");
    c->scanner("62");
    c->scanner("63");
    c->messages().repondre(resultat::Non); // no invoice
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_Vente_conf",
        [this] { QTest::keyClick(&vente(), Qt::Key_A, Qt::AltModifier); },
        [](QDialog& p) {
            QLineEdit* paye = ComptoirDeTest::dans(p, "sCurrencyEdit_paye");
            QTest::keyClicks(paye, "20000");
            QCOMPARE(ComptoirDeTest::dans(p, "sCurrencyEdit_Relicat")->text(), "7500");
            QTest::keyClick(paye, Qt::Key_Return);
            auto* confirmer = ComptoirDeTest::dans<QPushButton>(p, "sbtn_confirmer");
            QVERIFY(confirmer->hasFocus());
            QTest::keyClick(confirmer, Qt::Key_Return);
            QVERIFY(!p.isVisible());
        }));
    QCOMPARE(c->messages().derniere().texte, "Voulez-vous imprimer la facture?");
    QCOMPARE(c->messages().derniere().boutons, bouton::Non | bouton::Ok);
    QCOMPARE(nombre("SELECT montant FROM tb_vente WHERE codevente=1"), 12500);
    QCOMPARE(nombre("SELECT montant_paye FROM tb_vente WHERE codevente=1"), 20000);
    QCOMPARE(nombre("SELECT relicat FROM tb_vente WHERE codevente=1"), 7500);
    QCOMPARE(nombre("SELECT codeclient FROM tb_vente WHERE codevente=1"), 1);
    QCOMPARE(nombre("SELECT codeutilisateur FROM tb_vente WHERE codevente=1"), 1);
    QCOMPARE(nombre("SELECT COUNT(*) FROM tb_vente WHERE sdatevente='2024/03/15'"), 1);
    QCOMPARE(nombre("SELECT SUM(cantart * prixventeunitaire) FROM tb_detailvente_art WHERE codevente=1"), 12500);
    QCOMPARE(stock(c->module(), 62), 1);
    QCOMPARE(stock(c->module(), 63), 99);
    // Ready for the next sale; the invoice question answered Non leaves the client alone.
    QVERIFY(vente().isVisible());
    QVERIFY(vente().panier().estVide());
    QCOMPARE(c->controle("sedtNumVente")->text(), "2");
    QVERIFY(!etat().modeFacture);
    QVERIFY(!c->controle<QPushButton>("sbtnAcepter")->isEnabled());
    QCOMPARE(etat().venteEnCours->montant_paye, 20000.0);
}

void TestComptoir::paiementExactApresRenumerotation()
{
    QVERIFY(c->ouvrir());
    QCOMPARE(c->controle("sedtNumVente")->text(), "1");
    c->scanner("63");
    // Meanwhile another workstation records sale 1.
    TPanier ailleurs;
    ailleurs.ajouter(*TAccesDonneesuite().getArticleParCode("61"));
    TVente autre = std::move(*ailleurs.preparerVente("1", QDate(2024, 3, 15), "1"));
    QCOMPARE(TAccesDonneesuite().enregistrerVente(autre), 1);

    c->messages().repondre(resultat::Ok); // an invoice, but this program has no client window
    QVERIFY(payer([](QDialog& p) {
        taperPaye(p, "2500");
        QCOMPARE(ComptoirDeTest::dans(p, "sCurrencyEdit_Relicat")->text(), "0");
        confirmer(p);
        QVERIFY(!p.isVisible());
    }));
    QCOMPARE(nombre("SELECT COUNT(*) FROM tb_vente"), 2);
    QCOMPARE(nombre("SELECT relicat FROM tb_vente WHERE codevente=2"), 0);
    QCOMPARE(nombre("SELECT codearticle FROM tb_detailvente_art WHERE codevente=2"), 63);
    QCOMPARE(etat().venteEnCours->codevente, "2");
    QVERIFY(etat().modeFacture);
    QCOMPARE(etat().venteAFacturer, "2");
    QCOMPARE(c->controle("sedtNumVente")->text(), "3");
}

void TestComptoir::factureOkOuvreLesClients()
{
    new TForm_client(&c->principale);
    QVERIFY(c->ouvrir());
    c->scanner("62");
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_chgCant",
        [this] { QTest::keyClick(&vente(), Qt::Key_F5); },
        [](QDialog& q) {
            QTest::keyClicks(ComptoirDeTest::dans(q, "sedtCant"), "5");
            QTest::keyClick(ComptoirDeTest::dans(q, "sedtCant"), Qt::Key_Return);
        }));
    QVERIFY(!c->controle<QLabel>("sLabel_alerte")->isHidden()); // it never prevents the sale

    std::optional<std::pair<bool, QString>> vuParLesClients;
    QVERIFY(payer([&](QDialog& p) {
        taperPaye(p, "25000");
        c->messages().repondre(resultat::Ok);
        QVERIFY(ComptoirDeTest::pendantModal(
            "Form_client",
            [&] { confirmer(p); },
            [&](QDialog&) {
                vuParLesClients.emplace(etat().modeFacture, etat().venteAFacturer);
                QVERIFY(!p.isVisible());
            }));
    }));
    QVERIFY(vuParLesClients);
    QCOMPARE(vuParLesClients->first, true);
    QCOMPARE(vuParLesClients->second, "1");
    QVERIFY(!etat().modeFacture); // the client window, closed, leaves no invoice mode behind
    QCOMPARE(stock(c->module(), 62), -2);
    QCOMPARE(nombre("SELECT codeclient FROM tb_vente WHERE codevente=1"), 1);
}

void TestComptoir::numeroDeFactureIllisible()
{
    QVERIFY(c->ouvrir());
    c->scanner("61");
    c->controle("sedtNumVente")->setText("12a");
    QTest::mouseClick(c->controle<QPushButton>("sbtnAcepter"), Qt::LeftButton);
    QCOMPARE(c->messages().derniere().texte, "Le numéro de facture « 12a » n'est pas un nombre entier valide.");
    QCOMPARE(c->messages().derniere().genre, genre::Avertissement);
    QVERIFY(!paiement().isVisible());
    QCOMPARE(vente().panier().nombreLignes(), 1);
    QVERIFY(!etat().venteEnCours);
}

void TestComptoir::articleSupprimeAvantLePaiement()
{
    QVERIFY(c->ouvrir());
    c->scanner("61");
    c->scanner("62");
    c->module().executer("DELETE FROM tb_article WHERE codearticle=61");
    QVERIFY(payer([this](QDialog& p) {
        taperPaye(p, "10000");
        confirmer(p);
        QVERIFY(c->messages().derniere().texte.startsWith("L'article 61 n'existe plus dans le catalogue"));
        QVERIFY(p.isVisible());
    }));
    QCOMPARE(nombre("SELECT COUNT(*) FROM tb_vente"), 0);
    QCOMPARE(nombre("SELECT COUNT(*) FROM tb_detailvente_art"), 0);
    QCOMPARE(stock(c->module(), 62), 3);
    QCOMPARE(vente().panier().nombreLignes(), 2);
    QCOMPARE(c->controle("sedtNumVente")->text(), "1");

    // Clicking the line tells the same in the alert.
    auto* grille = c->controle<QTableView>("StringGrid_liste_Vente");
    QTest::mouseClick(
        grille->viewport(), Qt::LeftButton, {}, grille->visualRect(grille->model()->index(0, 0)).center());
    QCOMPARE(c->controle<QLabel>("sLabel_alerte")->text(), "L'article 61 n'existe plus dans le catalogue");
}

void TestComptoir::annulationDepuisLePaiement()
{
    QVERIFY(c->ouvrir());
    c->scanner("61");
    const auto annuler = [this](quint16 reponseVente) {
        return payer([&](QDialog& p) {
            c->messages().repondre(resultat::Ok);
            c->messages().repondre(reponseVente);
            QTest::mouseClick(ComptoirDeTest::dans<QPushButton>(p, "sbtn_cancel"), Qt::LeftButton);
            QVERIFY(!p.isVisible());
        });
    };
    QVERIFY(annuler(resultat::Non));
    QCOMPARE(c->messages().textes().mid(0, 2),
             QStringList({"Voulez-vous annuler cette vente?", "Voulez-vous annuler cette vente?"}));
    QCOMPARE(c->messages().demandes().at(0).boutons, bouton::Ok | bouton::Annuler);
    QVERIFY(vente().isVisible());
    QCOMPARE(vente().panier().nombreLignes(), 1);

    QVERIFY(annuler(resultat::Oui));
    QVERIFY(!vente().isVisible());
    QVERIFY(vente().panier().estVide());
    QCOMPARE(nombre("SELECT COUNT(*) FROM tb_vente"), 0);
}

void TestComptoir::menuFacturer()
{
    // The program's own windows: "Ventes" › "Facturer" of the main window opens the sale window.
    Programme programme([] {});
    TForm_princ& principale = programme.principale();
    QVERIFY(principale.findChild<TForm_Vente*>());
    QVERIFY(ComptoirDeTest::pendantModal(
        "Form_Vente",
        [&] { principale.executer(Commande::Facturer); },
        [](QDialog& v) { QCOMPARE(ComptoirDeTest::dans(v, "sedtNumVente")->text(), "1"); }));
}

int main(int argc, char** argv)
{
    TalvexApplication application(argc, argv);
    TestComptoir test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_comptoir.moc"
