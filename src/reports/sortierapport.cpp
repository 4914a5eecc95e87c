#include "reports/sortierapport.h"

#include "reports/impression.h"
#include "shell/application.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace talvex::rapports {

namespace {

// The engine's status window, shown only when a job lasts long enough to be noticed.
class EtatRapport
{
public:
    EtatRapport(QWidget* parent, QString texte)
        : m_texte(std::move(texte))
        , m_parent(parent)
    {
        m_chrono.start();
    }

    void page(int numero)
    {
        if (!m_fenetre && m_chrono.elapsed() < 400)
            return;
        if (!m_fenetre) {
            m_fenetre = std::make_unique<QProgressDialog>(m_parent);
            m_fenetre->setWindowTitle(QStringLiteral("Report Status"));
            m_fenetre->setCancelButton(nullptr);
            m_fenetre->setRange(0, 0);
            m_fenetre->setWindowModality(Qt::ApplicationModal);
            m_fenetre->show();
        }
        m_fenetre->setLabelText(QString(m_texte).replace(QStringLiteral("%p"), QString::number(numero)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    QString m_texte;
    QWidget* m_parent;
    QElapsedTimer m_chrono;
    std::unique_ptr<QProgressDialog> m_fenetre;
};

QWidget* fenetreActive()
{
    return QApplication::activeWindow();
}

void imprimerAvecEtat(const DocumentRapport& document, QPrinter& imprimante, const QString& texteEtat)
{
    EtatRapport etat(fenetreActive(), texteEtat);
    imprimerDocument(document, imprimante, [&etat](int page) { etat.page(page); });
}

void preparerImprimante(QPrinter& imprimante, const DocumentRapport& document)
{
    imprimante.setDocName(titreTravailImpression());
    mettreEnPage(imprimante, document);
}

void versApercu(const DocumentRapport& document, bool maximise)
{
    QPrinter imprimante(QPrinter::HighResolution);
    preparerImprimante(imprimante, document);
    QPrintPreviewDialog fenetre(&imprimante, fenetreActive());
    fenetre.setWindowTitle(QStringLiteral("Report Preview"));
    QObject::connect(&fenetre, &QPrintPreviewDialog::paintRequested, &fenetre, [&document](QPrinter* cible) {
        // Called from inside Qt's preview: nothing may leave it.
        try {
            imprimerAvecEtat(document, *cible, QStringLiteral("Generating page %p"));
        } catch (...) {
            signalerException(std::current_exception());
        }
    });
    if (auto* vue = fenetre.findChild<QPrintPreviewWidget*>()) {
        vue->setZoomMode(QPrintPreviewWidget::CustomZoom);
        vue->setZoomFactor(1.0);
    }
    if (maximise)
        fenetre.setWindowState(Qt::WindowMaximized);
    fenetre.exec();
}

void versImprimante(const DocumentRapport& document)
{
    QPrinter imprimante(QPrinter::HighResolution);
    preparerImprimante(imprimante, document);
    QPrintDialog choix(&imprimante, fenetreActive());
    if (choix.exec() == QDialog::Accepted)
        imprimerAvecEtat(document, imprimante, QStringLiteral("Printing page %p"));
}

void versFichierPdf(const DocumentRapport& document)
{
    QString chemin = QFileDialog::getSaveFileName(fenetreActive(),
                                                  QStringLiteral("Enregistrer le rapport au format PDF"),
                                                  document.titre + QStringLiteral(".pdf"),
                                                  QStringLiteral("Documents PDF (*.pdf)"));
    if (chemin.isEmpty())
        return;
    if (!chemin.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        chemin += QStringLiteral(".pdf");
    enregistrerPdf(document, chemin);
}

} // namespace

TDialogueSortie::TDialogueSortie(QWidget* parent)
    : QDialog(parent)
    , m_apercu(new QRadioButton(QStringLiteral("Aperçu")))
    , m_imprimante(new QRadioButton(QStringLiteral("Imprimante")))
    , m_fichierPdf(new QRadioButton(QStringLiteral("Fichier PDF")))
{
    setWindowTitle(QStringLiteral("Output Options"));
    m_apercu->setObjectName(QStringLiteral("radioApercu"));
    m_imprimante->setObjectName(QStringLiteral("radioImprimante"));
    m_fichierPdf->setObjectName(QStringLiteral("radioFichierPdf"));
    m_apercu->setChecked(true);

    auto* destination = new QGroupBox(QStringLiteral("Destination du rapport"));
    auto* choix = new QVBoxLayout(destination);
    choix->addWidget(m_apercu);
    choix->addWidget(m_imprimante);
    choix->addWidget(m_fichierPdf);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(destination);
    disposition->addWidget(boutons);
}

Sortie TDialogueSortie::sortie() const
{
    if (m_imprimante->isChecked())
        return Sortie::Imprimante;
    if (m_fichierPdf->isChecked())
        return Sortie::FichierPdf;
    return Sortie::Apercu;
}

void presenterAEcran(const DocumentRapport& document, const ReglagesMoteur& reglages)
{
    Sortie sortie = Sortie::Apercu;
    if (reglages.dialogueSortieAutorise) {
        TDialogueSortie dialogue(fenetreActive());
        if (dialogue.exec() != QDialog::Accepted)
            return;
        sortie = dialogue.sortie();
    }
    switch (sortie) {
    case Sortie::Apercu:
        versApercu(document, reglages.apercuMaximise);
        break;
    case Sortie::Imprimante:
        versImprimante(document);
        break;
    case Sortie::FichierPdf:
        versFichierPdf(document);
        break;
    }
}

} // namespace talvex::rapports
