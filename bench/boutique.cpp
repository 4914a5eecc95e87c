#include "boutique.h"

#include "core/datamodule.h"
#include "core/empreinte.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace talvex::bench {

namespace {

// Raised when the generator itself changes what it writes: older shops are then rebuilt.
constexpr int VERSION_GENERATEUR = 1;

// ---------------------------------------------------------------------------------------
// Deterministic random numbers (splitmix64), the same on every platform and library.
class Alea
{
public:
    explicit Alea(quint64 graine)
        : m_etat(graine)
    {
    }
    quint64 suivant()
    {
        quint64 z = (m_etat += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= x < n
    int sous(int n) { return static_cast<int>(suivant() % static_cast<quint64>(n)); }
    // a <= x <= b
    int entre(int a, int b) { return a + sous(b - a + 1); }
    double reel() { return static_cast<double>(suivant() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return reel() < p; }
    template<typename T, std::size_t N>
    const T& parmi(const std::array<T, N>& liste)
    {
        return liste[static_cast<std::size_t>(sous(static_cast<int>(N)))];
    }
    template<typename T>
    const T& parmi(const std::vector<T>& liste)
    {
        return liste[static_cast<std::size_t>(sous(static_cast<int>(liste.size())))];
    }

private:
    quint64 m_etat;
};

// Splits "a|b|c".
std::vector<std::string> morceaux(std::string_view texte)
{
    std::vector<std::string> resultat;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find('|', debut);
        resultat.emplace_back(texte.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
        if (fin == std::string_view::npos)
            return resultat;
        debut = fin + 1;
    }
}

// ---------------------------------------------------------------------------------------
// The catalogue: departments with their brands and variations, and product kinds.
struct Rayon
{
    const char* nom;
    const char* marques; // '|' separated
    const char* declinaisons; // '|' separated; "" for none
    bool perissable;
};

struct Produit
{
    int rayon;
    const char* categorie;
    const char* noms; // '|' separated
    const char* formats; // '|' separated, smallest first
    int prix; // sale price of the smallest format, FCFA
};

const Rayon RAYONS[] = {
    {"Épicerie salée",
     "Dinor|Maggi|Jumbo|Royal Umbrella|Mémé Cassé|Panzani|Dangote|Tomatino|Adja|Azur",
     "|classique|extra|premium|économique|familial|sélection|tradition|bio|du terroir",
     true},
    {"Épicerie sucrée",
     "Nestlé|Saint-Louis|Bonne Maman|Nido|Gloria|Candia|Lipton|Nescafé|Ovaltine|Milo",
     "|nature|vanille|chocolat|fraise|caramel|noisette|coco|citron|allégé",
     true},
    {"Boissons",
     "Solibra|Coca-Cola|Youzou|Bracodi|Awoulaba|Cristaline|Céleste|Fanta|Top|Vimto",
     "|orange|ananas|cocktail|bissap|gingembre|citron|mangue|goyave|passion|nature",
     true},
    {"Produits laitiers",
     "Président|Kiri|La Vache qui rit|Candia|Danone|Yoplait|Bridel|Elle & Vire|Laïta|Lactel",
     "|nature|sucré|vanille|fraise|demi-écrémé|entier|allégé|aux fruits|brassé",
     true},
    {"Surgelés",
     "Findus|Picard|Captain Iglo|Mc Cain|Sodebo|Marie|Fleury|Ovive",
     "|nature|épicé|pané|grillé|mariné",
     true},
    {"Fruits et légumes",
     "Terroir d'Ivoire|Agrivoire|Bio Savane|Jardins du Sud|Maraîchers de Bingerville",
     "|catégorie I|catégorie II|bio|local|importé|extra",
     true},
    {"Hygiène",
     "Lux|Le Chat|Palmolive|Dove|Nivea|Signal|Colgate|Carotone|Vaseline|Dop|Gillette|Always",
     "|rose|lavande|citron|aloe vera|karité|coco|menthe|sensible|fraîcheur|original",
     false},
    {"Beauté",
     "L'Oréal|Garnier|Nivea|Makari|Fair & White|Caro White|Dark & Lovely|Skala|Activilong",
     "|cheveux secs|cheveux normaux|peaux sensibles|éclat|hydratant|nourrissant|réparateur|boucles",
     false},
    {"Entretien",
     "Omo|Ariel|Javel La Croix|Harpic|Saint Marc|Mir|Air Wick|Baygon|Rapid|Super U",
     "|fraîcheur|lavande|citron|marine|pin|jasmin|original|concentré|sans parfum",
     false},
    {"Bébé",
     "Pampers|Molfix|Huggies|Bledina|Guigoz|Nidal|Mustela|Johnson's|Dodie",
     "|taille 1|taille 2|taille 3|taille 4|taille 5|nouveau-né|nuit|sensitive",
     false},
    {"Papeterie",
     "Bic|Clairefontaine|Oxford|Maped|Pilot|Stabilo|Calligraphe|Conquérant",
     "|bleu|noir|rouge|vert|assortis|grands carreaux|petits carreaux|seyès",
     false},
    {"Électroménager",
     "Binatone|Philips|Nasco|Samsung|LG|Moulinex|Tefal|Roch|Sharp|Hisense",
     "|blanc|noir|inox|gris|rouge|bleu|modèle 2023|modèle 2024",
     false},
    {"Téléphonie et informatique",
     "Tecno|Itel|Infinix|Samsung|Xiaomi|Oraimo|HP|Lenovo|Kingston|SanDisk",
     "|noir|bleu|blanc|or|argent|vert|violet|reconditionné",
     false},
    {"Quincaillerie et bricolage",
     "Stanley|Facom|Bosch|Makita|Tolsen|Ingco|Total Tools|Legrand|Schneider",
     "|acier|inox|galvanisé|laiton|PVC|cuivre|aluminium",
     false},
    {"Textile et chaussures",
     "Uniwax|Woodin|Vlisco|Bata|Adidas|Puma|Kiabi|Tissus d'Abidjan",
     "|S|M|L|XL|XXL|blanc|noir|bleu|rouge|wax",
     false},
    {"Maison et cuisine",
     "Tefal|Luminarc|Arcopal|Pyrex|Seb|Curver|Plastique Ivoire|Sotici",
     "|blanc|transparent|rouge|bleu|vert|décoré|uni",
     false},
};

const Produit PRODUITS[] = {
    {0, "Riz", "Riz parfumé|Riz brisé 25 %|Riz long grain|Riz basmati", "1 kg|5 kg|25 kg|50 kg", 650},
    {0, "Huiles", "Huile de palme raffinée|Huile d'arachide|Huile végétale|Huile d'olive", "50 cl|1 l|5 l|20 l", 900},
    {0, "Pâtes alimentaires", "Spaghetti|Macaroni|Coquillettes|Vermicelles", "200 g|500 g|1 kg|carton 5 kg", 300},
    {0, "Conserves de tomate", "Concentré de tomate|Tomate pelée|Purée de tomate", "70 g|210 g|400 g|2,2 kg", 150},
    {0,
     "Bouillons et épices",
     "Bouillon cube|Bouillon poulet|Poivre noir moulu|Piment en poudre|Gingembre moulu",
     "10 g|100 g|400 g|1 kg",
     50},
    {0, "Sel et sucre", "Sel iodé|Sel fin|Gros sel", "500 g|1 kg|25 kg", 150},
    {0,
     "Conserves de poisson",
     "Sardines à l'huile|Thon au naturel|Maquereaux à la tomate|Thon à l'huile",
     "125 g|160 g|400 g|1,7 kg",
     400},
    {0, "Farines", "Farine de blé|Farine de maïs|Semoule de blé|Attiéké sec|Gari", "500 g|1 kg|5 kg|50 kg", 500},
    {0, "Légumineuses", "Haricots rouges|Haricots blancs|Lentilles vertes|Pois chiches|Niébé", "500 g|1 kg|5 kg", 700},
    {0,
     "Sauces",
     "Mayonnaise|Ketchup|Moutarde de Dijon|Vinaigre d'alcool|Sauce arachide",
     "250 g|500 g|1 kg|5 kg",
     600},
    {1, "Sucre", "Sucre en morceaux|Sucre en poudre|Sucre roux", "500 g|1 kg|5 kg|50 kg", 600},
    {1,
     "Café et thé",
     "Café moulu|Café soluble|Thé vert|Thé noir|Infusion de kinkéliba",
     "25 sachets|100 g|200 g|500 g",
     800},
    {1,
     "Lait en poudre",
     "Lait en poudre entier|Lait en poudre demi-écrémé|Lait concentré sucré|Lait concentré non sucré",
     "400 g|900 g|2,5 kg|25 kg",
     1500},
    {1, "Biscuits", "Biscuits secs|Biscuits fourrés|Gaufrettes|Cookies|Sablés", "100 g|200 g|400 g|carton de 24", 200},
    {1,
     "Confiseries",
     "Bonbons|Chocolat au lait|Chocolat noir|Chewing-gum|Caramels",
     "50 g|100 g|200 g|boîte de 50",
     250},
    {1, "Petit déjeuner", "Céréales|Flocons d'avoine|Pâte à tartiner|Miel naturel|Confiture", "250 g|500 g|1 kg", 1200},
    {2, "Eaux", "Eau minérale|Eau de source|Eau gazeuse", "50 cl|1,5 l|pack de 6|bonbonne 19 l", 250},
    {2, "Boissons gazeuses", "Soda cola|Limonade|Soda|Tonic", "33 cl|50 cl|1,5 l|pack de 6", 350},
    {2, "Jus de fruits", "Jus de fruits|Nectar|Sirop|Boisson aux fruits", "20 cl|1 l|2 l|pack de 6", 500},
    {2, "Bières et vins", "Bière blonde|Bière brune|Vin rouge|Vin blanc|Vin rosé", "33 cl|65 cl|75 cl|pack de 12", 600},
    {2,
     "Boissons énergisantes",
     "Boisson énergisante|Boisson isotonique|Boisson au malt",
     "25 cl|33 cl|50 cl|pack de 6",
     500},
    {3, "Lait frais", "Lait UHT|Lait frais pasteurisé|Lait caillé|Dêguê", "20 cl|50 cl|1 l|pack de 6", 400},
    {3, "Yaourts", "Yaourt|Yaourt à boire|Fromage blanc|Crème dessert", "100 g|pack de 4|pack de 8|1 kg", 300},
    {3,
     "Fromages",
     "Fromage fondu|Emmental râpé|Camembert|Gouda|Fromage à tartiner",
     "8 portions|125 g|250 g|1 kg",
     900},
    {3, "Beurre et crème", "Beurre doux|Beurre demi-sel|Margarine|Crème fraîche", "125 g|250 g|500 g|1 kg", 800},
    {4,
     "Viandes surgelées",
     "Cuisses de poulet|Ailes de poulet|Viande de bœuf hachée|Côtes de mouton|Dinde",
     "500 g|1 kg|2,5 kg|carton 10 kg",
     2000},
    {4,
     "Poissons surgelés",
     "Chinchard|Maquereau|Capitaine|Filets de tilapia|Crevettes",
     "500 g|1 kg|carton 10 kg|carton 20 kg",
     1800},
    {4, "Légumes surgelés", "Petits pois|Haricots verts|Frites|Légumes pour sauce|Gombo", "450 g|1 kg|2,5 kg", 900},
    {4, "Glaces", "Crème glacée|Sorbet|Bâtonnets glacés|Cônes glacés", "1 pièce|boîte de 6|500 ml|1 l", 500},
    {5,
     "Fruits",
     "Banane douce|Ananas pain de sucre|Mangue|Papaye|Orange|Pomme",
     "à la pièce|1 kg|le régime|carton 10 kg",
     300},
    {5,
     "Légumes",
     "Tomate fraîche|Oignon|Pomme de terre|Aubergine|Chou|Carotte|Igname|Manioc",
     "1 kg|5 kg|sac de 25 kg",
     500},
    {5,
     "Herbes et condiments frais",
     "Persil|Ail|Gingembre frais|Piment frais|Citron vert",
     "la botte|100 g|500 g|1 kg",
     200},
    {6,
     "Savons",
     "Savon de toilette|Savon de Marseille|Savon liquide|Savon antibactérien|Savon au karité",
     "90 g|200 g|400 g|lot de 6",
     300},
    {6,
     "Hygiène bucco-dentaire",
     "Dentifrice|Brosse à dents|Bain de bouche|Fil dentaire",
     "75 ml|100 ml|lot de 2|lot de 3",
     600},
    {6,
     "Déodorants",
     "Déodorant spray|Déodorant bille|Déodorant stick|Eau de Cologne",
     "50 ml|150 ml|200 ml|lot de 2",
     1200},
    {6, "Gels douche", "Gel douche|Bain moussant|Shampooing|Après-shampooing", "250 ml|500 ml|750 ml|1 l", 1100},
    {6,
     "Hygiène féminine",
     "Serviettes hygiéniques|Protège-slips|Lingettes intimes|Tampons",
     "paquet de 10|paquet de 20|paquet de 32|lot de 3",
     800},
    {6,
     "Rasage",
     "Rasoir jetable|Mousse à raser|Lames de rasoir|Après-rasage",
     "à l'unité|lot de 5|150 ml|lot de 10",
     700},
    {7,
     "Soins du corps",
     "Lait corporel|Crème éclaircissante|Huile corporelle|Beurre de karité|Vaseline",
     "100 ml|250 ml|400 ml|500 ml",
     1500},
    {7,
     "Soins capillaires",
     "Défrisant|Crème coiffante|Huile capillaire|Masque capillaire|Mèches",
     "150 ml|250 ml|500 ml|kit complet",
     2500},
    {7, "Parfums", "Eau de toilette|Eau de parfum|Brume parfumée|Coffret parfum", "30 ml|50 ml|100 ml|coffret", 5000},
    {7,
     "Maquillage",
     "Rouge à lèvres|Fond de teint|Mascara|Vernis à ongles|Crayon khôl",
     "à l'unité|lot de 2|coffret",
     1500},
    {8,
     "Lessives",
     "Lessive en poudre|Lessive liquide|Savon en barre|Assouplissant|Détachant",
     "500 g|1 kg|3 kg|5 l",
     600},
    {8,
     "Produits ménagers",
     "Eau de Javel|Liquide vaisselle|Nettoyant multi-usages|Nettoyant sol|Désodorisant",
     "500 ml|1 l|2 l|5 l",
     500},
    {8,
     "Insecticides",
     "Insecticide en aérosol|Spirales anti-moustiques|Diffuseur électrique|Raticide",
     "300 ml|600 ml|boîte de 10|recharge",
     1200},
    {8,
     "Accessoires de ménage",
     "Éponges|Serpillière|Balai|Seau|Gants de ménage|Sacs poubelle",
     "à l'unité|lot de 3|lot de 10|rouleau de 20",
     500},
    {9,
     "Couches",
     "Couches|Culottes d'apprentissage|Lingettes bébé",
     "paquet de 20|paquet de 40|paquet de 80|carton",
     3500},
    {9,
     "Alimentation infantile",
     "Lait infantile 1er âge|Lait infantile 2e âge|Céréales bébé|Petits pots",
     "200 g|400 g|800 g|lot de 4",
     3000},
    {9,
     "Soins bébé",
     "Talc|Huile bébé|Shampooing bébé|Crème pour le change|Biberon",
     "100 ml|200 ml|500 ml|à l'unité",
     1500},
    {10,
     "Cahiers",
     "Cahier|Cahier de travaux pratiques|Répertoire|Bloc-notes|Registre",
     "48 pages|96 pages|192 pages|288 pages",
     250},
    {10,
     "Écriture",
     "Stylo à bille|Crayon à papier|Feutres|Surligneur|Marqueur permanent",
     "à l'unité|lot de 4|boîte de 12|boîte de 50",
     100},
    {10,
     "Fournitures",
     "Ardoise|Règle graduée|Compas|Gomme|Taille-crayon|Colle en bâton|Cartable",
     "à l'unité|lot de 2|lot de 5|kit complet",
     300},
    {10,
     "Papier",
     "Rame de papier A4|Enveloppes|Chemises cartonnées|Papier cadeau",
     "paquet de 50|paquet de 100|ramette 500 feuilles|carton",
     700},
    {11,
     "Petit électroménager",
     "Mixeur|Bouilloire électrique|Fer à repasser|Ventilateur sur pied|Cuiseur à riz",
     "1 vitesse|3 vitesses|1,5 l|puissance 1200 W",
     12000},
    {11,
     "Gros électroménager",
     "Réfrigérateur|Congélateur coffre|Cuisinière 4 feux|Climatiseur split|Machine à laver",
     "100 l|200 l|300 l|1,5 CV",
     150000},
    {11,
     "Éclairage",
     "Ampoule LED|Lampe torche|Lampe solaire|Tube néon|Rallonge multiprise",
     "9 W|15 W|à l'unité|lot de 2",
     1000},
    {11,
     "Piles et énergie",
     "Piles alcalines AA|Piles AAA|Pile 9 V|Batterie externe|Panneau solaire",
     "lot de 2|lot de 4|10000 mAh|100 W",
     800},
    {12,
     "Téléphones",
     "Téléphone portable|Smartphone|Tablette tactile|Téléphone à clapet",
     "32 Go|64 Go|128 Go|256 Go",
     15000},
    {12,
     "Accessoires téléphone",
     "Chargeur|Câble USB-C|Écouteurs|Coque de protection|Verre trempé|Carte mémoire",
     "à l'unité|1 m|2 m|32 Go",
     1000},
    {12,
     "Informatique",
     "Clé USB|Souris sans fil|Clavier|Disque dur externe|Ordinateur portable|Imprimante",
     "16 Go|64 Go|1 To|à l'unité",
     5000},
    {12, "Recharges", "Carte de recharge|Forfait internet|Crédit d'appel", "500 F|1000 F|2000 F|5000 F", 500},
    {13,
     "Outillage",
     "Marteau|Tournevis|Pince universelle|Clé à molette|Scie à métaux|Mètre ruban",
     "à l'unité|jeu de 6|coffret|3 m",
     2500},
    {13,
     "Électricité",
     "Interrupteur|Prise murale|Disjoncteur|Câble électrique|Ruban isolant",
     "à l'unité|lot de 5|rouleau 10 m|rouleau 100 m",
     800},
    {13, "Plomberie", "Robinet|Tuyau d'arrosage|Raccord|Colle PVC|Chasse d'eau", "1/2 pouce|3/4 pouce|10 m|25 m", 1500},
    {13,
     "Visserie et fixations",
     "Clous|Vis à bois|Chevilles|Boulons|Pitons",
     "boîte de 100|boîte de 250|1 kg|5 kg",
     500},
    {13, "Peinture", "Peinture à eau|Peinture glycéro|Vernis|Pinceau|Rouleau", "1 l|4 l|20 l|à l'unité", 3500},
    {14,
     "Pagnes et tissus",
     "Pagne wax|Pagne fancy|Bazin riche|Tissu kita|Voile",
     "2 yards|6 yards|12 yards|le mètre",
     3000},
    {14,
     "Vêtements",
     "T-shirt|Chemise|Pantalon|Robe|Ensemble enfant|Polo",
     "taille unique|lot de 2|lot de 3|coffret",
     4000},
    {14,
     "Chaussures",
     "Sandales|Tongs|Baskets|Chaussures de ville|Bottes en caoutchouc",
     "pointure 38|pointure 40|pointure 42|pointure 44",
     3500},
    {14,
     "Linge de maison",
     "Drap de lit|Serviette de bain|Nappe|Moustiquaire imprégnée|Rideau",
     "1 place|2 places|grand format|lot de 2",
     4000},
    {15,
     "Vaisselle",
     "Assiettes|Verres|Tasses|Bols|Couverts|Plateau",
     "à l'unité|lot de 6|lot de 12|service complet",
     800},
    {15, "Cuisine", "Marmite|Poêle|Casserole|Couscoussier|Thermos|Glacière", "20 cm|28 cm|5 l|30 l", 4000},
    {15, "Rangement", "Bassine|Seau avec couvercle|Boîte de conservation|Panier|Bidon", "5 l|10 l|20 l|50 l", 1000},
    {15,
     "Ustensiles",
     "Louche|Spatule|Couteau de cuisine|Planche à découper|Pilon et mortier|Passoire",
     "à l'unité|lot de 3|grand modèle|petit modèle",
     700},
};

const std::array<const char*, 7> QUALIFICATIFS_CATEGORIE = {"",
                                                            " - marques locales",
                                                            " - importations",
                                                            " - promotions",
                                                            " - vrac et gros",
                                                            " - premier prix",
                                                            " - haut de gamme"};

const std::array<const char*, 4> LOTS = {"", " x2", " x3", " carton"};

const std::array<const char*, 12> QUALITES = {"Produit de qualité supérieure",
                                              "Sélectionné avec soin pour nos clients",
                                              "Le meilleur rapport qualité-prix du rayon",
                                              "Fabrication locale",
                                              "Importé directement par la boutique",
                                              "Nouvelle formule",
                                              "Emballage refermable",
                                              "Article vendu en promotion",
                                              "Produit phare de la marque",
                                              "Conforme aux normes en vigueur",
                                              "Très apprécié de notre clientèle",
                                              "Garantie satisfait ou échangé"};

const std::array<const char*, 8> CONSERVATIONS_PERISSABLES = {"À conserver dans un endroit frais et sec",
                                                              "À conserver au réfrigérateur entre 0 et 4 °C",
                                                              "À consommer de préférence avant la date indiquée",
                                                              "Conserver à l'abri de la lumière et de l'humidité",
                                                              "Après ouverture, à consommer sous 3 jours",
                                                              "Ne pas recongeler un produit décongelé",
                                                              "À conserver à -18 °C",
                                                              "Bien refermer après usage"};

const std::array<const char*, 8> CONSERVATIONS_DURABLES = {"Garantie 6 mois",
                                                           "Garantie 12 mois pièces et main-d'œuvre",
                                                           "Mode d'emploi en français",
                                                           "Tenir hors de portée des enfants",
                                                           "Service après-vente assuré par la boutique",
                                                           "Livré avec notice de montage",
                                                           "Entretien facile",
                                                           "Résistant et durable"};

const std::array<const char*, 16> ORIGINES = {"Côte d'Ivoire",
                                              "Sénégal",
                                              "Burkina Faso",
                                              "Mali",
                                              "Ghana",
                                              "Nigeria",
                                              "Cameroun",
                                              "Maroc",
                                              "France",
                                              "Espagne",
                                              "Turquie",
                                              "Chine",
                                              "Inde",
                                              "Thaïlande",
                                              "Viêt Nam",
                                              "Pays-Bas"};

// GS1 prefixes of the countries the shop buys from.
const std::array<int, 14> PREFIXES_EAN = {618, 618, 618, 611, 613, 616, 619, 300, 320, 356, 376, 690, 693, 890};

const std::array<const char*, 96> NOMS = {
    "Koné",     "Traoré",   "Ouattara",  "Coulibaly", "Diallo",   "Touré",   "Bamba",    "Konaté",  "Camara",  "Cissé",
    "Sanogo",   "Doumbia",  "Diarra",    "Keïta",     "Sangaré",  "Fofana",  "Soro",     "Yao",     "Kouassi", "Kouamé",
    "Koffi",    "Kouadio",  "N'Guessan", "Konan",     "Kouakou",  "Brou",    "Aka",      "Assi",    "Gnagne",  "Yapi",
    "Tanoh",    "Ahoua",    "Zadi",      "Dago",      "Zoro",     "Bléhoué", "Séri",     "Gnahoré", "Tapé",    "Diop",
    "Ndiaye",   "Fall",     "Sow",       "Ba",        "Mbaye",    "Gueye",   "Faye",     "Sarr",    "Thiam",   "Kane",
    "Sy",       "Niang",    "Ouédraogo", "Sawadogo",  "Kaboré",   "Zongo",   "Compaoré", "Ilboudo", "Nikiéma", "Mensah",
    "Agbodjan", "Adjovi",   "Houngbo",   "Akakpo",    "Amoussou", "Eboa",    "Mbarga",   "Essomba", "Fotso",   "Kamga",
    "Njoya",    "Martin",   "Bernard",   "Dubois",    "Lefèvre",  "Moreau",  "Girard",   "Mercier", "Lambert", "Bonnet",
    "François", "Rousseau", "Fontaine",  "Chevalier", "Gérard",   "Brunet",  "Éboué",    "Émery",   "Ézan",    "Ébrin",
    "Œuvray",   "Ångström", "Dembélé",   "Kanté",     "Sidibé",   "Bakayoko"};

const std::array<const char*, 96> PRENOMS
    = {"Aminata",    "Fatoumata",  "Mariam",   "Awa",          "Aïcha",    "Kadiatou",      "Adjoa",     "Akissi",
       "Affoué",     "Amenan",     "Ahou",     "Marie-Claire", "Hélène",   "Élodie",        "Béatrice",  "Régine",
       "Clémence",   "Désirée",    "Estelle",  "Grâce",        "Inès",     "Josiane",       "Léa",       "Noëlle",
       "Pélagie",    "Rosine",     "Sandrine", "Yolande",      "Moussa",   "Ibrahim",       "Seydou",    "Mamadou",
       "Abdoulaye",  "Souleymane", "Lassina",  "Drissa",       "Adama",    "Bakary",        "Yacouba",   "Kouakou",
       "Koffi",      "Konan",      "Yao",      "Kouadio",      "Serge",    "Jean-Baptiste", "Jean-Marc", "Jérôme",
       "François",   "Hervé",      "Éric",     "Frédéric",     "Gérard",   "Modeste",       "Prosper",   "Théodore",
       "Ange",       "Arsène",     "Désiré",   "Émile",        "Ousmane",  "Cheikh",        "Aliou",     "Boubacar",
       "Mariétou",   "Ndèye",      "Rokhaya",  "Binta",        "Coumba",   "Salimata",      "Maïmouna",  "Oumou",
       "Rokia",      "Nafissatou", "Ramatou",  "Habib",        "Issa",     "Karim",         "Lamine",    "Mohamed",
       "Ismaël",     "Patrice",    "Didier",   "Wilfried",     "Armand",   "Blaise",        "Cyrille",   "Fabrice",
       "Guy-Roland", "Honoré",     "Jocelyne", "Laetitia",     "Mireille", "Nadège",        "Odette",    "Perpétue"};

const std::array<const char*, 12> VOIES = {"rue des Jardins",
                                           "boulevard Latrille",
                                           "avenue Chardy",
                                           "rue du Commerce",
                                           "rue Lepic",
                                           "avenue de la République",
                                           "boulevard de Marseille",
                                           "avenue Noguès",
                                           "rue Paul Langevin",
                                           "boulevard VGE",
                                           "rue des Écoles",
                                           "avenue Franchet d'Espèrey"};

const std::array<const char*, 24> QUARTIERS
    = {"Cocody, Abidjan",     "Yopougon, Abidjan",     "Treichville, Abidjan",  "Marcory, Abidjan",
       "Adjamé, Abidjan",     "Plateau, Abidjan",      "Koumassi, Abidjan",     "Abobo, Abidjan",
       "Port-Bouët, Abidjan", "Riviera 2, Abidjan",    "Angré, Abidjan",        "Bingerville",
       "Commerce, Bouaké",    "Koko, Bouaké",          "Petit Paris, Korhogo",  "Soba, Korhogo",
       "Lobia, Daloa",        "Balmer, San-Pédro",     "Habitat, Yamoussoukro", "Médina, Dakar",
       "Koulouba, Bamako",    "Gounghin, Ouagadougou", "Akwa, Douala",          "Grand-Bassam"};

const std::array<const char*, 10> FORMES_SOCIETE
    = {"SARL", "SA", "Établissements", "Ets", "Société", "Groupe", "Comptoir", "Maison", "Entreprise", "Coopérative"};

const std::array<const char*, 14> ACTIVITES = {"Distribution",
                                               "Import-Export",
                                               "Alimentation Générale",
                                               "& Fils",
                                               "& Frères",
                                               "Négoce",
                                               "Commerce Général",
                                               "Agro-Industrie",
                                               "Cosmétiques",
                                               "Boissons",
                                               "Quincaillerie",
                                               "Électronique",
                                               "Textiles",
                                               "Grossiste"};

// ---------------------------------------------------------------------------------------
// Thin RAII wrappers over the SQLite C API.
class Instruction
{
public:
    Instruction(sqlite3* db, const char* sql)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_st, nullptr) != SQLITE_OK)
            echec(sql);
    }
    Instruction(const Instruction&) = delete;
    Instruction& operator=(const Instruction&) = delete;
    ~Instruction() { sqlite3_finalize(m_st); }

