#include "core/calculatrice.h"

#include <cmath>

namespace talvex {

namespace {
const QString ZERO = QStringLiteral("0");
const QChar VIRGULE = QLatin1Char(',');
constexpr qsizetype CHIFFRES_MAX = 15;
} // namespace

void MoteurCalculatrice::chiffre(int chiffre)
{
    if (m_erreur)
        effacer();
    if (m_nouvelleSaisie) {
        m_affichage = ZERO;
        m_nouvelleSaisie = false;
    }
    if (m_affichage.size() >= CHIFFRES_MAX)
        return;
    const QChar c = QChar(u'0' + chiffre % 10);
    if (m_affichage == ZERO)
        m_affichage = c;
    else if (m_affichage == QLatin1String("-0"))
        m_affichage = QLatin1Char('-') + c;
    else
        m_affichage += c;
}

void MoteurCalculatrice::virgule()
{
    if (m_erreur)
        effacer();
    if (m_nouvelleSaisie) {
        m_affichage = ZERO;
        m_nouvelleSaisie = false;
    }
    if (!m_affichage.contains(VIRGULE))
        m_affichage += VIRGULE;
}

void MoteurCalculatrice::operation(Operation operation)
{
    if (m_erreur)
        return;
    if (!m_nouvelleSaisie)
        calculer();
    m_accumulateur = valeurAffichee();
    m_enAttente = operation;
    m_nouvelleSaisie = true;
}

void MoteurCalculatrice::egal()
{
    if (m_erreur)
        return;
    calculer();
    m_enAttente = Operation::Aucune;
    m_nouvelleSaisie = true;
}

void MoteurCalculatrice::effacer()
{
    *this = MoteurCalculatrice();
}

void MoteurCalculatrice::effacerSaisie()
{
    if (m_erreur) {
        effacer();
        return;
    }
    m_affichage = ZERO;
    m_nouvelleSaisie = false;
}

void MoteurCalculatrice::retour()
{
    if (m_erreur || m_nouvelleSaisie)
        return;
    m_affichage.chop(1);
    if (m_affichage.isEmpty() || m_affichage == QLatin1String("-"))
        m_affichage = ZERO;
}

void MoteurCalculatrice::changerSigne()
{
    if (m_erreur)
        return;
    if (m_affichage.startsWith(QLatin1Char('-')))
        m_affichage.remove(0, 1);
    else if (m_affichage != ZERO)
        m_affichage.prepend(QLatin1Char('-'));
}

double MoteurCalculatrice::valeurAffichee() const
{
    QString texte = m_affichage;
    return texte.replace(VIRGULE, QLatin1Char('.')).toDouble();
}

void MoteurCalculatrice::afficher(double valeur)
{
    if (!std::isfinite(valeur)) {
        m_affichage = QStringLiteral("Erreur");
        m_erreur = true;
        return;
    }
    if (valeur == 0)
        valeur = 0; // no "-0"
    m_affichage = QString::number(valeur, 'g', CHIFFRES_MAX).replace(QLatin1Char('.'), VIRGULE);
}

void MoteurCalculatrice::calculer()
{
    const double operande = valeurAffichee();
    switch (m_enAttente) {
    case Operation::Aucune:
        return;
    case Operation::Addition:
        afficher(m_accumulateur + operande);
        break;
    case Operation::Soustraction:
        afficher(m_accumulateur - operande);
        break;
    case Operation::Multiplication:
        afficher(m_accumulateur * operande);
        break;
    case Operation::Division:
        afficher(operande == 0 ? NAN : m_accumulateur / operande);
        break;
    }
    m_accumulateur = valeurAffichee();
}

} // namespace talvex
