#include "reports/projetrapports.h"

#include "reports/composition.h"
#include "reports/modeles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageSize>

#include <algorithm>

// Resources of a static library are registered by hand (outside any namespace).
static void initialiserRessourcesRapports()
{
    Q_INIT_RESOURCE(rapports);
}

namespace talvex::rapports {

namespace {

[[noreturn]] void fauteProjet(const QString& detail)
{
    throw ERapport(detail);
}

QString texte(const QJsonObject& o, const char* cle, const QString& defaut = {})
{
    const QJsonValue v = o.value(QLatin1String(cle));
    if (v.isUndefined())
        return defaut;
    if (v.isString())
        return v.toString();
    // A long text (a statement) may be written as an array of lines.
    if (v.isArray()) {
        QStringList lignes;
        for (const QJsonValue& ligne : v.toArray())
            lignes << ligne.toString();
        return lignes.join(QLatin1Char(' '));
    }
    fauteProjet(QStringLiteral("« %1 » doit être un texte.").arg(QLatin1String(cle)));
}

QString texteRequis(const QJsonObject& o, const char* cle)
{
    const QString t = texte(o, cle);
    if (t.trimmed().isEmpty())
        fauteProjet(QStringLiteral("« %1 » manque.").arg(QLatin1String(cle)));
    return t;
}

QString modele(const QJsonObject& o, const char* cle)
{
    const QString t = texte(o, cle);
    verifierModele(t);
    return t;
}

QStringList textes(const QJsonObject& o, const char* cle)
{
    QStringList liste;
    for (const QJsonValue& v : o.value(QLatin1String(cle)).toArray())
        liste << v.toString();
    return liste;
}

// One of a few keywords; the first one is the default.
template<typename T>
T choix(const QJsonObject& o, const char* cle, std::initializer_list<std::pair<QStringView, T>> valeurs)
{
    const QString mot = texte(o, cle, valeurs.begin()->first.toString());
    QStringList permis;
    for (const auto& [nom, valeur] : valeurs) {
        if (nom == mot)
            return valeur;
        permis << nom.toString();
    }
    fauteProjet(
        QStringLiteral("%1 « %2 » inconnu (%3).").arg(QLatin1String(cle), mot, permis.join(QStringLiteral(", "))));
}

Alignement alignement(const QJsonObject& o)
{
    return choix<Alignement>(
        o,
        "alignement",
        {{u"gauche", Alignement::Gauche}, {u"centre", Alignement::Centre}, {u"droite", Alignement::Droite}});
}

QString style(const QJsonObject& o)
{
    const QString s = texte(o, "style");
    if (!styleConnu(s))
        fauteProjet(QStringLiteral("style « %1 » inconnu.").arg(s));
    return s;
}

std::vector<Element> elements(const QJsonArray& tableau);

Element element(const QJsonObject& o)
{
    Element e;
    e.si = modele(o, "si");
    if (o.contains(QLatin1String("texte"))) {
        e.sorte = Element::Sorte::Texte;
        e.modele = modele(o, "texte");
        e.style = style(o);
        e.alignement = alignement(o);
    } else if (o.contains(QLatin1String("champs"))) {
        e.sorte = Element::Sorte::Champs;
        e.largeurLibelles = o.value(QLatin1String("largeur_libelles")).toInt(30);
        for (const QJsonValue& ligne : o.value(QLatin1String("champs")).toArray()) {
            const QJsonArray paire = ligne.toArray();
            if (paire.size() != 2)
                fauteProjet(QStringLiteral("chaque ligne de « champs » est [libellé, valeur]."));
            verifierModele(paire.at(1).toString());
            e.champs.emplace_back(paire.at(0).toString(), paire.at(1).toString());
        }
    } else if (o.contains(QLatin1String("colonnes"))) {
        e.sorte = Element::Sorte::Colonnes;
        for (const QJsonValue& v : o.value(QLatin1String("colonnes")).toArray()) {
            const QJsonObject b = v.toObject();
            e.blocs.push_back({b.value(QLatin1String("largeur")).toInt(50),
                               b.value(QLatin1String("cadre")).toBool(false),
                               elements(b.value(QLatin1String("elements")).toArray())});
        }
    } else if (o.contains(QLatin1String("filet"))) {
        e.sorte = Element::Sorte::Filet;
    } else if (o.contains(QLatin1String("espace"))) {
        e.sorte = Element::Sorte::Espace;
        e.millimetres = o.value(QLatin1String("espace")).toDouble();
    } else {
        fauteProjet(QStringLiteral("élément sans texte, champs, colonnes, filet ni espace."));
    }
    return e;
}

std::vector<Element> elements(const QJsonArray& tableau)
{
    std::vector<Element> liste;
    for (const QJsonValue& v : tableau)
        liste.push_back(element(v.toObject()));
    return liste;
}

Bande bande(const QJsonObject& o)
{
    Bande b;
    const QString sorte = texte(o, "bande", QStringLiteral("texte"));
    b.elements = elements(o.value(QLatin1String("elements")).toArray());
    if (sorte == QLatin1String("texte"))
        return b;
    b.donnees = texteRequis(o, "donnees");
    if (sorte == QLatin1String("maitre")) {
        b.sorte = Bande::Sorte::Maitre;
        for (const QJsonValue& v : o.value(QLatin1String("bandes")).toArray())
            b.bandes.push_back(bande(v.toObject()));
        b.pied = elements(o.value(QLatin1String("pied")).toArray());
        b.sautDePage = o.value(QLatin1String("saut_de_page")).toBool(false);
        return b;
    }
    if (sorte != QLatin1String("tableau"))
        fauteProjet(QStringLiteral("bande « %1 » inconnue (texte, maitre ou tableau).").arg(sorte));
    b.sorte = Bande::Sorte::Tableau;
    const QJsonObject lien = o.value(QLatin1String("lien")).toObject();
    b.lien = texte(lien, "champ");
    b.lienMaitre = texte(lien, "maitre");
    for (const QJsonValue& v : o.value(QLatin1String("colonnes")).toArray()) {
        const QJsonObject c = v.toObject();
        b.colonnes.push_back(
            {texte(c, "titre"), modele(c, "valeur"), c.value(QLatin1String("largeur")).toInt(0), alignement(c)});
    }
    if (b.colonnes.empty())
        fauteProjet(QStringLiteral("le tableau de « %1 » n'a pas de colonnes.").arg(b.donnees));
    for (const QJsonValue& v : o.value(QLatin1String("totaux")).toArray()) {
        const QJsonObject t = v.toObject();
        b.totaux.push_back({texte(t, "libelle"), modele(t, "valeur"), style(t)});
    }
    b.vide = texte(o, "vide");
    return b;
}

QPageLayout page(const QJsonObject& o)
{
    const auto taille = choix<QPageSize::PageSizeId>(
        o, "format", {{u"A4", QPageSize::A4}, {u"A5", QPageSize::A5}, {u"Letter", QPageSize::Letter}});
    const auto orientation = choix<QPageLayout::Orientation>(
        o, "orientation", {{u"portrait", QPageLayout::Portrait}, {u"paysage", QPageLayout::Landscape}});
    const QJsonArray m = o.value(QLatin1String("marges_mm")).toArray({15, 12, 15, 12});
    if (m.size() != 4)
        fauteProjet(QStringLiteral("« marges_mm » donne quatre marges : gauche, haut, droite, bas."));
    return QPageLayout(QPageSize(taille),
                       orientation,
                       QMarginsF(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble()),
                       QPageLayout::Millimeter);
}

Reglage reglage(const QJsonObject& o)
{
    return choix<Reglage>(o,
                          "reglages",
                          {{u"aucun", Reglage::Aucun},
                           {u"avant", Reglage::Avant},
                           {u"dialogue_coupe", Reglage::DialogueCoupe},
                           {u"apres", Reglage::Apres}});
}

DefinitionDonnees donnees(const QJsonObject& o)
{
    DefinitionDonnees d {texteRequis(o, "nom"), texte(o, "requete"), texteRequis(o, "sql"), textes(o, "valeurs")};
    if (d.sql.count(QLatin1Char('?')) != d.valeurs.size())
        fauteProjet(QStringLiteral("la requête de « %1 » a %2 valeurs à lier mais en nomme %3.")
                        .arg(d.nom)
                        .arg(d.sql.count(QLatin1Char('?')))
                        .arg(d.valeurs.size()));
    return d;
}

// Every band reads a data set of its report; a table inside a master band names both
// ends of its link.
void verifierBandes(const DefinitionRapport& r, const std::vector<Bande>& bandes, bool dansMaitre)
{
    for (const Bande& b : bandes) {
        if (b.sorte == Bande::Sorte::Texte)
            continue;
        if (!r.jeu(b.donnees))
            fauteProjet(
                QStringLiteral("la bande lit « %1 », qui n'est pas un jeu de données du rapport.").arg(b.donnees));
        if (b.sorte == Bande::Sorte::Tableau && dansMaitre != !(b.lien.isEmpty() || b.lienMaitre.isEmpty()))
            fauteProjet(QStringLiteral("le tableau de « %1 » a un lien (champ et maitre) si et seulement si "
                                       "il est dans une bande maître.")
                            .arg(b.donnees));
        verifierBandes(r, b.bandes, true);
    }
}

DefinitionRapport lireRapport(const QJsonObject& o)
{
    DefinitionRapport r;
    r.nom = texteRequis(o, "nom");
    try {
        r.titre = texte(o, "titre", r.nom);
        r.page = page(o.value(QLatin1String("page")).toObject());
        r.societe = o.value(QLatin1String("societe")).toBool(true);
        r.reglage = reglage(o);
        r.parametres = textes(o, "parametres");
        for (const QJsonValue& v : o.value(QLatin1String("donnees")).toArray()) {
            r.donnees.push_back(donnees(v.toObject()));
            if (std::count_if(
                    r.donnees.begin(), r.donnees.end(), [&](const auto& d) { return d.nom == r.donnees.back().nom; })
                > 1)
                fauteProjet(QStringLiteral("le jeu de données « %1 » est nommé deux fois.").arg(r.donnees.back().nom));
        }
        r.entetePage = elements(o.value(QLatin1String("entete_page")).toArray());
        r.piedPage = elements(o.value(QLatin1String("pied_page")).toArray());
        for (const QJsonValue& v : o.value(QLatin1String("corps")).toArray())
            r.corps.push_back(bande(v.toObject()));
        verifierBandes(r, r.corps, false);
    } catch (const ERapport& e) {
        throw ERapport(QStringLiteral("rapport « %1 » : %2").arg(r.nom, e.message()));
    }
    return r;
}

// Replaces each {"bloc": name} of an array by the elements of the project's block of that
// name, so that parts shared by several reports (the company's particulars, the page
// footer) are written once.
QJsonValue deplierBlocs(const QJsonValue& valeur, const QJsonObject& blocs, int profondeur = 0)
{
    if (profondeur > 8)
        fauteProjet(QStringLiteral("les blocs s'incluent les uns les autres sans fin."));
    if (valeur.isObject()) {
        QJsonObject objet = valeur.toObject();
        for (auto it = objet.begin(); it != objet.end(); ++it)
            *it = deplierBlocs(*it, blocs, profondeur);
        return objet;
    }
    if (!valeur.isArray())
        return valeur;
    QJsonArray tableau;
    for (const QJsonValue& v : valeur.toArray()) {
        const QString bloc = v.toObject().value(QLatin1String("bloc")).toString();
        if (bloc.isEmpty()) {
            tableau.append(deplierBlocs(v, blocs, profondeur));
            continue;
        }
        if (!blocs.contains(bloc))
            fauteProjet(QStringLiteral("bloc « %1 » inconnu.").arg(bloc));
        for (const QJsonValue& e : deplierBlocs(blocs.value(bloc), blocs, profondeur + 1).toArray())
            tableau.append(e);
    }
    return tableau;
}

} // namespace

const DefinitionDonnees* DefinitionRapport::jeu(const QString& nomConnexion) const
{
    const auto it = std::find_if(
        donnees.begin(), donnees.end(), [&nomConnexion](const auto& d) { return d.nom == nomConnexion; });
    return it == donnees.end() ? nullptr : &*it;
}

QString ProjetRapports::cheminFichier()
{
    return QStringLiteral("GUI/RAPPORTS/R_TALVEX.json");
}

QString ProjetRapports::cheminInterne()
{
    initialiserRessourcesRapports();
    return QStringLiteral(":/rapports/R_TALVEX.json");
}

ProjetRapports ProjetRapports::ouvrir()
{
    return depuisFichier(QFile::exists(cheminFichier()) ? cheminFichier() : cheminInterne());
}

ProjetRapports ProjetRapports::depuisFichier(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        throw ERapport(
            QStringLiteral("Impossible d'ouvrir le projet de rapports « %1 » : %2").arg(chemin, fichier.errorString()));
    return depuisJson(fichier.readAll(), chemin);
}

ProjetRapports ProjetRapports::depuisJson(const QByteArray& json, const QString& source)
{
    QJsonParseError erreur;
    const QJsonDocument document = QJsonDocument::fromJson(json, &erreur);
    if (document.isNull())
        throw ERapport(QStringLiteral("Le projet de rapports « %1 » est illisible : %2 (position %3).")
                           .arg(source, erreur.errorString())
                           .arg(erreur.offset));
    ProjetRapports projet;
    projet.m_source = source;
    try {
        const QJsonObject blocs = document.object().value(QLatin1String("blocs")).toObject();
        const QJsonValue rapports = deplierBlocs(document.object().value(QLatin1String("rapports")), blocs);
        for (const QJsonValue& v : rapports.toArray()) {
            projet.m_rapports.push_back(lireRapport(v.toObject()));
            if (projet.noms().count(projet.m_rapports.back().nom) > 1)
                fauteProjet(
                    QStringLiteral("le rapport « %1 » est décrit deux fois.").arg(projet.m_rapports.back().nom));
        }
    } catch (const ERapport& e) {
        throw ERapport(QStringLiteral("Projet de rapports « %1 », %2").arg(source, e.message()));
    }
    return projet;
}

QStringList ProjetRapports::noms() const
{
    QStringList liste;
    for (const DefinitionRapport& r : m_rapports)
        liste << r.nom;
    return liste;
}

const DefinitionRapport& ProjetRapports::rapport(const QString& nom) const
{
    const auto it = std::find_if(m_rapports.begin(), m_rapports.end(), [&nom](const auto& r) { return r.nom == nom; });
    if (it == m_rapports.end())
        throw ERapport(
            QStringLiteral("Le rapport « %1 » n'existe pas dans le projet de rapports « %2 ».").arg(nom, m_source));
    return *it;
}

} // namespace talvex::rapports
