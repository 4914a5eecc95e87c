#include "sales/formvente.h"

#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "core/etat.h"
#include "core/horloge.h"
#include "core/montants.h"
#include "core/panier.h"
#include "sales/formchgcant.h"
#include "sales/formfindappvente.h"
#include "sales/formventeconf.h"
#include "sales/outilsfenetres.h"
#include "shell/application.h"
#include "shell/barreaide.h"
#include "shell/messages.h"

#include <QAction>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace talvex {

namespace {

const QColor JAUNE(255, 255, 0);

// The article with that code; none when the code is not a whole number or no article has it.
std::unique_ptr<TArticle> articleParCode(const QString& code)
{
    bool nombre = false;
    code.trimmed().toLongLong(&nombre);
    if (!nombre)
        return {};
    return TAccesDonneesuite().getArticleParCode(code);
}

QLabel* etiquette(const char* nom, const QString& texte, QWidget* parent)
{
    return nomme(new QLabel(texte, parent), nom);
}

// Del with nothing to delete in the code field goes to "Eliminer de la liste".
class SuppressionVersListe : public QObject
{
public:
    explicit SuppressionVersListe(QLineEdit& champ)
        : QObject(&champ)
        , m_champ(champ)
    {
    }

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::ShortcutOverride && m_champ.text().isEmpty()
            && static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Delete) {
            evenement->ignore();
            return true;
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    QLineEdit& m_champ;
};

} // namespace

TForm_Vente::TForm_Vente(QWidget* parent)
    : QDialog(parent)
    , m_panier(new TPanier(this))
{
    setObjectName(QStringLiteral("Form_Vente"));
    setWindowTitle(QStringLiteral("Vente des articles"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(policeGras(13));
    setFixedSize(859, 509);
    construire();
}

TForm_Vente::~TForm_Vente() = default;

void TForm_Vente::construire()
{
    m_grille = nomme(new QTableView(this), "StringGrid_liste_Vente");
    m_grille->setModel(m_panier);
    preparerGrille(*m_grille, {73, 150, 198, 176, 104, 108}, TPanier::Total);
    donnerAide(*m_grille, QStringLiteral("Liste des articles qui constituent cette vente"));
    surEntree(*m_grille, [this] { sbtnChgCantClick(); });
    connect(m_grille, &QTableView::doubleClicked, this, [this] { sbtnChgCantClick(); });
    surClicGrille(*m_grille, [this] {
        const int ligne = ligneCourante(*m_grille);
        if (m_panier->estLigne(ligne))
            verifierStock(m_panier->ligne(ligne).codearticle.trimmed(), m_panier->ligne(ligne).quantite);
    });

    QStatusBar* barre = creerBarreAide(*this, "sStatusBar1");

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(8, 4, 8, 0);
    construireMenus();
    colonne->addWidget(construireEntete());
    colonne->addWidget(m_grille, 1);
    colonne->addWidget(construireBas());
    colonne->addWidget(barre);
    activerBoutons();
}

QWidget* TForm_Vente::construireEntete()
{
    auto* entete = new QWidget(this);
    m_numero = nomme(new QLineEdit(entete), "sedtNumVente");
    m_date = nomme(new QDateEdit(entete), "sDateEditVente");
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setCalendarPopup(true);
    m_code = nomme(new QLineEdit(entete), "sedtCodeArticle");
    m_code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_code));
    m_code->installEventFilter(new SuppressionVersListe(*m_code));
    donnerAide(*m_code, QStringLiteral("Introduir le code des articles à vendre"));
    surEntree(*m_code, [this] { sedtCodeArticleKeyPress(); });
    auto* chercher = boutonFenetre("sbtnFind",
                                   QStringLiteral("&Rechercher"),
                                   QStringLiteral("Clique pour chercher l'article dont le code est affiché"),
                                   entete);
    connect(chercher, &QPushButton::clicked, this, &TForm_Vente::sbtnFindClick);

    auto* grille = new QGridLayout(entete);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(etiquette("slblnumFacture", QStringLiteral("Facture N°:"), entete), 0, 0);
    grille->addWidget(m_numero, 0, 1);
    grille->addWidget(etiquette("slblDateAprrov", QStringLiteral("Date: "), entete), 0, 3, Qt::AlignRight);
    grille->addWidget(m_date, 0, 4);
    grille->addWidget(etiquette("slblcodearticles", QStringLiteral("Code d'article:"), entete), 1, 0);
    grille->addWidget(m_code, 1, 1, 1, 2);
    grille->addWidget(chercher, 1, 3);
    grille->setColumnStretch(2, 1);
    return entete;
}