    Instruction& lier(int i, qint64 v)
    {
        sqlite3_bind_int64(m_st, i, v);
        return *this;
    }
    Instruction& lier(int i, int v) { return lier(i, static_cast<qint64>(v)); }
    Instruction& lier(int i, double v)
    {
        sqlite3_bind_double(m_st, i, v);
        return *this;
    }
    Instruction& lier(int i, std::string_view v)
    {
        sqlite3_bind_text(m_st, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Instruction& lierNul(int i)
    {
        sqlite3_bind_null(m_st, i);
        return *this;
    }
    void executer()
    {
        if (sqlite3_step(m_st) != SQLITE_DONE)
            echec(sqlite3_sql(m_st));
        sqlite3_reset(m_st);
    }
    // One row expected: its first column.
    qint64 entier()
    {
        if (sqlite3_step(m_st) != SQLITE_ROW)
            echec(sqlite3_sql(m_st));
        const qint64 v = sqlite3_column_int64(m_st, 0);
        sqlite3_reset(m_st);
        return v;
    }
    sqlite3_stmt* poignee() { return m_st; }

private:
    [[noreturn]] void echec(const char* sql)
    {
        throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " [" + (sql ? sql : "") + "]");
    }
    sqlite3* m_db;
    sqlite3_stmt* m_st = nullptr;
};

class Base
{
public:
    explicit Base(const QString& chemin)
    {
        if (sqlite3_open_v2(chemin.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(m_db);
            sqlite3_close(m_db);
            throw std::runtime_error("ouverture de " + chemin.toStdString() + " : " + message);
        }
    }
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;
    ~Base() { sqlite3_close(m_db); }
    sqlite3* db() const { return m_db; }
    void executer(const std::string& sql)
    {
        char* erreur = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &erreur) != SQLITE_OK) {
            const std::string message = erreur ? erreur : "?";
            sqlite3_free(erreur);
            throw std::runtime_error(message + " [" + sql + "]");
        }
    }

private:
    sqlite3* m_db = nullptr;
};

// ---------------------------------------------------------------------------------------
std::string texteJour(const QDate& d, const char* format)
{
    return d.toString(QString::fromLatin1(format)).toStdString();
}

std::string nombre(qint64 n)
{
    return std::to_string(n);
}

// Two digits, zero padded.
std::string deuxChiffres(int n)
{
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

double arrondi(double prix, double pas)
{
    return std::max(pas, std::round(prix / pas) * pas);
}

int chiffreControleEan(qint64 douzeChiffres)
{
    int somme = 0;
    for (int position = 0; position < 12; ++position) {
        const int chiffre = static_cast<int>(douzeChiffres % 10);
        douzeChiffres /= 10;
        somme += chiffre * (position % 2 == 0 ? 3 : 1);
    }
    return (10 - somme % 10) % 10;
}

struct Article
{
    qint64 code = 0;
    std::string nom;
    std::string description;
    double prixAchat = 0;
    double prixVente = 0;
    int categorie = 0;
    std::string datefab;
    std::string dateexp;
    qint64 stock = 0;
    int stockMin = 0;
};

class Generateur
{
public:
    Generateur(sqlite3* db, const OptionsBoutique& options)
        : m_db(db)
        , m_options(options)
        , m_alea(options.graine)
    {
    }

    void generer()
    {
        etape("catalogue en mémoire", [this] { preparerArticles(); });
        etape("catégories", [this] { insererCategories(); });
        etape("utilisateurs", [this] { insererUtilisateurs(); });
        etape("fournisseurs", [this] { insererFournisseurs(); });
        etape("ventes et lignes", [this] { insererVentes(); });
        etape("approvisionnements et lignes", [this] { insererApprovisionnements(); });
        etape("clients", [this] { insererClients(); });
        etape("articles", [this] { insererArticles(); });
    }

private:
    template<typename F>
    void etape(const char* nom, F&& travail)
    {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        std::fprintf(stderr, "  %-32s %6.1f s\n", nom, static_cast<double>(chrono.elapsed()) / 1000.0);
    }

    qint64 codeUnique(bool court)
    {
        while (true) {
            qint64 code = 0;
            if (court) {
                // Shop codes typed by hand: 3 to 6 digits.
                const int chiffres = m_alea.entre(3, 6);
                qint64 min = 1;
                for (int i = 1; i < chiffres; ++i)
                    min *= 10;
                code = min + static_cast<qint64>(m_alea.suivant() % static_cast<quint64>(min * 9));
            } else {
                const qint64 prefixe = m_alea.parmi(PREFIXES_EAN);
                const qint64 corps = static_cast<qint64>(m_alea.suivant() % 1000000000ULL);
                const qint64 douze = prefixe * 1000000000LL + corps;
                code = douze * 10 + chiffreControleEan(douze);
            }
            if (m_codes.insert(code).second)
                return code;
        }
    }

    void preparerArticles()
    {
        const int nbProduits = static_cast<int>(std::size(PRODUITS));
        for (const Rayon& r : RAYONS) {
            m_marques.push_back(morceaux(r.marques));
            m_declinaisons.push_back(morceaux(r.declinaisons));
        }
        std::vector<std::vector<std::string>> nomsProduits, formatsProduits;
        for (const Produit& produit : PRODUITS) {
            nomsProduits.push_back(morceaux(produit.noms));
            formatsProduits.push_back(morceaux(produit.formats));
        }
        std::vector<int> compteurs(static_cast<std::size_t>(nbProduits), 0);
        const QDate fin = m_options.fin;
        m_articles.resize(static_cast<std::size_t>(m_options.articles));
        for (Article& a : m_articles) {
            const int p = m_alea.sous(nbProduits);
            const Produit& produit = PRODUITS[p];
            const Rayon& rayon = RAYONS[produit.rayon];
            const auto& noms = nomsProduits[static_cast<std::size_t>(p)];
            const auto& formats = formatsProduits[static_cast<std::size_t>(p)];
            const auto& marques = m_marques[static_cast<std::size_t>(produit.rayon)];
            const auto& declinaisons = m_declinaisons[static_cast<std::size_t>(produit.rayon)];

            // Mixed-radix walk over the product's combinations, so names rarely repeat.
            int k = compteurs[static_cast<std::size_t>(p)]++;
            const auto prendre = [&k](std::size_t n) {
                const int i = k % static_cast<int>(n);
                k /= static_cast<int>(n);
                return static_cast<std::size_t>(i);
            };
            const std::size_t iMarque = prendre(marques.size());
            const std::size_t iNom = prendre(noms.size());
            const std::size_t iFormat = prendre(formats.size());
            const std::size_t iDecl = prendre(declinaisons.size());
            const std::size_t iLot = prendre(LOTS.size());

            a.nom = noms[iNom] + ' ' + marques[iMarque];
            if (!declinaisons[iDecl].empty())
                a.nom += ' ' + declinaisons[iDecl];
            a.nom += ' ' + formats[iFormat] + LOTS[iLot];

            const bool courtCode = m_alea.chance(0.2);
            a.code = codeUnique(courtCode);

            const double facteursFormat[] = {1.0, 1.8, 3.5, 6.0, 9.0, 12.0};
            const double facteursLot[] = {1.0, 1.9, 2.8, 8.0};
            const double variation = 0.8 + 0.5 * m_alea.reel();
            a.prixVente = arrondi(
                produit.prix * facteursFormat[std::min<std::size_t>(iFormat, 5)] * facteursLot[iLot] * variation, 25);
            a.prixAchat = arrondi(a.prixVente * (0.68 + 0.2 * m_alea.reel()), 5);

            const int parProduit = (m_options.categories - p + nbProduits - 1) / nbProduits;
            a.categorie = 1 + p + nbProduits * m_alea.sous(std::max(1, parProduit));

            // One draw per statement: the order of the draws must not depend on the compiler.
            const std::string qualite = m_alea.parmi(QUALITES);
            const std::string conservation
                = rayon.perissable ? m_alea.parmi(CONSERVATIONS_PERISSABLES) : m_alea.parmi(CONSERVATIONS_DURABLES);
            const std::string origine = m_alea.parmi(ORIGINES);
            a.description = a.nom + ". " + qualite + ". " + conservation + ". Origine : " + origine + '.';

            if (rayon.perissable) {
                const QDate fab = fin.addDays(-m_alea.entre(5, 300));
                a.datefab = texteJour(fab, "yyyy-MM-dd 00:00:00");
                a.dateexp = texteJour(fab.addDays(m_alea.entre(20, 900)), "yyyy-MM-dd 00:00:00");
            } else if (m_alea.chance(0.3)) {
                a.datefab = texteJour(fin.addDays(-m_alea.entre(30, 900)), "yyyy-MM-dd 00:00:00");
            }
            a.stockMin = m_alea.entre(2, 10) * 5;
        }
        // Popularity: a few articles sell often, most rarely (order unrelated to codes).
        m_popularite.resize(m_articles.size());
        for (std::size_t i = 0; i < m_popularite.size(); ++i)
            m_popularite[i] = static_cast<int>(i);
        for (std::size_t i = m_popularite.size(); i > 1; --i)
            std::swap(m_popularite[i - 1], m_popularite[static_cast<std::size_t>(m_alea.sous(static_cast<int>(i)))]);
    }

    Article& articlePopulaire()
    {
        const double u = m_alea.reel();
        const auto rang = static_cast<std::size_t>(std::pow(u, 2.5) * static_cast<double>(m_articles.size()));
        return m_articles[static_cast<std::size_t>(m_popularite[std::min(rang, m_popularite.size() - 1)])];
    }

    void insererCategories()
    {
        Instruction ins(m_db, "INSERT INTO tb_categorie (description) VALUES (?)");
        const int nbProduits = static_cast<int>(std::size(PRODUITS));
        for (int c = 0; c < m_options.categories; ++c) {
            const Produit& produit = PRODUITS[c % nbProduits];
            const auto qualificatif
                = QUALIFICATIFS_CATEGORIE[static_cast<std::size_t>(c / nbProduits) % QUALIFICATIFS_CATEGORIE.size()];
            ins.lier(1, std::string(produit.categorie) + qualificatif).executer();
        }
    }

    void insererUtilisateurs()
    {
        // User 1, the first shop manager, comes with the schema.
        Instruction ins(m_db,
                        "INSERT INTO tb_utilisateur (nom, prenom, login, pass, config, statut) "
                        "VALUES (?, ?, ?, ?, ?, ?)");
        const std::string empreinte = empreinteMD5(MOT_DE_PASSE_PAR_DEFAUT).toStdString();
        std::unordered_set<std::string> logins = {"admin"};
        for (int code = 2; code <= m_options.utilisateurs; ++code) {
            const std::string nom = m_alea.parmi(NOMS);
            const std::string prenom = m_alea.parmi(PRENOMS);
            std::string login = QString::fromStdString(prenom.substr(0, 1) + nom).toLower().toStdString();
            for (int n = 2; !logins.insert(login).second; ++n)
                login = QString::fromStdString(prenom.substr(0, 1) + nom).toLower().toStdString() + nombre(n);
            // Two more managers, four stock keepers, the rest sellers.
            const int role = code <= 3 ? 1 : (code <= 7 ? 2 : 3);
            (role == 3 ? m_vendeurs : m_magasiniers).push_back(code);
            ins.lier(1, nom)
                .lier(2, prenom)
                .lier(3, login)
                .lier(4, empreinte)
                .lier(5, role)
                .lier(6, std::string_view(code == m_options.utilisateurs ? "0" : "1"))
                .executer();
        }
        m_magasiniers.push_back(1);
        if (m_vendeurs.empty())
            m_vendeurs.push_back(1);
    }

    std::string telephone()
    {
        static const std::array<const char*, 3> operateurs = {"01", "05", "07"};
        std::string t = std::string("+225 ") + m_alea.parmi(operateurs);
        for (int i = 0; i < 4; ++i)
            t += ' ' + deuxChiffres(m_alea.sous(100));
        return t;
    }

    std::string adresse()
    {
        std::string a;
        if (m_alea.chance(0.2))
            a = "BP " + nombre(m_alea.entre(10, 9999)) + '\n';
        const std::string lot = nombre(m_alea.entre(1, 3000));
        const std::string voie = m_alea.parmi(VOIES);
        a += "Lot " + lot + ", " + voie + '\n' + m_alea.parmi(QUARTIERS);
        return a;
    }

    void insererFournisseurs()
    {
        // Supplier 1, "NEANT", comes with the schema.
        Instruction ins(m_db, "INSERT INTO tb_fournisseur (nom, prenom, adresse, telephone) VALUES (?, ?, ?, ?)");
        for (int i = 1; i < m_options.fournisseurs; ++i) {
            const std::string forme = m_alea.parmi(FORMES_SOCIETE);
            const std::string famille = m_alea.parmi(NOMS);
            const std::string nom = forme + ' ' + famille + ' ' + m_alea.parmi(ACTIVITES);
            ins.lier(1, nom).lier(2, std::string_view(m_alea.parmi(PRENOMS))).lier(3, adresse()).lier(4, telephone());
            ins.executer();
        }
    }

    // Sales per day: busier on Saturdays, at month ends, in December, and growing each year.
    std::vector<int> repartitionParJour(int total)
    {
        std::vector<double> poids;
        for (QDate d = m_options.debut; d <= m_options.fin; d = d.addDays(1)) {
            double p = 1.0;
            if (d.dayOfWeek() == 6)
                p *= 1.4;
            else if (d.dayOfWeek() == 7)
                p *= 0.7;
            if (d.day() >= 25)
                p *= 1.15;
            if (d.month() == 12)
                p *= 1.3;
            p *= 1.0 + 0.12 * (d.year() - m_options.debut.year());
            poids.push_back(p * (0.85 + 0.3 * m_alea.reel()));
        }
        double somme = 0;
        for (double p : poids)
            somme += p;
        std::vector<int> parJour;
        double cumul = 0;
        qint64 dejaPris = 0;
        for (double p : poids) {
            cumul += p;
            const auto jusquIci = static_cast<qint64>(std::llround(cumul / somme * total));
            parJour.push_back(static_cast<int>(jusquIci - dejaPris));
            dejaPris = jusquIci;
        }
        return parJour;
    }

    int nombreDeLignesVente()
    {
        // 1 to 10 lines, about 5 on average.
        static const std::array<int, 10> poids = {10, 10, 10, 10, 10, 10, 9, 8, 7, 6};
        int tirage = m_alea.sous(90);
        for (int n = 0; n < 10; ++n) {
            tirage -= poids[static_cast<std::size_t>(n)];
            if (tirage < 0)
                return n + 1;
        }
        return 10;
    }

    void insererVentes()
    {
        Instruction vente(m_db,
                          "INSERT INTO tb_vente (codevente, datevente, montant, codeutilisateur, codeclient, "
                          "montant_paye, relicat, sdatevente) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        Instruction ligne(m_db,
                          "INSERT INTO tb_detailvente_art (codevente, codearticle, cantart, prixventeunitaire) "
                          "VALUES (?, ?, ?, ?)");
        m_achatsClients.assign(static_cast<std::size_t>(m_options.clients) + 2, 0.0);
        const std::vector<int> parJour = repartitionParJour(m_options.ventes);
        qint64 numero = 0;
        QDate jour = m_options.debut;
        std::vector<Article*> panier;
        for (int n : parJour) {
            const std::string datevente = texteJour(jour, "yyyy-MM-dd 00:00:00");
            const std::string sdatevente = texteJour(jour, "yyyy/MM/dd");
            for (int i = 0; i < n; ++i) {
                ++numero;
                panier.clear();
                const int lignes = nombreDeLignesVente();
                while (static_cast<int>(panier.size()) < lignes) {
                    Article* a = &articlePopulaire();
                    if (std::find(panier.begin(), panier.end(), a) == panier.end())
                        panier.push_back(a);
                }
                double montant = 0;
                for (Article* a : panier) {
                    const int quantite = m_alea.chance(0.65) ? 1 : m_alea.entre(2, 12);
                    a->stock -= quantite;
                    montant += quantite * a->prixVente;
                    ligne.lier(1, numero).lier(2, a->code).lier(3, quantite).lier(4, a->prixVente).executer();
                }
                const int client = m_alea.chance(0.6) ? 1 : m_alea.entre(2, m_options.clients + 1);
                m_achatsClients[static_cast<std::size_t>(client)] += montant;
                // Cash rounded up to the next 500 F, or the exact amount.
                const double paye = m_alea.chance(0.4) ? montant : std::ceil(montant / 500.0) * 500.0;
                vente.lier(1, numero)
                    .lier(2, datevente)
                    .lier(3, montant)
                    .lier(4, m_alea.chance(0.9) ? m_alea.parmi(m_vendeurs) : m_alea.entre(1, 3))
                    .lier(5, client)
                    .lier(6, paye)
                    .lier(7, paye - montant)
                    .lier(8, sdatevente)
                    .executer();
            }
            jour = jour.addDays(1);
        }
    }

    void insererApprovisionnements()
    {
        Instruction appro(m_db,
                          "INSERT INTO tb_approvisionnement (codeapprov, dateapprov, moutantapprov, codeutilsateur, "
                          "codefournisseur) VALUES (?, ?, ?, ?, ?)");
        Instruction ligne(m_db,
                          "INSERT INTO tb_detailapprov_art (codeapprov, codearticle, prixachatunitaire, dateapprov, "
                          "cantapprov) VALUES (?, ?, ?, ?, ?)");
        const std::vector<int> parJour = repartitionParJour(m_options.approvisionnements);
        qint64 numero = 0;
        QDate jour = m_options.debut;
        for (int n : parJour) {
            const std::string date = texteJour(jour, "yyyy-MM-dd 00:00:00");
            for (int i = 0; i < n; ++i) {
                ++numero;
                const int lignes = m_alea.entre(3, 17);
                double montant = 0;
                for (int l = 0; l < lignes; ++l) {
                    Article& a = m_alea.chance(0.7)
                        ? articlePopulaire()
                        : m_articles[static_cast<std::size_t>(m_alea.sous(static_cast<int>(m_articles.size())))];
                    const int quantite = m_alea.entre(1, 20) * 6;
                    a.stock += quantite;
                    montant += quantite * a.prixAchat;
                    ligne.lier(1, numero)
                        .lier(2, a.code)
                        .lier(3, a.prixAchat)
                        .lier(4, date)
                        .lier(5, quantite)
                        .executer();
                }
                appro.lier(1, numero)
                    .lier(2, date)
                    .lier(3, montant)
                    .lier(4, m_alea.parmi(m_magasiniers))
                    .lier(5, m_alea.chance(0.05) ? 1 : m_alea.entre(2, m_options.fournisseurs))
                    .executer();
            }
            jour = jour.addDays(1);
        }
    }

    void insererClients()
    {
        // Client 1, the anonymous client, comes with the schema; the others are 2, 3, ...
        Instruction ins(m_db,
                        "INSERT INTO tb_client (nom, prenom, adresse, telephone, achat_acc) VALUES (?, ?, ?, ?, ?)");
        for (int code = 2; code <= m_options.clients + 1; ++code) {
            ins.lier(1, std::string_view(m_alea.parmi(NOMS)))
                .lier(2, std::string_view(m_alea.parmi(PRENOMS)))
                .lier(3, adresse());
            if (m_alea.chance(0.1))
                ins.lier(4, std::string_view());
            else
                ins.lier(4, telephone());
            ins.lier(5, m_achatsClients[static_cast<std::size_t>(code)]).executer();
        }
    }

    void insererArticles()
    {
        Instruction ins(m_db,
                        "INSERT INTO tb_article (codearticle, nom, description, prixachatuniataire, prixventeunitaire, "
                        "categorie, datefab, dateexp, cantstock, cantstockmin) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (Article& a : m_articles) {
            // The opening stock is unknown: what is left is what was supplied, less what was
            // sold, over some earlier stock; a few articles end at or below their minimum.
            const qint64 stock = a.stock > 0 ? a.stock : m_alea.entre(0, 3 * a.stockMin);
            ins.lier(1, a.code)
                .lier(2, a.nom)
                .lier(3, a.description)
                .lier(4, a.prixAchat)
                .lier(5, a.prixVente)
                .lier(6, a.categorie);
            if (a.datefab.empty())
                ins.lierNul(7);
            else
                ins.lier(7, a.datefab);
            if (a.dateexp.empty())
                ins.lierNul(8);
            else
                ins.lier(8, a.dateexp);
            ins.lier(9, stock).lier(10, a.stockMin).executer();
        }
    }

    sqlite3* m_db;
    const OptionsBoutique& m_options;
    Alea m_alea;
    std::vector<Article> m_articles;
    std::vector<int> m_popularite;
    std::unordered_set<qint64> m_codes;
    std::vector<std::vector<std::string>> m_marques;
    std::vector<std::vector<std::string>> m_declinaisons;
    std::vector<int> m_vendeurs;
    std::vector<int> m_magasiniers;
    std::vector<double> m_achatsClients;
};

// ---------------------------------------------------------------------------------------
void supprimerBase(const QString& chemin)
{
    for (const char* suffixe : {"", "-wal", "-shm", "-journal"})
        QFile::remove(chemin + QString::fromLatin1(suffixe));
}

// Creates an empty shop database through the program's own data module.
void creerBaseVide(const QString& chemin)
{
    supprimerBase(chemin);
    ParametresConnexion parametres;
    parametres.moteur = Moteur::SQLite;
    parametres.fichier = chemin;
    TDataModule_TALVEX module(parametres);
    module.connexion();
    module.fermer();
}

// The tables and indexes of a database, as their SQL text.
QByteArray empreinteSchema(const QString& chemin)
{
    Base base(chemin);
    Instruction lecture(base.db(),
                        "SELECT type || ' ' || name || ' ' || COALESCE(sql, '') FROM sqlite_master "
                        "WHERE name NOT LIKE 'sqlite_%' ORDER BY type, name");
    QCryptographicHash empreinte(QCryptographicHash::Sha1);
    while (sqlite3_step(lecture.poignee()) == SQLITE_ROW)
        empreinte.addData(QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(lecture.poignee(), 0))));
    return empreinte.result().toHex();
}

