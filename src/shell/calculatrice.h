#pragma once

#include "core/calculatrice.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace talvex {

// The small desktop calculator of the "Outils" menu: buttons and keyboard alike.
class TCalculatrice : public QDialog
{
    Q_OBJECT

public:
    explicit TCalculatrice(QWidget* parent = nullptr);

    QString affichage() const;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void ajouterBouton(const QString& libelle, int ligne, int colonne, const std::function<void()>& action);
    void executer(const std::function<void()>& action);

    MoteurCalculatrice m_moteur;
    QLineEdit* m_affichage;
};

} // namespace talvex
