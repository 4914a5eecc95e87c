#include "shell/calculatrice.h"

#include "shell/controles.h"

#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace talvex {

namespace {
using Op = MoteurCalculatrice::Operation;
} // namespace

TCalculatrice::TCalculatrice(QWidget* parent)
    : QDialog(parent)
    , m_affichage(new QLineEdit(QStringLiteral("0"), this))
{
    setObjectName(QStringLiteral("Calculatrice"));
    setWindowTitle(QStringLiteral("Calculatrice"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    auto* grille = new QGridLayout(this);
    m_affichage->setObjectName(QStringLiteral("affichage"));
    m_affichage->setReadOnly(true);
    m_affichage->setAlignment(Qt::AlignRight);
    m_affichage->setFocusPolicy(Qt::NoFocus);
    QFont police = m_affichage->font();
    police.setPointSize(police.pointSize() + 4);
    m_affichage->setFont(police);
    grille->addWidget(m_affichage, 0, 0, 1, 4);

    auto& m = m_moteur;
    ajouterBouton(QStringLiteral("←"), 1, 0, [&m] { m.retour(); });
    ajouterBouton(QStringLiteral("CE"), 1, 1, [&m] { m.effacerSaisie(); });
    ajouterBouton(QStringLiteral("C"), 1, 2, [&m] { m.effacer(); });
    ajouterBouton(QStringLiteral("÷"), 1, 3, [&m] { m.operation(Op::Division); });
    for (int chiffre = 1; chiffre <= 9; ++chiffre) {
        ajouterBouton(
            QString::number(chiffre), 4 - (chiffre - 1) / 3, (chiffre - 1) % 3, [&m, chiffre] { m.chiffre(chiffre); });
    }
    ajouterBouton(QStringLiteral("×"), 2, 3, [&m] { m.operation(Op::Multiplication); });
    ajouterBouton(QStringLiteral("−"), 3, 3, [&m] { m.operation(Op::Soustraction); });
    ajouterBouton(QStringLiteral("+"), 4, 3, [&m] { m.operation(Op::Addition); });
    ajouterBouton(QStringLiteral("±"), 5, 0, [&m] { m.changerSigne(); });
    ajouterBouton(QStringLiteral("0"), 5, 1, [&m] { m.chiffre(0); });
    ajouterBouton(QStringLiteral(","), 5, 2, [&m] { m.virgule(); });
    ajouterBouton(QStringLiteral("="), 5, 3, [&m] { m.egal(); });
    grille->setSizeConstraint(QLayout::SetFixedSize);
}

QString TCalculatrice::affichage() const
{
    return m_affichage->text();
}

void TCalculatrice::ajouterBouton(const QString& libelle, int ligne, int colonne, const std::function<void()>& action)
{
    QPushButton* bouton = creerBouton("", libelle, this);
    bouton->setFocusPolicy(Qt::NoFocus);
    bouton->setMinimumSize(48, 36);
    connect(bouton, &QPushButton::clicked, this, [this, action] { executer(action); });
    static_cast<QGridLayout*>(layout())->addWidget(bouton, ligne, colonne);
}

void TCalculatrice::executer(const std::function<void()>& action)
{
    action();
    m_affichage->setText(m_moteur.affichage());
}

void TCalculatrice::keyPressEvent(QKeyEvent* evenement)
{
    auto& m = m_moteur;
    const QString texte = evenement->text();
    if (texte.size() == 1 && texte.at(0).isDigit()) {
        const int chiffre = texte.at(0).digitValue();
        executer([&m, chiffre] { m.chiffre(chiffre); });
        return;
    }
    static const QHash<QString, Op> operations = {{QStringLiteral("+"), Op::Addition},
                                                  {QStringLiteral("-"), Op::Soustraction},
                                                  {QStringLiteral("*"), Op::Multiplication},
                                                  {QStringLiteral("/"), Op::Division}};
    if (operations.contains(texte)) {
        const Op op = operations.value(texte);
        executer([&m, op] { m.operation(op); });
    } else if (texte == QLatin1String(",") || texte == QLatin1String(".")) {
        executer([&m] { m.virgule(); });
    } else if (texte == QLatin1String("=") || evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        executer([&m] { m.egal(); });
    } else if (evenement->key() == Qt::Key_Backspace) {
        executer([&m] { m.retour(); });
    } else if (evenement->key() == Qt::Key_Delete) {
        executer([&m] { m.effacer(); });
    } else {
        QDialog::keyPressEvent(evenement);
    }
}

} // namespace talvex
