#include "parties/formclient.h"

#include "core/dataaccess.h"
#include "core/etat.h"
#include "core/journal.h"
#include "core/rognage.h"
#include "parties/fenetrepartie.h"
#include "parties/forminscliente.h"
#include "parties/formmodpers.h"
#include "parties/grouperadio.h"
#include "parties/modelepersonnes.h"
#include "reports/rapports.h"
#include "shell/barreaide.h"
#include "shell/controles.h"
#include "shell/messages.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace talvex {

TForm_client::TForm_client(QWidget* parent)
    : QDialog(parent)
    , m_modele(new TModelePersonnes(this))
{
    setObjectName(QStringLiteral("Form_client"));
    setWindowTitle(QStringLiteral("Gestion des clients"));
    fixerTaille(*this, QSize(764, 412));

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(6, 6, 6, 0);
    construireRecherche();
    construireGrille();
    construireBoutons();
    auto* choix = new QHBoxLayout;
    choix->addWidget(m_parametre, 3);
    choix->addWidget(m_mode, 1);
    colonne->addLayout(choix);
    auto* recherche = new QHBoxLayout;
    recherche->addWidget(m_libelle);
    recherche->addWidget(m_recherche, 1);
    recherche->addWidget(m_chercher);
    colonne->addLayout(recherche);
    colonne->addWidget(m_grille, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    for (QPushButton* b : {m_imprimer, m_nouveau, m_facture, m_fermer})
        boutons->addWidget(b);
    colonne->addLayout(boutons);
    colonne->addWidget(creerBarreAide(*this, "sStatusBar_help"));
}

TForm_client::~TForm_client() = default;

void TForm_client::construireRecherche()
{
    m_parametre = nomme(
        new TGroupeRadio(
            QStringLiteral("Parametre de recherche"),
            {QStringLiteral("Code"), QStringLiteral("Nom"), QStringLiteral("Prenom"), QStringLiteral("Telephone")},
            4,
            this),
        "sRadioGroup_prm");
    donnerAide(*m_parametre, QStringLiteral("Clique pour changer parametre de recherche des clients"));
    m_mode = nomme(new TGroupeRadio(
                       QStringLiteral("Critère"), {QStringLiteral("Commençant"), QStringLiteral("Contenant")}, 2, this),
                   "sRadioGroupCTR");
    donnerAide(*m_mode, QStringLiteral("cliquez pour changer le critère de recherche des clients"));
    m_mode->setEnabled(false);
    connect(m_parametre, &TGroupeRadio::clic, this, &TForm_client::sRadioGroupClick);
    connect(m_mode, &TGroupeRadio::clic, this, &TForm_client::sRadioGroupClick);

    const QString aide = QStringLiteral("Saisissez le code ou le nom ou la description d'un client à chercher");
    m_libelle = nomme(new QLabel(QStringLiteral("Client:"), this), "slblCLIENT");
    donnerAide(*m_libelle, aide);
    m_recherche = nomme(new QLineEdit(this), "sedtFinded");
    donnerAide(*m_recherche, aide);
    m_libelle->setBuddy(m_recherche);
    m_chercher = creerBouton(
        "sbtnFind", QStringLiteral("Re&chercher"), this, QStringLiteral("Cliquez pour chercher le client"));
    connect(m_recherche, &QLineEdit::textChanged, this, &TForm_client::sedtFindedChange);
    connect(m_recherche, &QLineEdit::returnPressed, m_chercher, &QPushButton::click);
    connect(m_chercher, &QPushButton::clicked, this, &TForm_client::sbtnFindClick);
}

void TForm_client::construireGrille()
{
    m_grille = nomme(new QTableView(this), "StringGrid_clients");
    m_grille->setModel(m_modele);
    m_grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grille->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grille->setWordWrap(false);
    m_grille->verticalHeader()->hide();
    // Rows of one height: the view needs no measuring however many clients are listed.
    m_grille->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grille->verticalHeader()->setDefaultSectionSize(m_grille->fontMetrics().height() + 6);
    const int largeurs[] = {61, 172, 188, 139, 155};
    for (int i = 0; i < TModelePersonnes::NombreColonnes; ++i)
        m_grille->setColumnWidth(i, largeurs[i]);
    donnerAide(*m_grille, QStringLiteral("Double clique sur un client pour le selectionner"));
    connect(m_grille, &QTableView::doubleClicked, this, &TForm_client::Modifier1Click);

    m_grille->setContextMenuPolicy(Qt::ActionsContextMenu);
    entreeMenu(
        QStringLiteral("Imprimer"), "Imprimer1", QKeySequence(Qt::CTRL | Qt::Key_P), &TForm_client::Imprimer1Click);
    entreeMenu(
        QStringLiteral("Modifier"), "Modifier1", QKeySequence(Qt::CTRL | Qt::Key_M), &TForm_client::Modifier1Click);
    entreeMenu(
        QStringLiteral("Effacer"), "Effacer1", QKeySequence(Qt::SHIFT | Qt::Key_Delete), &TForm_client::Effacer1Click);
    entreeMenu(QStringLiteral("Fermer"), "Fermer1", QKeySequence(Qt::ALT | Qt::Key_X), &TForm_client::reject);
}

void TForm_client::entreeMenu(const QString& texte,
                              const char* nom,
                              const QKeySequence& raccourci,
                              void (TForm_client::*gestionnaire)())
{
    auto* entree = nomme(new QAction(texte, m_grille), nom);
    entree->setShortcut(raccourci);
    m_grille->addAction(entree);
    connect(entree, &QAction::triggered, this, gestionnaire);
}

void TForm_client::construireBoutons()
{
    m_imprimer = creerBouton(
        "sbtnAcepter", QStringLiteral("&Imprimer"), this, QStringLiteral("Cliquez pour imprimer la liste des clients"));
    m_nouveau = creerBouton("sbtn_nouveau",
                            QStringLiteral("&Nouveau"),
                            this,
                            QStringLiteral("Cliquez pour ajouter les données d'un nouveau client"));
    m_facture = creerBouton("sBitBtn_client", QStringLiteral("Facture"), this);
    m_facture->hide();
    m_fermer = creerBouton(
        "sbtnFermer", QStringLiteral("&Fermer"), this, QStringLiteral("cliquez pour fermer et annuler la recherche"));
    connect(m_imprimer, &QPushButton::clicked, this, &TForm_client::sbtnAcepterClick);
    connect(m_nouveau, &QPushButton::clicked, this, &TForm_client::sbtn_nouveauClick);
    connect(m_facture, &QPushButton::clicked, this, &TForm_client::sBitBtn_clientClick);
    connect(m_fermer, &QPushButton::clicked, this, &QDialog::reject);
}

int TForm_client::facturer(const QString& codeVente)
{
    etat().modeFacture = true;
    etat().venteAFacturer = codeVente;
    return exec();
}

void TForm_client::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormShow();
}