QByteArray empreinteSchemaCourant()
{
    QTemporaryDir dossier;
    if (!dossier.isValid())
        throw std::runtime_error("dossier temporaire impossible à créer");
    const QString chemin = dossier.filePath(QStringLiteral("schema.db"));
    creerBaseVide(chemin);
    return empreinteSchema(chemin);
}

QByteArray marque(const OptionsBoutique& o, const QByteArray& schema)
{
    return QStringLiteral("generateur=%1 graine=%2 articles=%3 categories=%4 clients=%5 fournisseurs=%6 "
                          "utilisateurs=%7 ventes=%8 approvisionnements=%9 periode=%10..%11 schema=%12\n")
        .arg(VERSION_GENERATEUR)
        .arg(o.graine)
        .arg(o.articles)
        .arg(o.categories)
        .arg(o.clients)
        .arg(o.fournisseurs)
        .arg(o.utilisateurs)
        .arg(o.ventes)
        .arg(o.approvisionnements)
        .arg(o.debut.toString(Qt::ISODate), o.fin.toString(Qt::ISODate), QString::fromLatin1(schema))
        .toUtf8();
}

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void construire(const QString& chemin, const OptionsBoutique& options)
{
    creerBaseVide(chemin);
    Base base(chemin);
    // A throw-away file being filled: no journal, no waiting for the disk.
    base.executer("PRAGMA journal_mode=OFF");
    base.executer("PRAGMA synchronous=OFF");
    base.executer("PRAGMA cache_size=-1000000");
    base.executer("PRAGMA temp_store=MEMORY");

    // Indexes are dropped while the rows go in, then built again from sorted keys.
    std::vector<std::string> index;
    {
        Instruction lecture(base.db(), "SELECT sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL");
        while (sqlite3_step(lecture.poignee()) == SQLITE_ROW)
            index.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(lecture.poignee(), 0)));
    }
    base.executer("BEGIN");
    for (const std::string& sql : index) {
        const auto debut = sql.find("INDEX ") + 6;
        base.executer("DROP INDEX " + sql.substr(debut, sql.find(' ', debut) - debut));
    }
    Generateur(base.db(), options).generer();
    QElapsedTimer chrono;
    chrono.start();
    for (const std::string& sql : index)
        base.executer(sql);
    base.executer("COMMIT");
    std::fprintf(stderr, "  %-32s %6.1f s\n", "index", static_cast<double>(chrono.elapsed()) / 1000.0);
    // Back to the journal the program uses.
    base.executer("PRAGMA journal_mode=WAL");
}

} // namespace

