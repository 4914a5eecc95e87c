#pragma once

#include "reports/moteurrapports.h"

#include <QDialog>

class QRadioButton;

namespace talvex::rapports {

enum class Sortie { Apercu, Imprimante, FichierPdf };

// The engine's output options: where a report goes.
class TDialogueSortie : public QDialog
{
    Q_OBJECT

public:
    explicit TDialogueSortie(QWidget* parent = nullptr);
    Sortie sortie() const;

private:
    QRadioButton* m_apercu;
    QRadioButton* m_imprimante;
    QRadioButton* m_fichierPdf;
};

// Shows a prepared report on screen: the output options while the settings allow them,
// then the preview (Qt's print preview, at 100 %, maximised when the settings say so), the
// printer chosen in the print dialog, or a PDF file chosen in a file dialog.
void presenterAEcran(const DocumentRapport& document, const ReglagesMoteur& reglages);

} // namespace talvex::rapports
