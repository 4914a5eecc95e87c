#pragma once

#include <QString>

// The report runs the windows call. Each one opens the report project, fills the report's
// data sets with the values given, gives it the company parameters of the current profile
// and shows it (output options while allowed, then the preview). Errors (an unknown
// report, a code that is not a number, a database fault) are raised for the default
// error display.
namespace talvex {

// The invoice of a sale ("Report_fact_new").
void imprimerFacture(const QString& codeVente);

// The card of a supplier (genre 1, "Report_fiche_fourn") or of a client (genre 2,
// "Report_ficheClient").
void rapportFiche(int genre, const QString& code);

// The list of clients ("Report_ClientsL").
void rapportListeClients();

} // namespace talvex
