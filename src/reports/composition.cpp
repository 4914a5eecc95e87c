#include "reports/composition.h"

#include "core/datamodule.h"
#include "reports/modeles.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace talvex::rapports {

namespace {

// Characters of the private use area stand for the page number and the page count until
// the page is drawn: no text from the data can hold them by chance in a way that matters.
constexpr QChar MARQUE_PAGE(0xE000);
constexpr QChar MARQUE_PAGES(0xE001);

constexpr std::array<std::pair<QStringView, QStringView>, 8> STYLES {{
    {u"", u""},
    {u"entreprise", u"font-size:17pt; font-weight:bold;"},
    {u"titre", u"font-size:15pt; font-weight:bold;"},
    {u"sous_titre", u"font-size:11pt; font-weight:bold;"},
    {u"gras", u"font-weight:bold;"},
    {u"italique", u"font-style:italic;"},
    {u"petit", u"font-size:7.5pt; color:#555555;"},
    {u"total", u"font-size:11pt; font-weight:bold;"},
}};

QString css(const QString& style)
{
    for (const auto& [nom, regles] : STYLES) {
        if (nom == style)
            return regles.toString();
    }
    return {};
}

QString alignementHtml(Alignement a)
{
    switch (a) {
    case Alignement::Centre:
        return QStringLiteral("center");
    case Alignement::Droite:
        return QStringLiteral("right");
    case Alignement::Gauche:
        break;
    }
    return QStringLiteral("left");
}

QString enHtml(const QString& texte)
{
    QString html = texte.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br/>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    html.replace(QLatin1Char('\r'), QStringLiteral("<br/>"));
    return html;
}

// One current row: the master row of a master band, or the line of a table being printed.
struct Cadre
{
    QString jeu;
    const JeuDonnees* donnees = nullptr;
    const QVariantList* ligne = nullptr;
    int numero = 0;
};

// The rows a table prints, for its totals.
struct Agregat
{
    const JeuDonnees* donnees = nullptr;
    QList<const QVariantList*> lignes;
};

class Compositeur
{
public:
    Compositeur(const DefinitionRapport& rapport,
                const Donnees& donnees,
                const QHash<QString, QString>& parametres,
                const QDateTime& maintenant)
        : m_rapport(rapport)
        , m_donnees(donnees)
        , m_parametres(parametres)
        , m_maintenant(maintenant)
    {
    }

    QString pageFixe(const std::vector<Element>& elements)
    {
        m_avecPages = true;
        const QString html = blocs(elements);
        m_avecPages = false;
        return html;
    }

    QString corps()
    {
        QString html;
        for (const Bande& b : m_rapport.corps)
            html += bande(b);
        return html;
    }

private:
    std::optional<QVariant> resoudre(const QString& nom) const
    {
        if (m_parametres.contains(nom))
            return QVariant(m_parametres.value(nom));
        if (m_avecPages && nom == QLatin1String("page"))
            return QVariant(QString(MARQUE_PAGE));
        if (m_avecPages && nom == QLatin1String("pages"))
            return QVariant(QString(MARQUE_PAGES));
        if (nom == QLatin1String("date_impression"))
            return QVariant(m_maintenant);
        if (m_agregat && nom == QLatin1String("nombre"))
            return QVariant(m_agregat->lignes.size());
        if (nom == QLatin1String("ligne") && !m_pile.empty() && m_pile.back().numero > 0)
            return QVariant(m_pile.back().numero);
        const qsizetype point = nom.indexOf(QLatin1Char('.'));
        if (point > 0)
            return resoudreQualifie(nom.left(point), nom.mid(point + 1));
        for (auto it = m_pile.rbegin(); it != m_pile.rend(); ++it) {
            const qsizetype i = it->donnees->colonne(nom);
            if (i >= 0)
                return it->ligne->value(i);
        }
        return std::nullopt;
    }

    std::optional<QVariant> resoudreQualifie(const QString& prefixe, const QString& champ) const
    {
        if (prefixe == QLatin1String("somme") && m_agregat) {
            const qsizetype i = m_agregat->donnees->colonne(champ);
            if (i < 0 && !m_agregat->lignes.isEmpty())
                return std::nullopt;
            double somme = 0;
            for (const QVariantList* ligne : m_agregat->lignes)
                somme += colonne::reel(ligne->value(i));
            return QVariant(somme);
        }
        const auto jeu = m_donnees.constFind(prefixe);
        if (jeu == m_donnees.cend())
            return std::nullopt;
        const QVariantList* ligne = nullptr;
        for (auto it = m_pile.rbegin(); it != m_pile.rend() && !ligne; ++it) {
            if (it->jeu == prefixe)
                ligne = it->ligne;
        }
        if (!ligne && jeu->lignes.isEmpty())
            return QVariant();
        if (!ligne)
            ligne = &jeu->lignes.first();
        const qsizetype i = jeu->colonne(champ);
        if (i < 0)
            return std::nullopt;
        return ligne->value(i);
    }

