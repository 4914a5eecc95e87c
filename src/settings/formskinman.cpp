#include "settings/formskinman.h"

#include "core/apparence.h"
#include "core/dataaccess.h"
#include "core/etat.h"
#include "settings/gestionnaireskins.h"
#include "settings/skins.h"
#include "shell/application.h"
#include "shell/barreaide.h"
#include "shell/controles.h"
#include "shell/messages.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace talvex {

namespace {

} // namespace

TForm_skin_man::TForm_skin_man(TGestionnaireSkins& skins, QWidget* parent)
    : QDialog(parent)
    , m_skins(skins)
    , m_theme(nomme(new QComboBox(this), "sComboBox_theme"))
{
    setObjectName(QStringLiteral("Form_skin_man"));
    setWindowTitle(QStringLiteral("Gestion des Thèmes"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    m_theme->setEditable(true);
    m_theme->setInsertPolicy(QComboBox::NoInsert);
    m_theme->setCompleter(nullptr);
    m_theme->setMinimumWidth(220);

    auto* groupe = nomme(new QGroupBox(QStringLiteral("Definition de couleur"), this), "sGroupBox_couleur");
    donnerAide(*groupe, QStringLiteral("paramètre de définition des couleurs des thèmes"));
    m_saturation = barre("sScrollBar_sturation", skins::SATURATION_MIN, skins::SATURATION_MAX);
    m_teinte = barre("sScrollBar_Teinte", skins::TEINTE_MIN, skins::TEINTE_MAX);
    m_valeurSaturation = nomme(new QLabel(groupe), "sLabel_val_saturat");
    m_valeurTeinte = nomme(new QLabel(groupe), "sLabel_val_teinte");
    for (QLabel* valeur : {m_valeurSaturation, m_valeurTeinte}) {
        valeur->setMinimumWidth(40);
        valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* initialiser = creerBouton("sButton_reinitier", QStringLiteral("Initialiser"), groupe);
    auto* grille = new QGridLayout(groupe);
    grille->addWidget(new QLabel(QStringLiteral("Saturation:"), groupe), 0, 0);
    grille->addWidget(m_saturation, 0, 1);
    grille->addWidget(m_valeurSaturation, 0, 2);
    grille->addWidget(new QLabel(QStringLiteral("Teinte:"), groupe), 1, 0);
    grille->addWidget(m_teinte, 1, 1);
    grille->addWidget(m_valeurTeinte, 1, 2);
    grille->addWidget(initialiser, 2, 1, 1, 2, Qt::AlignRight);
    grille->setColumnMinimumWidth(1, 220);

    m_appliquer = creerBouton("sBitBtn_apply", QStringLiteral("Appliquer"), this);
    auto* fermer = creerBouton("sBitBtn_fermer", QStringLiteral("&Fermer"), this);

    auto* ligneTheme = new QHBoxLayout;
    ligneTheme->addWidget(new QLabel(QStringLiteral("Thème:"), this));
    ligneTheme->addWidget(m_theme, 1);
    auto* ligneBoutons = new QHBoxLayout;
    ligneBoutons->addStretch();
    ligneBoutons->addWidget(m_appliquer);
    ligneBoutons->addWidget(fermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(ligneTheme);
    disposition->addWidget(groupe);
    disposition->addLayout(ligneBoutons);
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_theme, &QComboBox::textActivated, this, &TForm_skin_man::sComboBox_themeChange);
    connect(m_theme->lineEdit(), &QLineEdit::textEdited, this, &TForm_skin_man::sComboBox_themeChange);
    connect(initialiser, &QPushButton::clicked, this, &TForm_skin_man::sButton_reinitierClick);
    connect(m_appliquer, &QPushButton::clicked, this, &TForm_skin_man::enregistrerApparence);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);

    // What the skin manager shows at creation.
    m_theme->addItems(m_skins.nomsSkins());
    afficherTheme(m_skins.nomSkin());
    m_saturation->setValue(m_skins.saturation());
    m_teinte->setValue(m_skins.teinte());
    afficherValeurs();
    m_appliquer->setEnabled(false);
}

QScrollBar* TForm_skin_man::barre(const char* nom, int minimum, int maximum)
{
    auto* b = nomme(new QScrollBar(Qt::Horizontal, this), nom);
    b->setRange(minimum, maximum);
    b->setFocusPolicy(Qt::StrongFocus);
    b->installEventFilter(this);
    return b;
}

void TForm_skin_man::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormActivate();
}

void TForm_skin_man::FormActivate()
{
    const auto& configuration = etat().configCourante;
    if (!configuration)
        return;
    const TeinteEnregistree teinte = lireTeinte(*configuration);
    afficherTheme(configuration->apparence);
    m_saturation->setValue(teinte.saturation);
    m_teinte->setValue(teinte.teinte);
    afficherValeurs();
}

void TForm_skin_man::afficherTheme(const QString& nom)
{
    const int index = m_theme->findText(nom);
    if (index >= 0)
        m_theme->setCurrentIndex(index);
    else
        m_theme->setEditText(nom);
}

void TForm_skin_man::sComboBox_themeChange(const QString& nom)
{
    m_skins.setNomSkin(nom);
    remettreTeinteAZero();
    m_appliquer->setEnabled(true);
}

void TForm_skin_man::sButton_reinitierClick()
{
    remettreTeinteAZero();
}

void TForm_skin_man::remettreTeinteAZero()
{
    m_saturation->setValue(0);
    m_teinte->setValue(0);
    afficherValeurs();
    m_skins.setSaturation(0);
    m_skins.setTeinte(0);
}

void TForm_skin_man::afficherValeurs()
{
    m_valeurSaturation->setText(QString::number(m_saturation->value()));
    m_valeurTeinte->setText(QString::number(m_teinte->value()));
}

bool TForm_skin_man::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonRelease && (objet == m_saturation || objet == m_teinte)) {
        afficherValeurs();
        if (objet == m_saturation)
            m_skins.setSaturation(m_saturation->value());
        else
            m_skins.setTeinte(m_teinte->value());
        m_appliquer->setEnabled(true);
    }
    return QDialog::eventFilter(objet, evenement);
}