QWidget* TForm_Vente::construireBas()
{
    auto* bas = new QWidget(this);
    m_alerte = nomme(new QLabel(bas), "sLabel_alerte");
    QPalette rouge = m_alerte->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    m_alerte->setPalette(rouge);
    m_alerte->hide();
    donnerAide(*m_alerte, QStringLiteral("Information sur la disponibilité de l'article selectionné"));

    auto* panneau = new QFrame(bas);
    panneau->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    donnerAide(*panneau, QStringLiteral("Total à payer"));
    m_total = nomme(new QLineEdit(panneau), "Edit_total");
    m_total->setReadOnly(true);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setFocusPolicy(Qt::ClickFocus);
    m_total->setMinimumWidth(200);
    donnerAide(*m_total, QStringLiteral("Total à payer pour cette vente"));
    auto* lignePanneau = new QHBoxLayout(panneau);
    lignePanneau->addWidget(etiquette("lbl_total", QStringLiteral("Total:"), panneau));
    lignePanneau->addWidget(m_total);

    auto* changer = boutonFenetre(
        "sbtnChgCant", QStringLiteral("F5"), QStringLiteral("Modifier la quantité de l'article selectionné"), bas);
    auto* parCode
        = boutonFenetre("sbtnFindCod", QStringLiteral("F6"), QStringLiteral("Chercher un article  par son code"), bas);
    auto* parNom
        = boutonFenetre("sbtnFindName", QStringLiteral("F7"), QStringLiteral("Recherche des articles par nom"), bas);
    auto* parDescription = boutonFenetre(
        "sbtnFindDescrip", QStringLiteral("F8"), QStringLiteral("Recherche des articles par description"), bas);
    m_supprimer = boutonFenetre(
        "sbtnDelArt", QStringLiteral("&Sup"), QStringLiteral("click pour supprimer l'article selectionné"), bas);
    m_accepter = boutonFenetre(
        "sbtnAcepter", QStringLiteral("&Accepter"), QStringLiteral("Click pour accepter la vente"), bas);
    auto* fermer = boutonFenetre(
        "sbtnFermer", QStringLiteral("&Fermer"), QStringLiteral("Clique pour annuler la vente en cours"), bas);
    connect(changer, &QPushButton::clicked, this, &TForm_Vente::sbtnChgCantClick);
    connect(parCode, &QPushButton::clicked, this, &TForm_Vente::sbtnFindCodClick);
    connect(parNom, &QPushButton::clicked, this, &TForm_Vente::sbtnFindNameClick);
    connect(parDescription, &QPushButton::clicked, this, &TForm_Vente::sbtnFindDescripClick);
    connect(m_supprimer, &QPushButton::clicked, this, &TForm_Vente::sbtnDelArtClick);
    connect(m_accepter, &QPushButton::clicked, this, &TForm_Vente::sbtnAcepterClick);
    connect(fermer, &QPushButton::clicked, this, &TForm_Vente::sbtnFermerClick);

    auto* grille = new QGridLayout(bas);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->addWidget(m_alerte, 0, 0, 1, 6);
    grille->addWidget(panneau, 0, 6, 1, 3);
    int i = 0;
    for (QPushButton* bouton : {changer, parCode, parNom, parDescription, m_supprimer})
        grille->addWidget(bouton, 1, i++);
    grille->setColumnStretch(5, 1);
    grille->addWidget(m_accepter, 1, 7);
    grille->addWidget(fermer, 1, 8);
    return bas;
}

QAction*
TForm_Vente::entree(const char* nom, const QString& texte, const QKeySequence& raccourci, void (TForm_Vente::*action)())
{
    auto* a = nomme(new QAction(texte, this), nom);
    a->setShortcut(raccourci);
    connect(a, &QAction::triggered, this, action);
    return a;
}

