#pragma once

#include "reports/donneesrapport.h"
#include "reports/projetrapports.h"

#include <QDateTime>
#include <QHash>
#include <QPageLayout>
#include <QString>

namespace talvex::rapports {

// A report filled with its data and parameters, ready to be paged: the body, and the page
// header and footer repeated on every page (HTML). The header and footer may hold the
// page marks, replaced when each page is drawn.
struct DocumentRapport
{
    QString nom;
    QString titre;
    QPageLayout page;
    QString entete;
    QString corps;
    QString pied;
};

// The text styles a layout may name ("" is the normal text).
bool styleConnu(const QString& style);

// Lays the report out: every model filled from the parameters (which hold the company
// parameters when the report takes them) and the rows of the data sets. `maintenant` is
// the printing date ({date_impression}). Throws ERapport for a name that means nothing.
DocumentRapport composer(const DefinitionRapport& rapport,
                         const Donnees& donnees,
                         const QHash<QString, QString>& parametres,
                         const QDateTime& maintenant);

// A header or footer with its page marks replaced.
QString numeroterPage(const QString& html, int page, int pages);

} // namespace talvex::rapports
