#pragma once

#include "core/records.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace talvex {

// What the whole program shares for the length of a run: who is logged in, the open
// session, the company profile, the user's appearance row, and the values one window
// hands to another. Every window reads and writes it through etat().
struct EtatProgramme
{
    // An empty user before the first login, none after a logout.
    std::optional<TUtilisateur> utilisateurCourant = TUtilisateur {};
    std::optional<TSession> sessionCourante;
    TSociete societeCourante;
    std::optional<TConfig_usr> configCourante;

    // Sale being built by the sale window, completed by the payment window.
    std::unique_ptr<TVente> venteEnCours;
    // Supply being built by the supply window, written by its confirmation.
    std::unique_ptr<TApprovisionnment> approvisionnementEnCours;
    // While set, the client window works in invoice mode for the sale venteAFacturer.
    bool modeFacture = false;
    QString venteAFacturer;
    // While set, the supplier window hands the chosen supplier back in fournisseurChoisi.
    bool modeSelectionFournisseur = false;
    std::optional<TFournisseur> fournisseurChoisi;

    // Values the report windows read.
    QDate debutRapport;
    QDate finRapport;
    QDate debutPeriode;
    QDate finPeriode;
    QString articleRapport;
    QString seuilStock;
    // "dd/mm/yyyy"
    QString dateLimiteExpiration;
};

// The state of this run.
EtatProgramme& etat();

// Starts again from the state of a program just started (used between tests).
void reinitialiserEtat();

} // namespace talvex