    QString texte(const QString& modele) const
    {
        return enHtml(remplirModele(modele, [this](const QString& nom) { return resoudre(nom); }));
    }

    bool visible(const Element& e) const
    {
        return e.si.isEmpty() || !remplirModele(e.si, [this](const QString& nom) { return resoudre(nom); }).isEmpty();
    }

    QString blocs(const std::vector<Element>& elements) const
    {
        QString html;
        for (const Element& e : elements) {
            if (visible(e))
                html += element(e);
        }
        return html;
    }

    QString element(const Element& e) const
    {
        switch (e.sorte) {
        case Element::Sorte::Texte:
            return QStringLiteral("<p align=\"%1\" style=\"margin:0; %2\">%3</p>")
                .arg(alignementHtml(e.alignement), css(e.style), texte(e.modele));
        case Element::Sorte::Champs:
            return champs(e);
        case Element::Sorte::Colonnes:
            return colonnes(e);
        case Element::Sorte::Filet:
            return QStringLiteral("<hr/>");
        case Element::Sorte::Espace:
            // An empty line whose height is about the space asked for.
            return QStringLiteral("<p style=\"margin:0; font-size:%1pt;\">&nbsp;</p>")
                .arg(qMax(1.0, e.millimetres * 72.0 / 25.4 / 1.2), 0, 'f', 1);
        }
        return {};
    }

    QString champs(const Element& e) const
    {
        QString lignes;
        for (const auto& [libelle, modele] : e.champs) {
            lignes += QStringLiteral("<tr><td width=\"%1%\"><b>%2</b></td><td>%3</td></tr>")
                          .arg(e.largeurLibelles)
                          .arg(enHtml(libelle), texte(modele));
        }
        return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(lignes);
    }

    QString colonnes(const Element& e) const
    {
        QString cellules;
        for (const Element::Bloc& b : e.blocs) {
            const QString cadre = b.cadre
                ? QStringLiteral(" style=\"border:1px solid #444444; padding:6px; background-color:#f4f4f4;\"")
                : QStringLiteral(" style=\"padding:0px;\"");
            cellules += QStringLiteral("<td width=\"%1%\" valign=\"top\"%2>%3</td>")
                            .arg(b.largeur)
                            .arg(cadre, blocs(b.elements));
        }
        return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>%1</tr></table>")
            .arg(cellules);
    }

    const JeuDonnees& jeuDe(const QString& nom) const
    {
        const auto it = m_donnees.constFind(nom);
        if (it == m_donnees.cend())
            throw ERapport(QStringLiteral("le jeu de données « %1 » n'est pas rempli.").arg(nom));
        return *it;
    }

    QString bande(const Bande& b)
    {
        switch (b.sorte) {
        case Bande::Sorte::Texte:
            return blocs(b.elements);
        case Bande::Sorte::Maitre:
            return maitre(b);
        case Bande::Sorte::Tableau:
            return tableau(b);
        }
        return {};
    }

    QString maitre(const Bande& b)
    {
        const JeuDonnees& jeu = jeuDe(b.donnees);
        QString html;
        for (qsizetype i = 0; i < jeu.lignes.size(); ++i) {
            if (i > 0 && b.sautDePage)
                html += QStringLiteral("<p style=\"page-break-before:always; margin:0;\"></p>");
            m_pile.push_back({b.donnees, &jeu, &jeu.lignes[i], 0});
            html += blocs(b.elements);
            for (const Bande& detail : b.bandes)
                html += bande(detail);
            html += blocs(b.pied);
            m_pile.pop_back();
        }
        return html;
    }

