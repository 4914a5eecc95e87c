#pragma once

#include <QString>

namespace talvex {

// The small desktop calculator's arithmetic: keys in, display out, operations run as
// they are chained (2 + 3 × 4 = 20), a comma as the decimal separator.
class MoteurCalculatrice
{
public:
    enum class Operation { Aucune, Addition, Soustraction, Multiplication, Division };

    void chiffre(int chiffre);
    void virgule();
    void operation(Operation operation);
    void egal();
    // "C": everything back to 0.
    void effacer();
    // "CE": the number being typed back to 0.
    void effacerSaisie();
    // Backspace on the number being typed.
    void retour();
    void changerSigne();

    QString affichage() const { return m_affichage; }
    bool enErreur() const { return m_erreur; }

private:
    double valeurAffichee() const;
    void afficher(double valeur);
    void calculer();

    QString m_affichage = QStringLiteral("0");
    double m_accumulateur = 0;
    Operation m_enAttente = Operation::Aucune;
    bool m_nouvelleSaisie = true;
    bool m_erreur = false;
};

} // namespace talvex
