#pragma once

#include "reports/composition.h"

#include <QPagedPaintDevice>

#include <functional>

namespace talvex::rapports {

// The print job title of every report.
QString titreTravailImpression();

// Gives the device the report's page set-up (paper, orientation, margins).
void mettreEnPage(QPagedPaintDevice& appareil, const DocumentRapport& document);

// Draws the document page by page on a paper printer, the preview's printer or a PDF
// writer already set up with mettreEnPage: the page header at the top and the footer at
// the bottom of every page, the body paged between them. `parPage` is told each page
// number before it is drawn. Returns the number of pages.
int imprimerDocument(const DocumentRapport& document,
                     QPagedPaintDevice& appareil,
                     const std::function<void(int)>& parPage = {});

// Writes the document to a PDF file laid out for its page set-up; throws ERapport when
// the file cannot be written.
int enregistrerPdf(const DocumentRapport& document, const QString& chemin);

} // namespace talvex::rapports