void TForm_Vente::construireMenus()
{
    const QList<QAction*> entrees = {
        entree("Changerlaquantit1", QStringLiteral("Changer la quantité"), Qt::Key_F5, &TForm_Vente::sbtnChgCantClick),
        nullptr,
        entree("ArticleparCode1", QStringLiteral("Article par Code"), Qt::Key_F6, &TForm_Vente::sbtnFindCodClick),
        entree("ArticleparNom1", QStringLiteral("Article par Nom"), Qt::Key_F7, &TForm_Vente::sbtnFindNameClick),
        entree("ArticleparDescription1",
               QStringLiteral("Article par Description"),
               Qt::Key_F8,
               &TForm_Vente::sbtnFindDescripClick),
        nullptr,
        entree("Eliminerdelaliste1",
               QStringLiteral("Eliminer de la liste"),
               Qt::Key_Delete,
               &TForm_Vente::sbtnDelArtClick),
    };
    auto* barre = nomme(new QMenuBar(this), "MainMenu1");
    auto* raccourcis = nomme(barre->addMenu(QStringLiteral("Raccourci")), "Raccourci1");
    auto* menuGrille = nomme(new QMenu(m_grille), "PopupMenu1");
    for (QAction* a : entrees) {
        if (!a) {
            raccourcis->addSeparator();
            menuGrille->addSeparator();
            continue;
        }
        raccourcis->addAction(a);
        menuGrille->addAction(a);
    }
    auto* fermer = nomme(barre->addAction(QStringLiteral("Fermer")), "Fermer1");
    connect(fermer, &QAction::triggered, this, &TForm_Vente::sbtnFermerClick);
    menuGrille->addSeparator();
    auto* fermerGrille = entree(
        "Fermer2", QStringLiteral("Fermer"), QKeySequence(Qt::CTRL | Qt::Key_X), &TForm_Vente::sbtnFermerClick);
    fermerGrille->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_grille->addAction(fermerGrille);
    menuGrille->addAction(fermerGrille);
    m_grille->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grille, &QWidget::customContextMenuRequested, menuGrille, [this, menuGrille](const QPoint& point) {
        menuGrille->popup(m_grille->viewport()->mapToGlobal(point));
    });
    layout()->setMenuBar(barre);
}

void TForm_Vente::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TForm_Vente::FormActivate()
{
    m_date->setDate(horloge::maintenant().date());
    viderVente();
    m_total->clear();
    m_code->setFocus();
    afficherNumeroSuivant();
}

void TForm_Vente::afficherNumeroSuivant()
{
    m_numero->clear();
    try {
        m_numero->setText(QString::number(TAccesDonneesuite().prochainNumero(2) + 1));
    } catch (...) {
        signalerException(std::current_exception());
    }
}

void TForm_Vente::sedtCodeArticleKeyPress()
{
    QPalette jaune = m_code->palette();
    jaune.setColor(QPalette::Base, JAUNE);
    m_code->setPalette(jaune);
    saisirCode();
}

void TForm_Vente::sbtnFindClick()
{
    saisirCode();
}

void TForm_Vente::saisirCode()
{
    if (m_code->text().isEmpty()) {
        afficherMessage(
            QStringLiteral("Saisissez le code d'un article s'il vous plait"), genre::Information, bouton::Ok);
        m_code->setFocus();
        return;
    }
    ajouterArticle(m_code->text().trimmed());
}

void TForm_Vente::ajouterArticle(const QString& code)
{
    const int existante = m_panier->chercher(code);
    if (existante >= 0) {
        m_panier->augmenter(existante);
        ligneAjoutee(existante);
        const LignePanier& ligne = m_panier->ligne(existante);
        verifierStock(ligne.codearticle, ligne.quantite);
        return;
    }
    const auto article = articleParCode(code);
    if (!article) {
        afficherMessage(QStringLiteral("Ce code n'existe pas"), genre::Information, bouton::Ok);
        m_code->setFocus();
        return;
    }
    ligneAjoutee(m_panier->ajouter(*article));
    activerBoutons();
    afficherAlerte(texteAlerteStock(article.get(), article->codearticle, 1));
}

void TForm_Vente::ligneAjoutee(int ligne)
{
    choisirLigne(*m_grille, ligne);
    m_code->clear();
    calculerTotal();
}

void TForm_Vente::verifierStock(const QString& code, qint32 quantite)
{
    const auto article = articleParCode(code);
    afficherAlerte(texteAlerteStock(article.get(), code, quantite));
}

