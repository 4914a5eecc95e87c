#include "bilan.h"

#include <QFile>
#include <QList>

#include <cstdio>

namespace talvex::bench {

Rapporteur::Rapporteur(std::vector<Cible> cibles)
    : m_cibles(std::move(cibles))
{
}

void Rapporteur::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool mediane = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !mediane))
            continue;
        std::string nom = run.run_name.function_name;
        if (!run.run_name.args.empty())
            nom += '/' + run.run_name.args;
        Mesure& m = m_mesures[nom];
        if (m.mediane && !mediane)
            continue;
        const double parMs = benchmark::GetTimeUnitMultiplier(run.time_unit) / 1e3;
        m.ms = run.GetAdjustedRealTime() / parMs;
        m.processeurMs = run.GetAdjustedCPUTime() / parMs;
        for (const auto& [compteur, valeur] : run.counters)
            m.compteurs[compteur] = valeur.value;
        m.mediane = mediane;
    }
}

void Rapporteur::bilan() const
{
    std::printf("\n");
    ligne("Mesure",
          "Cas",
          QStringLiteral("Temps (ms)"),
          QStringLiteral("Proc. (ms)"),
          QStringLiteral("Cible"),
          QStringLiteral("Tenue"),
          QStringLiteral("Lignes"));
    for (const Cible& c : m_cibles) {
        for (const auto& [nom, m] : m_mesures) {
            if (nom.rfind(c.cas, 0) != 0)
                continue;
            const auto lignes = m.compteurs.find("lignes");
            const bool cible = c.cibleMs > 0;
            ligne(c.mesure,
                  nom,
                  QString::number(m.ms, 'f', 3),
                  QString::number(m.processeurMs, 'f', 3),
                  cible ? QStringLiteral("< %1 ms").arg(c.cibleMs) : QStringLiteral("-"),
                  cible ? (m.ms < c.cibleMs ? QStringLiteral("oui") : QStringLiteral("NON")) : QStringLiteral("-"),
                  lignes == m.compteurs.end() ? QString() : QString::number(lignes->second, 'f', 0));
        }
    }
}

double Rapporteur::ms(const std::string& nom) const
{
    const auto it = m_mesures.find(nom);
    return it == m_mesures.end() ? -1 : it->second.ms;
}

double Rapporteur::processeurMs(const std::string& nom) const
{
    const auto it = m_mesures.find(nom);
    return it == m_mesures.end() ? -1 : it->second.processeurMs;
}

double Rapporteur::compteur(const std::string& nom, const std::string& compteur) const
{
    const auto it = m_mesures.find(nom);
    if (it == m_mesures.end())
        return -1;
    const auto valeur = it->second.compteurs.find(compteur);
    return valeur == it->second.compteurs.end() ? -1 : valeur->second;
}

void Rapporteur::ligne(const char* mesure,
                       const std::string& cas,
                       const QString& temps,
                       const QString& processeur,
                       const QString& cible,
                       const QString& tenue,
                       const QString& lignes)
{
    // Padded by characters, not bytes: the texts are French.
    const QString texte = QString::fromUtf8(mesure).leftJustified(42) + QLatin1Char(' ')
        + QString::fromStdString(cas).leftJustified(44) + QLatin1Char(' ') + temps.rightJustified(12) + QLatin1Char(' ')
        + processeur.rightJustified(11) + QLatin1Char(' ') + cible.rightJustified(10) + QLatin1Char(' ')
        + tenue.rightJustified(6) + QLatin1Char(' ') + lignes.rightJustified(7);
    std::printf("%s\n", texte.toUtf8().constData());
}

QByteArray chargeMoyenne()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return "?";
    const QList<QByteArray> champs = f.readAll().split(' ');
    return champs.size() >= 3 ? champs[0] + ' ' + champs[1] + ' ' + champs[2] : QByteArray("?");
}

QString optionBoutique(int& argc, char** argv)
{
    QString dossier = QStringLiteral("boutique");
    int sortie = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--boutique=", 0) == 0)
            dossier = QString::fromLocal8Bit(argument.substr(11));
        else
            argv[sortie++] = argv[i];
    }
    argc = sortie;
    return dossier;
}

} // namespace talvex::bench
