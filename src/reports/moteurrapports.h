#pragma once

#include "core/datamodule.h"
#include "core/records.h"
#include "reports/composition.h"
#include "reports/projetrapports.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QVariantHash>

#include <functional>

namespace talvex::rapports {

// The two settings of the one report engine that runs change and that hold from one run
// to the next until the program ends.
struct ReglagesMoteur
{
    // While true a run first offers the output options (preview, printer, PDF file).
    bool dialogueSortieAutorise = true;
    bool apercuMaximise = false;
};

ReglagesMoteur& reglagesMoteur();
// Back to the settings of a program just started.
void reinitialiserReglagesMoteur();

// What a report's setting mode does before and after its run.
void appliquerAvant(Reglage reglage, ReglagesMoteur& reglages);
void appliquerApres(Reglage reglage, ReglagesMoteur& reglages);

// One run: the report's name, the values bound into its statements and its own text
// parameters.
struct DemandeRapport
{
    QString rapport;
    QVariantHash valeurs;
    QHash<QString, QString> parametres;
};

// The seven company parameters, in order: nom_entreprise, slogan_entreprise,
// adresse_entreprise, telephone_entreprise, fax_entreprise, email_entreprise, siteweb_entreprise.
QList<QPair<QString, QString>> parametresSociete(const TSociete& societe);

// Fills the report's data sets, gives it its parameters (and the company's when the
// report takes them) and lays it out. Throws ERapport for an unknown report or parameter.
DocumentRapport preparerRapport(const ProjetRapports& projet,
                                const DemandeRapport& demande,
                                const TSociete& societe,
                                TDataModule_TALVEX& module,
                                const QDateTime& maintenant = QDateTime::currentDateTime());

// Shows a prepared report: the output options first when the settings allow it, then the
// preview (normal or maximised), the printer or a PDF file.
using Presentateur = std::function<void(const DocumentRapport&, const ReglagesMoteur&)>;
// Puts another presenter in place of the screen (tests); an empty one gives the screen
// back. Returns the presenter that was in place.
Presentateur remplacerPresentateur(Presentateur presentateur);

// The whole run: opens the project, prepares the report, applies the report's settings
// before the run, presents it, applies them after the run.
void executerRapport(const DemandeRapport& demande, const TSociete& societe, TDataModule_TALVEX& module);

// Prepares a report and writes it to a PDF file without showing anything; returns the
// number of pages.
int rapportEnPdf(const DemandeRapport& demande,
                 const TSociete& societe,
                 TDataModule_TALVEX& module,
                 const QString& chemin);

} // namespace talvex::rapports