// Each showing starts from the code search and the whole list; the radio groups are set
// back to match that criterion.
void TForm_client::FormShow()
{
    reinitialiserGrille();
    m_parametre->setItemIndex(0);
    m_mode->setItemIndex(0);
    m_mode->setEnabled(false);
    m_critere = 1;
    const bool facture = etat().modeFacture;
    m_facture->setVisible(facture);
    m_imprimer->setEnabled(!facture);
    lister({});
    m_recherche->setFocus();
}

void TForm_client::done(int resultat)
{
    etat().modeFacture = false;
    etat().venteAFacturer.clear();
    QDialog::done(resultat);
}

ParametreRecherche TForm_client::parametre() const
{
    return static_cast<ParametreRecherche>(qMax(0, m_parametre->itemIndex()));
}

void TForm_client::calculerCritere()
{
    m_critere = critereRecherche(parametre(), static_cast<ModeRecherche>(qMax(0, m_mode->itemIndex())));
}

void TForm_client::reinitialiserGrille()
{
    m_modele->vider();
    const QSignalBlocker silence(m_recherche);
    m_recherche->clear();
}

void TForm_client::lister(const QString& texte)
{
    const TListeClient clients = TAccesDonneesuite().chercherClients(m_critere, texte);
    if (clients.estVide()) {
        informer(QStringLiteral("Client non rencontré"));
        return;
    }
    m_modele->remplir(lignesPersonnes(clients));
    m_grille->setCurrentIndex(m_modele->index(0, 0));
}

void TForm_client::rafraichir()
{
    lister(rogner(m_recherche->text()));
}

void TForm_client::sRadioGroupClick()
{
    m_mode->setEnabled(parametre() != ParametreRecherche::Code);
    calculerCritere();
    reinitialiserGrille();
    lister({});
    m_recherche->setFocus();
}

void TForm_client::sedtFindedChange(const QString& texte)
{
    if (texte.isEmpty())
        lister({});
}

void TForm_client::sbtnFindClick()
{
    calculerCritere();
    if (m_recherche->text().isEmpty()) {
        informer(invitationRecherche(parametre()));
        m_recherche->setFocus();
        return;
    }
    rafraichir();
}

std::optional<LignePersonne> TForm_client::clientChoisi() const
{
    const LignePersonne* ligne = m_modele->ligne(m_grille->currentIndex().row());
    if (!ligne || ligne->code.isEmpty())
        return std::nullopt;
    return *ligne;
}

void TForm_client::sbtnAcepterClick()
{
    rapportListeClients();
}

void TForm_client::Imprimer1Click()
{
    if (const auto client = clientChoisi())
        rapportFiche(2, client->code);
}

void TForm_client::Modifier1Click()
{
    const auto client = clientChoisi();
    if (!client)
        return;
    auto& modification = fenetrePartagee<TForm_mod_pers>(*this);
    modification.charger(clientDepuisLigne(*client), [this] { rafraichir(); });
    modification.exec();
}

void TForm_client::Effacer1Click()
{
    if (afficherMessage(QStringLiteral("Voulez-vous supprimer le client sélectionné?"),
                        genre::Personnalise,
                        bouton::Ok | bouton::Non)
        != resultat::Ok)
        return;
    const auto client = clientChoisi();
    if (!client)
        return;
    // The client's sales go to the anonymous client and the client is deleted together:
    // a failed deletion leaves the sales where they were.
    if (!TAccesDonneesuite().supprimerClientEtTransfererVentes(client->code))
        return;
    journaliserAction(action::suppressionClient(client->code));
    informer(QStringLiteral("Client supprimé avec succès"));
    lister({});
}

void TForm_client::sbtn_nouveauClick()
{
    auto& creation = fenetrePartagee<TForm_insCliente>(*this);
    creation.definirGenre(GenrePartie::Client);
    creation.exec();
    sRadioGroupClick();
}

void TForm_client::sBitBtn_clientClick()
{
    const auto client = clientChoisi();
    if (!etat().modeFacture || !client)
        return;
    // Closing forgets the sale to invoice: keep its number for the invoice.
    const QString vente = etat().venteAFacturer;
    if (!TAccesDonneesuite().changerClientVente(vente, client->code))
        return;
    close();
    imprimerFacture(vente);
}

} // namespace talvex