void TForm_skin_man::enregistrerApparence()
{
    const auto& utilisateur = etat().utilisateurCourant;
    if (utilisateur) {
        const TConfig_usr configuration {utilisateur->codeutilisateur,
                                         m_theme->currentText(),
                                         QString::number(m_saturation->value()),
                                         QString::number(m_teinte->value())};
        if (talvex::enregistrerApparence(TAccesDonneesuite(), configuration))
            afficherMessage(
                QStringLiteral("Les modifications ont été gardées avec succès"), genre::Information, bouton::Ok);
    }
    m_appliquer->setEnabled(false);
}

void TForm_skin_man::restaurerConfiguration()
{
    const auto& configuration = etat().configCourante;
    if (!configuration)
        return;
    m_skins.setNomSkin(configuration->apparence);
    const TeinteEnregistree teinte = lireTeinte(*configuration);
    m_skins.setSaturation(teinte.saturation);
    m_skins.setTeinte(teinte.teinte);
}

void TForm_skin_man::done(int code)
{
    if (m_appliquer->isEnabled()) {
        if (afficherMessage(QStringLiteral("Voulez-vous garder les modifications éffectuées"),
                            genre::Confirmation,
                            bouton::Non | bouton::Ok)
            == resultat::Ok) {
            enregistrerApparence();
        } else {
            // A stored tint that cannot be read is shown, and the window closes all the same.
            try {
                restaurerConfiguration();
            } catch (...) {
                signalerException(std::current_exception());
            }
            m_appliquer->setEnabled(false);
        }
    }
    QDialog::done(code);
}

} // namespace talvex
