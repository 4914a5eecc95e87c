#include "sales/formfindappvente.h"

#include "core/recherchearticles.h"
#include "sales/formvente.h"
#include "sales/outilsfenetres.h"
#include "shell/barreaide.h"
#include "shell/messages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace talvex {

namespace {

// Items of "Parametre de recherche", in order, and the criterion each one stands for.
constexpr int CRITERE_DE_L_ITEM[] = {2, 1, 3};

int itemDuCritere(int critere)
{
    for (int item = 0; item < 3; ++item) {
        if (CRITERE_DE_L_ITEM[item] == critere)
            return item;
    }
    return 0;
}

} // namespace

TForm_Find_AppVente::TForm_Find_AppVente(QWidget* parent)
    : QDialog(parent)
    , m_modele(new TModeleArticles(this))
{
    setObjectName(QStringLiteral("Form_Find_AppVente"));
    setWindowTitle(QStringLiteral("Recherche des articles"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(policeGras(13));
    setFixedSize(763, 404);

    auto* parametre = construireGroupe("sRadioGroup_prm",
                                       QStringLiteral("Parametre de recherche"),
                                       {QStringLiteral("Code"), QStringLiteral("Nom"), QStringLiteral("Description")},
                                       QStringLiteral("Clique pour changer parametre de recherche des articles"),
                                       m_parametre);
    m_groupeCritere = construireGroupe("sRadioGroupCTR",
                                       QStringLiteral("Critère"),
                                       {QStringLiteral("Commençant"), QStringLiteral("Contenant")},
                                       QStringLiteral("cliquez pour changer le critère de recherche des article"),
                                       m_critere);
    m_groupeCritere->setEnabled(false);
    connect(m_parametre, &QButtonGroup::idClicked, this, &TForm_Find_AppVente::sRadioGroup_prmClick);
    connect(m_critere, &QButtonGroup::idClicked, this, &TForm_Find_AppVente::sRadioGroupCTRClick);

    m_recherche = nomme(new QLineEdit(this), "sedtFinded");
    donnerAide(*m_recherche, QStringLiteral("Saisissez le code ou le nom ou la description d'un article à chercher"));
    connect(m_recherche, &QLineEdit::textEdited, this, [this] { relister(); });
    surEntree(*m_recherche, [this] { localiser(); });
    auto* chercher = boutonFenetre("sbtnFind", QStringLiteral("&Chercher"), {}, this);
    connect(chercher, &QPushButton::clicked, this, &TForm_Find_AppVente::sbtnFindClick);

    m_grille = nomme(new QTableView(this), "StringGrid_Articles");
    m_grille->setModel(m_modele);
    preparerGrille(*m_grille, {123, 210, 185, 108, 90}, TModeleArticles::Stock);
    donnerAide(*m_grille, QStringLiteral("Double clique sur un article pour le selectionner"));
    surClicGrille(*m_grille, [this] { StringGrid_ArticlesClick(); });
    connect(m_grille, &QTableView::doubleClicked, this, &TForm_Find_AppVente::accepter);
    surEntree(*m_grille, [this] { accepter(); });

    auto* accepterBouton = boutonFenetre("sbtnAcepter", QStringLiteral("&Accepter"), {}, this);
    auto* fermer = boutonFenetre(
        "sbtnFermer", QStringLiteral("&Fermer"), QStringLiteral("cliquez pour fernemr et annuler la recherche"), this);
    connect(accepterBouton, &QPushButton::clicked, this, &TForm_Find_AppVente::accepter);
    connect(fermer, &QPushButton::clicked, this, &TForm_Find_AppVente::sbtnFermerClick);
    QStatusBar* barre = creerBarreAide(*this, "sStatusBar_help");

    auto* groupes = new QHBoxLayout;
    groupes->addWidget(parametre, 3);
    groupes->addWidget(m_groupeCritere, 2);
    auto* ligneRecherche = new QHBoxLayout;
    ligneRecherche->addWidget(nomme(new QLabel(QStringLiteral("Article:"), this), "slblArticle"));
    ligneRecherche->addWidget(m_recherche, 1);
    ligneRecherche->addWidget(chercher);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(accepterBouton);
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(8, 6, 8, 0);
    colonne->addLayout(groupes);
    colonne->addLayout(ligneRecherche);
    colonne->addWidget(m_grille, 1);
    colonne->addLayout(boutons);
    colonne->addWidget(barre);

    m_parametre->button(0)->setChecked(true);
    m_critere->button(0)->setChecked(true);
}

QGroupBox* TForm_Find_AppVente::construireGroupe(
    const char* nom, const QString& titre, const QStringList& items, const QString& aide, QButtonGroup*& groupe)
{
    auto* boite = nomme(new QGroupBox(titre, this), nom);
    donnerAide(*boite, aide);
    groupe = new QButtonGroup(boite);
    auto* ligne = new QHBoxLayout(boite);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), boite);
        radio->setObjectName(QString::fromLatin1(nom) + QString::number(i));
        groupe->addButton(radio, i);
        ligne->addWidget(radio);
    }
    return boite;
}

