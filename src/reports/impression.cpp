#include "reports/impression.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace talvex::rapports {

namespace {

// Space between the page header, the body and the page footer.
constexpr double ECART_MM = 4.0;

QFont policeDeBase()
{
    QFont police;
    police.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(9.0);
    return police;
}

// A text document laid out for the device: points are the device's points.
std::unique_ptr<QTextDocument> documentPour(QPaintDevice& appareil, const QString& html, double largeur)
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&appareil);
    document->setDefaultFont(policeDeBase());
    document->setDocumentMargin(0);
    document->setHtml(html);
    document->setTextWidth(largeur);
    return document;
}

void dessiner(QPainter& peintre, QTextDocument& document, const QRectF& zone, double decalage)
{
    peintre.save();
    peintre.translate(zone.left(), zone.top() - decalage);
    QAbstractTextDocumentLayout::PaintContext contexte;
    contexte.clip = QRectF(0, decalage, zone.width(), zone.height());
    contexte.palette.setColor(QPalette::Text, Qt::black);
    peintre.setClipRect(contexte.clip);
    document.documentLayout()->draw(&peintre, contexte);
    peintre.restore();
}

} // namespace

QString titreTravailImpression()
{
    return QStringLiteral("ReportPrinter Report");
}

void mettreEnPage(QPagedPaintDevice& appareil, const DocumentRapport& document)
{
    appareil.setPageLayout(document.page);
}

int imprimerDocument(const DocumentRapport& document,
                     QPagedPaintDevice& appareil,
                     const std::function<void(int)>& parPage)
{
    QPainter peintre;
    if (!peintre.begin(&appareil))
        throw ERapport(QStringLiteral("Impossible d'imprimer le rapport « %1 ».").arg(document.nom));
    const QSizeF page = appareil.pageLayout().paintRectPixels(appareil.logicalDpiX()).size();
    const double ecart = ECART_MM * appareil.logicalDpiY() / 25.4;

    // The header is measured with the widest page numbers it may show.
    const auto entete = documentPour(appareil, numeroterPage(document.entete, 999, 999), page.width());
    const auto pied = documentPour(appareil, numeroterPage(document.pied, 999, 999), page.width());
    const double hauteurEntete = document.entete.isEmpty() ? 0 : entete->size().height() + ecart;
    const double hauteurPied = document.pied.isEmpty() ? 0 : pied->size().height() + ecart;
    const double hauteurCorps = page.height() - hauteurEntete - hauteurPied;
    if (hauteurCorps < page.height() / 4)
        throw ERapport(QStringLiteral("L'en-tête et le pied de page du rapport « %1 » ne laissent pas de place au "
                                      "corps.")
                           .arg(document.nom));

    const auto corps = documentPour(appareil, document.corps, page.width());
    corps->setPageSize(QSizeF(page.width(), hauteurCorps));
    const int pages = qMax(1, corps->pageCount());
    for (int i = 0; i < pages; ++i) {
        if (parPage)
            parPage(i + 1);
        if (i > 0)
            appareil.newPage();
        entete->setHtml(numeroterPage(document.entete, i + 1, pages));
        dessiner(peintre, *entete, QRectF(0, 0, page.width(), hauteurEntete), 0);
        pied->setHtml(numeroterPage(document.pied, i + 1, pages));
        dessiner(peintre, *pied, QRectF(0, page.height() - pied->size().height(), page.width(), hauteurPied), 0);
        dessiner(peintre, *corps, QRectF(0, hauteurEntete, page.width(), hauteurCorps), i * hauteurCorps);
    }
    peintre.end();
    return pages;
}

int enregistrerPdf(const DocumentRapport& document, const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        throw ERapport(
            QStringLiteral("Impossible d'écrire le fichier PDF « %1 » : %2").arg(chemin, fichier.errorString()));
    QPdfWriter pdf(&fichier);
    pdf.setTitle(document.titre);
    pdf.setCreator(titreTravailImpression());
    pdf.setResolution(600);
    mettreEnPage(pdf, document);
    return imprimerDocument(document, pdf);
}

} // namespace talvex::rapports