QString preparerBoutique(const QString& dossier, const OptionsBoutique& options, bool forcer)
{
    if (!QDir().mkpath(dossier))
        throw std::runtime_error("dossier impossible à créer : " + dossier.toStdString());
    const QString chemin = QDir(dossier).absoluteFilePath(QStringLiteral("boutique.db"));
    const QString cheminMarque = chemin + QStringLiteral(".marque");
    const QByteArray attendue = marque(options, empreinteSchemaCourant());
    if (!forcer && QFile::exists(chemin) && lireFichier(cheminMarque) == attendue) {
        std::fprintf(stderr, "Boutique à jour : %s\n", qPrintable(chemin));
        return chemin;
    }

    std::fprintf(stderr, "Génération de la boutique : %s\n", qPrintable(chemin));
    QElapsedTimer chrono;
    chrono.start();
    QFile::remove(cheminMarque);
    const QString partiel = chemin + QStringLiteral(".partiel");
    construire(partiel, options);
    supprimerBase(chemin);
    if (!QFile::rename(partiel, chemin))
        throw std::runtime_error("renommage impossible : " + partiel.toStdString());
    QFile fichierMarque(cheminMarque);
    if (!fichierMarque.open(QIODevice::WriteOnly) || fichierMarque.write(attendue) != attendue.size())
        throw std::runtime_error("marque impossible à écrire : " + cheminMarque.toStdString());
    std::fprintf(stderr, "Boutique générée en %.1f s\n", static_cast<double>(chrono.elapsed()) / 1000.0);
    return chemin;
}

} // namespace talvex::bench
