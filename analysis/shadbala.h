#pragma once
// Shadbala: the six-fold strength of the seven planets Sun to Saturn of a chart (sthana, dig, kala,
// cheshta, naisargika and drik bala), the ishta and kashta phala and the rashmis derived from them, the
// Tajaka pancha-vargeeya and dwadasa-vargeeya strengths, and the bhava bala of the twelve houses. Held
// by value by CChart and computed by its pipeline; the strength views read the rows.
//
// Strengths are virupas (60 to a rupa) unless a column says otherwise. Planet index i: 0 Sun, 1 Moon,
// 2 Mars, 3 Mercury, 4 Jupiter, 5 Venus, 6 Saturn (body number i + 1). Longitudes are the chart's
// (sidereal unless the chart is tropical), degrees.
#include <array>
#include <cstdint>

class CChartRecord;

inline constexpr int kShadbalaPlanets = 7;

// Declination (degrees, positive north) that the ayana bala gives a sidereal longitude: the tropical
// longitude taken as the sidereal one + 23 degrees, and the declination interpolated in 15-degree steps
// up to 24 degrees at the solstices. Not a number for a longitude that is not one.
double AyanaDeclination(double longitude);
// Tajaka relation of planet p to planet q (bodies 1-7): 2 the planet itself, 1 within one group (Sun,
// Moon, Mars, Jupiter or Mercury, Venus, Saturn), 0 across the groups or for any other body.
int TajakaRelation(int p, int q);

class CShadbala {
public:
    // Columns of a planet row, in the order the strength views show them.
    enum Item : int {
        kUchcha,
        kSaptavargaja,
        kOjaYugma,
        kKendra,
        kDrekkana,
        kSthanaBala, // the five above
        kDigBala,
        kNatonnata,
        kPaksha,
        kTribhaga,
        kAbda,
        kMaasa,
        kVaara,
        kHora,
        kAyana,
        kYuddha,
        kKaalaBala, // the nine above
        kCheshtaBala,
        kNaisargikaBala,
        kDrigBala,
        kShadbala,        // virupas
        kShadbalaRupas,   // rupas
        kPercentStrength, // per cent of the rupas the planet requires
        kIshtaPhala,
        kKashtaPhala,
        kIshtaParasara,
        kKashtaParasara,
        kUchchaRashmi,
        kCheshtaRashmi,
        kSubhaRashmi,
        kAsubhaRashmi,
        kPanchaVargeeyaBala, // Tajaka, 0-20
        kItemCount,
    };

    struct PlanetRow {
        std::array<double, kItemCount> m_value{};
        int m_nPanchaVargeeyaGrade = 0; // 0-4 by steps of 5 of the pancha-vargeeya bala
        int m_nDwadasaVargeeyaBala = 0; // 0-12: of the first twelve vargas, those where the planet is strong
    };

    struct HouseRow {
        double m_dLordBala = 0.0;    // the shadbala of the house's plain lord
        double m_dDigBala = 0.0;     // 0-60 by the sign's class
        double m_dDrishtiBala = 0.0; // aspects of the seven planets on the cusp
        double m_dBhavaBala = 0.0;   // the sum of the three
        double m_dBhavaBalaRupas = 0.0;
    };

    // What the computation reads of the chart, copied by its first step.
    struct Inputs {
        std::uint8_t m_bDayBirth = 0;
        double m_dGhatisSinceSunrise = 0.0;
        double m_dDayLength = 0.0;   // ghatis
        double m_dNightLength = 0.0; // ghatis
        int m_nDayCount = 0;         // the chart's day number
        int m_nWeekdayLord = 0;      // planet index of the Vaara lord, written by that step
        double m_dMonth = 0.0;
        double m_dDay = 0.0;
        double m_dYear = 0.0;
        // Birth time and zone packed as hours + minutes/100 + seconds/6000; the zone (positive west)
        // negative when it lies east.
        double m_dPackedTime = 0.0;
        double m_dPackedZone = 0.0;
        std::array<double, 10> m_dLongitude{}; // bodies 0-9
        // Signs of bodies 0-9 in D-1, D-2, D-3, D-7, D-9, D-12, D-30; the last row holds each body's
        // term (hadda) lord instead of a sign.
        std::array<std::array<int, 10>, 8> m_nSign{};
    };
    enum InputRow : int { kRowD1, kRowD2, kRowD3, kRowD7, kRowD9, kRowD12, kRowD30, kRowHaddaLord };

    virtual ~CShadbala() = default;

    // Recomputes every field from the chart, whose relationships must be computed.
    void Compute(const CChartRecord& chart);
    // The natures of the Moon and Mercury for this chart (step of Compute).
    void ComputeComponent();

    std::array<PlanetRow, kShadbalaPlanets> m_planet{};
    std::array<HouseRow, 12> m_house{}; // houses 1-12
    Inputs m_inputs;
    // Nature of each planet for this chart: 1 benefic, -1 malefic. The Moon and Mercury depend on the
    // chart; the others are fixed.
    std::array<int, kShadbalaPlanets> m_nNature = {-1, 0, -1, 0, 1, 1, -1};

private:
    enum PlanetIndex : int {
        kSunIndex,
        kMoonIndex,
        kMarsIndex,
        kMercuryIndex,
        kJupiterIndex,
        kVenusIndex,
        kSaturnIndex
    };

    double& Value(int i, Item item) { return m_planet[i].m_value[item]; }
    double Value(int i, Item item) const { return m_planet[i].m_value[item]; }
    double Longitude(int i) const;         // of planet index i
    int SignIn(InputRow row, int i) const; // of planet index i
    void CopyInputs(const CChartRecord& chart);
    void ComputeUchcha();
    void ComputeSaptavargaja(const CChartRecord& chart);
    void ComputeOjaYugma();
    void ComputeKendra();
    void ComputeDrekkana();
    void ComputeDigBala();
    void ComputeNatonnata();
    void ComputePaksha();
    void ComputeTribhaga();
    void ComputeYearMonthDayLords();
    void ComputeHora();
    void ComputeAyana();
    void ComputeCheshta();
    void ComputeNaisargika();
    void ComputeDrigBala();
    void ComputeTotals();
    void ComputePhalaAndRashmis();
    void ComputeBhavaBala();
    void ComputePanchaVargeeya();
    void ComputeDwadasaVargeeya(const CChartRecord& chart);
};
