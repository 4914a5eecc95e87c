#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QString>

#include <map>
#include <string>
#include <vector>

namespace talvex::bench {

// A figure to compare with its target: every benchmark whose name begins with `cas`.
struct Cible
{
    const char* mesure;
    const char* cas;
    double cibleMs; // 0: shown without a target
};

// Prints as the console does, and keeps for each benchmark its wall and processor times in
// milliseconds and its counters (the medians when repeated), to print them against targets.
class Rapporteur : public benchmark::ConsoleReporter
{
public:
    explicit Rapporteur(std::vector<Cible> cibles);

    void ReportRuns(const std::vector<Run>& runs) override;

    // The table of the figures against their targets. Wall time decides; processor time
    // shows how much of it other programs took.
    void bilan() const;

    // -1 when the benchmark did not run, or has no such counter.
    double ms(const std::string& nom) const;
    double processeurMs(const std::string& nom) const;
    double compteur(const std::string& nom, const std::string& compteur) const;

    // One row of the table.
    static void ligne(const char* mesure,
                      const std::string& cas,
                      const QString& temps,
                      const QString& processeur = {},
                      const QString& cible = {},
                      const QString& tenue = {},
                      const QString& lignes = {});

private:
    struct Mesure
    {
        double ms = 0;
        double processeurMs = 0;
        std::map<std::string, double> compteurs;
        bool mediane = false;
    };
    std::vector<Cible> m_cibles;
    std::map<std::string, Mesure> m_mesures;
};

// How busy the machine is: the load averages over 1, 5 and 15 minutes ("?" when unknown).
QByteArray chargeMoyenne();

// Takes --boutique=DIR out of the arguments: the folder of the generated shop ("boutique"
// under the working directory when absent).
QString optionBoutique(int& argc, char** argv);

} // namespace talvex::bench