void TForm_Vente::afficherAlerte(const QString& texte)
{
    m_alerte->setText(texte);
    m_alerte->setVisible(!texte.isEmpty());
}

void TForm_Vente::calculerTotal()
{
    m_total->setText(texteTotalVente(m_panier->total()));
}

void TForm_Vente::activerBoutons()
{
    m_supprimer->setEnabled(!m_panier->estVide());
    m_accepter->setEnabled(!m_panier->estVide());
}

void TForm_Vente::changerQuantite(qint32 quantite)
{
    const int ligne = ligneCourante(*m_grille);
    if (!m_panier->estLigne(ligne) || quantite < 1)
        return;
    m_panier->changerQuantite(ligne, quantite);
    calculerTotal();
    verifierStock(m_panier->ligne(ligne).codearticle.trimmed(), quantite);
}

void TForm_Vente::sbtnChgCantClick()
{
    const int ligne = ligneCourante(*m_grille);
    if (!m_panier->estLigne(ligne)) {
        sbtnFindCodClick();
        return;
    }
    auto& quantite = fenetreVoisine<TForm_chgCant>(*this);
    quantite.modeQuantiteVente = true;
    quantite.quantiteInitiale = QString::number(m_panier->ligne(ligne).quantite);
    quantite.exec();
}

void TForm_Vente::ouvrirRecherche(int critere)
{
    auto& recherche = fenetreVoisine<TForm_Find_AppVente>(*this);
    recherche.critereRecherche = critere;
    recherche.destinationVente = true;
    recherche.exec();
}

void TForm_Vente::sbtnFindCodClick()
{
    ouvrirRecherche(2);
}

void TForm_Vente::sbtnFindNameClick()
{
    ouvrirRecherche(1);
}

void TForm_Vente::sbtnFindDescripClick()
{
    ouvrirRecherche(3);
}

void TForm_Vente::sbtnDelArtClick()
{
    const int ligne = ligneCourante(*m_grille);
    if (m_panier->estVide() || !m_panier->estLigne(ligne))
        return;
    if (afficherMessage(QStringLiteral("Voulez-vous supprimer cet article de la liste de vente?"),
                        genre::Confirmation,
                        bouton::Oui | bouton::Non)
        != resultat::Oui)
        return;
    {
        const ChoixParProgramme garde(*m_grille);
        m_panier->supprimer(ligne);
        choisirLigne(*m_grille, ligne);
    }
    calculerTotal();
    activerBoutons();
}

void TForm_Vente::sbtnAcepterClick()
{
    const auto& utilisateur = etat().utilisateurCourant;
    std::unique_ptr<TVente> vente;
    try {
        vente = m_panier->preparerVente(
            m_numero->text(), m_date->date(), utilisateur ? utilisateur->codeutilisateur : QString());
    } catch (const EConvertError& e) {
        afficherMessage(e.message(), genre::Avertissement, bouton::Ok);
        m_numero->setFocus();
        m_numero->selectAll();
        return;
    }
    etat().venteEnCours = std::move(vente);
    if (m_panier->estVide())
        return;
    auto& paiement = fenetreVoisine<TForm_Vente_conf>(*this);
    paiement.preparer(*this, etat().venteEnCours->montant);
    paiement.exec();
}

qint64 TForm_Vente::enregistrerVente(TVente& vente)
{
    if (vente.lignes.estVide())
        return 0;
    const qint64 numero = enregistrerVenteComptoir(TDataModule_TALVEX::courant(), vente);
    viderVente();
    afficherNumeroSuivant();
    return numero;
}

void TForm_Vente::viderVente()
{
    const ChoixParProgramme garde(*m_grille);
    m_panier->vider();
    afficherAlerte({});
    m_code->clear();
    activerBoutons();
}

void TForm_Vente::sbtnFermerClick()
{
    reject();
}

void TForm_Vente::reject()
{
    if (!m_panier->estVide()) {
        if (afficherMessage(
                QStringLiteral("Voulez-vous annuler cette vente?"), genre::Confirmation, bouton::Oui | bouton::Non)
            != resultat::Oui)
            return;
        viderVente();
    }
    QDialog::reject();
}

} // namespace talvex