void TForm_Find_AppVente::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormActivate();
}

void TForm_Find_AppVente::FormActivate()
{
    m_modele->vider();
    m_recherche->clear();
    const int item = itemDuCritere(critereRecherche);
    if (m_parametre->checkedId() != item) {
        m_parametre->button(item)->setChecked(true);
        appliquerCritere(item);
    }
    lister({});
    m_recherche->setFocus();
}

int TForm_Find_AppVente::colonneRecherchee() const
{
    return TModeleArticles::colonneDuChamp(critereRecherche);
}

void TForm_Find_AppVente::appliquerCritere(int item)
{
    critereRecherche = CRITERE_DE_L_ITEM[item];
    if (critereRecherche == 2) {
        // The code search keeps whatever mode was set; the group only shows it.
        m_groupeCritere->setEnabled(false);
        return;
    }
    m_groupeCritere->setEnabled(true);
    m_critere->button(0)->setChecked(true);
    modeRecherche = 1;
}

void TForm_Find_AppVente::sRadioGroup_prmClick(int item)
{
    if (item < 0 || item > 2)
        return;
    appliquerCritere(item);
    if (critereRecherche == 2) {
        FormActivate();
        return;
    }
    lister({});
    m_recherche->clear();
    m_recherche->setFocus();
}

void TForm_Find_AppVente::sRadioGroupCTRClick(int item)
{
    if (item < 0 || item > 1)
        return;
    modeRecherche = item + 1;
    lister({});
    m_recherche->clear();
    m_recherche->setFocus();
}

void TForm_Find_AppVente::lister(const QString& texte)
{
    if (!m_modele->lister(critereRecherche, modeRecherche, texte)) {
        afficherBoite(QStringLiteral("Cet artcle n'exite pas"));
        m_recherche->setFocus();
        m_recherche->selectAll();
        return;
    }
    choisirLigne(*m_grille, 0);
}

void TForm_Find_AppVente::relister()
{
    lister(m_recherche->text().trimmed());
}

void TForm_Find_AppVente::sbtnFindClick()
{
    // A click on the button takes the focus and lists nothing; its key while typing does.
    if (m_recherche->hasFocus())
        relister();
}

void TForm_Find_AppVente::localiser()
{
    const QString texte = m_recherche->text().trimmed();
    const int colonne = colonneRecherchee();
    for (int ligne = 0; ligne < m_modele->rowCount(); ++ligne) {
        const QString cellule = m_modele->texte(ligne, colonne);
        if (!cellule.contains(texte, Qt::CaseSensitive))
            continue;
        m_recherche->setText(cellule);
        relister();
        // The list now begins with the rows holding that text: the first equal one is it.
        int choisie = 0;
        for (int i = 0; i < m_modele->rowCount(); ++i) {
            if (m_modele->texte(i, colonne) == cellule) {
                choisie = i;
                break;
            }
        }
        choisirLigne(*m_grille, choisie);
        m_grille->setFocus();
        return;
    }
}

void TForm_Find_AppVente::StringGrid_ArticlesClick()
{
    const int ligne = ligneCourante(*m_grille);
    if (ligne >= 0)
        m_recherche->setText(m_modele->texte(ligne, colonneRecherchee()));
}

void TForm_Find_AppVente::accepter()
{
    const int ligne = ligneCourante(*m_grille);
    if (m_recherche->text().isEmpty() || m_modele->rowCount() == 0 || ligne < 0)
        return;
    const QString code = m_modele->texte(ligne, TModeleArticles::Code).trimmed();
    if (destinationVente) {
        if (auto* vente = fenetreProche<TForm_Vente>(*this))
            vente->ajouterArticle(code);
    } else if (getArticle) {
        getArticle(code);
    }
    accept();
}

void TForm_Find_AppVente::sbtnFermerClick()
{
    m_parametre->button(0)->setChecked(true);
    appliquerCritere(0);
    m_critere->button(0)->setChecked(true);
    modeRecherche = 1;
    reject();
}

} // namespace talvex