    // The rows of a table: all of them, or within a master band those linked to its row.
    QList<const QVariantList*> lignesDe(const Bande& b, const JeuDonnees& jeu) const
    {
        QList<const QVariantList*> lignes;
        const qsizetype lien = b.lien.isEmpty() ? -1 : jeu.colonne(b.lien);
        QString cle;
        if (!b.lienMaitre.isEmpty()) {
            const std::optional<QVariant> valeur = resoudre(b.lienMaitre);
            if (!valeur || (lien < 0 && !jeu.lignes.isEmpty()))
                throw ERapport(
                    QStringLiteral("Le lien « %1 » = « %2 » du tableau de « %3 » ne désigne pas deux champs.")
                        .arg(b.lien, b.lienMaitre, b.donnees));
            cle = colonne::texte(*valeur);
        }
        for (const QVariantList& ligne : jeu.lignes) {
            if (lien < 0 || colonne::texte(ligne.value(lien)) == cle)
                lignes << &ligne;
        }
        return lignes;
    }

    QString tableau(const Bande& b)
    {
        const JeuDonnees& jeu = jeuDe(b.donnees);
        const QList<const QVariantList*> lignes = lignesDe(b, jeu);
        const auto nbColonnes = static_cast<int>(b.colonnes.size());

        QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" border=\"1\" "
                                      "style=\"border-collapse:collapse; border-color:#9a9a9a;\"><thead><tr>");
        for (const ColonneTableau& c : b.colonnes) {
            const QString largeur = c.largeur > 0 ? QStringLiteral(" width=\"%1%\"").arg(c.largeur) : QString();
            html += QStringLiteral("<th%1 align=\"%2\" bgcolor=\"#dcdcdc\">%3</th>")
                        .arg(largeur, alignementHtml(c.alignement), enHtml(c.titre));
        }
        html += QStringLiteral("</tr></thead>");

        int numero = 0;
        for (const QVariantList* ligne : lignes) {
            m_pile.push_back({b.donnees, &jeu, ligne, ++numero});
            html += numero % 2 == 0 ? QStringLiteral("<tr bgcolor=\"#f3f3f3\">") : QStringLiteral("<tr>");
            for (const ColonneTableau& c : b.colonnes)
                html += QStringLiteral("<td align=\"%1\">%2</td>").arg(alignementHtml(c.alignement), texte(c.modele));
            html += QStringLiteral("</tr>");
            m_pile.pop_back();
        }
        if (lignes.isEmpty() && !b.vide.isEmpty()) {
            html += QStringLiteral("<tr><td colspan=\"%1\" align=\"center\"><i>%2</i></td></tr>")
                        .arg(nbColonnes)
                        .arg(enHtml(b.vide));
        }

        const Agregat agregat {&jeu, lignes};
        m_agregat = &agregat;
        for (const LigneTotal& t : b.totaux) {
            const QString style = css(t.style);
            html += QStringLiteral("<tr><td colspan=\"%1\" align=\"right\" style=\"%2\">%3</td>"
                                   "<td align=\"right\" style=\"%2\">%4</td></tr>")
                        .arg(qMax(1, nbColonnes - 1))
                        .arg(style, enHtml(t.libelle), texte(t.modele));
        }
        m_agregat = nullptr;
        return html + QStringLiteral("</table>");
    }

    const DefinitionRapport& m_rapport;
    const Donnees& m_donnees;
    const QHash<QString, QString>& m_parametres;
    const QDateTime m_maintenant;
    std::vector<Cadre> m_pile;
    const Agregat* m_agregat = nullptr;
    bool m_avecPages = false;
};

} // namespace

bool styleConnu(const QString& style)
{
    for (const auto& s : STYLES) {
        if (s.first == style)
            return true;
    }
    return false;
}

DocumentRapport composer(const DefinitionRapport& rapport,
                         const Donnees& donnees,
                         const QHash<QString, QString>& parametres,
                         const QDateTime& maintenant)
{
    try {
        Compositeur compositeur(rapport, donnees, parametres, maintenant);
        DocumentRapport document {rapport.nom, rapport.titre, rapport.page, {}, {}, {}};
        document.entete = compositeur.pageFixe(rapport.entetePage);
        document.pied = compositeur.pageFixe(rapport.piedPage);
        document.corps = compositeur.corps();
        return document;
    } catch (const ERapport& e) {
        throw ERapport(QStringLiteral("Rapport « %1 » : %2").arg(rapport.nom, e.message()));
    }
}

QString numeroterPage(const QString& html, int page, int pages)
{
    QString resultat = html;
    resultat.replace(MARQUE_PAGE, QString::number(page));
    resultat.replace(MARQUE_PAGES, QString::number(pages));
    return resultat;
}

} // namespace talvex::rapports
