#include "shell/messages.h"

#include "shell/dialoguemessage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <array>

namespace talvex {

namespace {

struct DefinitionBouton
{
    quint16 bit;
    quint16 resultat;
    QStringView libelle;
};

// In bit order, which is the order of the buttons on the dialog.
constexpr std::array<DefinitionBouton, 10> BOUTONS {{
    {bouton::Oui, resultat::Oui, u"&Oui"},
    {bouton::Non, resultat::Non, u"&Non"},
    {bouton::Ok, resultat::Ok, u"&Ok"},
    {bouton::Annuler, resultat::Annuler, u"&Annuler"},
    {bouton::Abandonner, resultat::Abandonner, u"A&bandonner"},
    {bouton::Retenter, resultat::Retenter, u"&Retenter"},
    {bouton::Ignorer, resultat::Ignorer, u"&Ignorer"},
    {bouton::Tout, resultat::Tout, u"&Tout"},
    {bouton::NonPourTout, resultat::NonPourTout, u"Non pour tout"},
    {bouton::OuiPourTout, resultat::OuiPourTout, u"Oui pour tout"},
}};

constexpr quint16 TOUS_LES_BOUTONS = 0x3FF;

// Enter presses the first of these present on the dialog, Esc the first of the others.
constexpr std::array<quint16, 3> ORDRE_DEFAUT {resultat::Ok, resultat::Oui, resultat::Retenter};
constexpr std::array<quint16, 3> ORDRE_ECHAP {resultat::Annuler, resultat::Non, resultat::Ok};

struct DefinitionGenre
{
    QStringView titre;
    QMessageBox::Icon icone;
};

constexpr std::array<DefinitionGenre, 5> GENRES {{
    {u"Message d'Avertissement", QMessageBox::Warning},
    {u"Message d'erreur", QMessageBox::Critical},
    {u"Message d'information", QMessageBox::Information},
    {u"Message de confirmation", QMessageBox::Question},
    {u"Système de gestion -QRV Nord", QMessageBox::NoIcon},
}};

const DefinitionGenre& definitionGenre(int code)
{
    if (code < 0 || code >= static_cast<int>(GENRES.size()))
        return GENRES[genre::Personnalise];
    return GENRES[static_cast<std::size_t>(code)];
}

RepondeurMessages& repondeurInstalle()
{
    static RepondeurMessages repondeur;
    return repondeur;
}

// The responder in place, copied so that it may replace itself while it answers.
RepondeurMessages repondeurCourant()
{
    return repondeurInstalle();
}

void montrerBoite(const DemandeMessage& demande, IconeBoite icone)
{
    if (const RepondeurMessages repondeur = repondeurCourant()) {
        repondeur(demande);
        return;
    }
    const std::unique_ptr<QMessageBox> boite = construireBoite(demande.texte, demande.titre, icone);
    boite->exec();
}

} // namespace

QString titreMessage(int genre)
{
    return definitionGenre(genre).titre.toString();
}

QMessageBox::Icon iconeMessage(int genre)
{
    return definitionGenre(genre).icone;
}

QString titreApplication()
{
    return QGuiApplication::applicationDisplayName();
}

DialogueMessage::DialogueMessage(const QString& texte, int genre, quint16 boutons, QWidget* parent)
    : QMessageBox(parent)
{
    setWindowTitle(titreMessage(genre));
    setIcon(iconeMessage(genre));
    // Messages quote names typed by users: they are shown as typed, never as markup.
    setTextFormat(Qt::PlainText);
    setText(texte);

    // A dialog must always be possible to answer: a set without any known button shows Ok.
    if ((boutons & TOUS_LES_BOUTONS) == 0)
        boutons = bouton::Ok;
    for (const DefinitionBouton& definition : BOUTONS) {
        if ((boutons & definition.bit) == 0)
            continue;
        // One role for all keeps them in the order they are added, whatever the platform's layout.
        QPushButton* const poussoir = addButton(definition.libelle.toString(), QMessageBox::ActionRole);
        m_boutons.emplace_back(poussoir, definition.resultat);
    }
    for (const quint16 code : ORDRE_DEFAUT) {
        if (QPushButton* const poussoir = boutonPour(code)) {
            setDefaultButton(poussoir);
            break;
        }
    }
    for (const quint16 code : ORDRE_ECHAP) {
        if (QPushButton* const poussoir = boutonPour(code)) {
            setEscapeButton(poussoir);
            break;
        }
    }
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton* poussoir) {
        for (const auto& [candidat, code] : m_boutons) {
            if (candidat == poussoir)
                m_resultat = code;
        }
    });
}

quint16 DialogueMessage::executer()
{
    m_resultat = 0;
    exec();
    return m_resultat != 0 ? m_resultat : resultat::Annuler;
}

QPushButton* DialogueMessage::boutonPour(quint16 code) const
{
    for (const auto& [poussoir, resultatBouton] : m_boutons) {
        if (resultatBouton == code)
            return poussoir;
    }
    return nullptr;
}

void DialogueMessage::keyPressEvent(QKeyEvent* evenement)
{
    // Esc presses the escape button when there is one, and does nothing otherwise (the
    // stock message box would press a lone button, or close the dialog).
    if (evenement->matches(QKeySequence::Cancel)) {
        if (QAbstractButton* const echap = escapeButton())
            echap->click();
        evenement->accept();
        return;
    }
    QMessageBox::keyPressEvent(evenement);
}

void DialogueMessage::closeEvent(QCloseEvent* evenement)
{
    // The close box always closes the dialog and answers 2, whatever its buttons.
    if (m_resultat == 0)
        m_resultat = resultat::Annuler;
    QDialog::closeEvent(evenement);
}

std::unique_ptr<QMessageBox> construireBoite(const QString& texte, const QString& titre, IconeBoite icone)
{
    auto boite = std::make_unique<QMessageBox>();
    boite->setWindowTitle(titre.isEmpty() ? titreApplication() : titre);
    boite->setIcon(icone == IconeBoite::Erreur ? QMessageBox::Critical : QMessageBox::NoIcon);
    boite->setTextFormat(Qt::PlainText);
    boite->setText(texte);
    QPushButton* const ok = boite->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boite->setDefaultButton(ok);
    boite->setEscapeButton(ok);
    return boite;
}

quint16 afficherMessage(const QString& texte, int genre, quint16 boutons)
{
    if (const RepondeurMessages repondeur = repondeurCourant())
        return repondeur(DemandeMessage {DemandeMessage::Sorte::Dialogue, texte, titreMessage(genre), genre, boutons});
    DialogueMessage dialogue(texte, genre, boutons);
    return dialogue.executer();
}

void afficherBoite(const QString& texte, const QString& titre, IconeBoite icone)
{
    const QString titreVu = titre.isEmpty() ? titreApplication() : titre;
    montrerBoite(DemandeMessage {DemandeMessage::Sorte::Boite, texte, titreVu, -1, 0}, icone);
}

void afficherErreur(const QString& texte)
{
    montrerBoite(DemandeMessage {DemandeMessage::Sorte::Erreur, texte, titreApplication(), -1, 0}, IconeBoite::Erreur);
}

RepondeurMessages remplacerRepondeur(RepondeurMessages repondeur)
{
    return std::exchange(repondeurInstalle(), std::move(repondeur));
}

} // namespace talvex
