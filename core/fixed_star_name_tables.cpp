// Greek letters and constellation genitives of the star-catalogue nomenclature. The spellings are
// the ones the star list has always shown, irregular ones ("Lepi", "Pavonix", "Virgonis") included.
#include <string_view>

#include "core/fixed_star_names.h"

namespace {

struct Abbreviation {
    std::string_view abbreviation;
    const char* name;
};

constexpr Abbreviation kGreekLetters[] = {
    {"al", "Alpha"},   {"be", "Beta"}, {"ga", "Gamma"}, {"de", "Delta"}, {"ep", "Epsilon"},
    {"ze", "Zeta"},    {"et", "Eta"},  {"th", "Theta"}, {"io", "Iota"},  {"ka", "Kappa"},
    {"la", "Lambda"},  {"mu", "Mu"},   {"nu", "Nu"},    {"xi", "Xi"},    {"omi", "Omicron"},
    {"pi", "Pi"},      {"rh", "Rho"},  {"ro", "Rho"},   {"si", "Sigma"}, {"ta", "Tau"},
    {"up", "Upsilon"}, {"ph", "Phi"},  {"ch", "Chi"},   {"ps", "Psi"},   {"ome", "Omega"}};

constexpr Abbreviation kConstellations[] = {{"And", "Andromedae"},
                                            {"Ant", "Antilae"},
                                            {"Aps", "Apodis"},
                                            {"Aql", "Aquilae"},
                                            {"Aqr", "Aquarii"},
                                            {"Ara", "Arae"},
                                            {"Ari", "Arietis"},
                                            {"Aur", "Aurigae"},
                                            {"Boo", "Bootis"},
                                            {"Cae", "Caeli"},
                                            {"Cam", "Camelopardalis"},
                                            {"Cap", "Capricorni"},
                                            {"Car", "Carinae"},
                                            {"Cas", "Cassiopeiae"},
                                            {"Cen", "Centauri"},
                                            {"Cep", "Cephei"},
                                            {"Cet", "Ceti"},
                                            {"Cha", "Chameleontis"},
                                            {"Cir", "Circini"},
                                            {"CMa", "Canis Majoris"},
                                            {"CMi", "Canis Minoris"},
                                            {"Cnc", "Cancri"},
                                            {"Col", "Columbae"},
                                            {"Com", "Coma Berenices"},
                                            {"CrA", "Coronae Australis"},
                                            {"CrB", "Coronae Borealis"},
                                            {"Crt", "Crateris"},
                                            {"Cru", "Crucis"},
                                            {"Crv", "Corvi"},
                                            {"CVn", "Canum Venaticorum"},
                                            {"Cyg", "Cygni"},
                                            {"Del", "Delphini"},
                                            {"Dor", "Doradus"},
                                            {"Dra", "Draconis"},
                                            {"Equ", "Equulei"},
                                            {"Eri", "Eridani"},
                                            {"For", "Fornacis"},
                                            {"Gem", "Geminorum"},
                                            {"Gru", "Gruis"},
                                            {"Her", "Herculis"},
                                            {"Hor", "Horologii"},
                                            {"Hya", "Hydrae"},
                                            {"Hyi", "Hydri"},
                                            {"Ind", "Indi"},
                                            {"Lac", "Lacertae"},
                                            {"Leo", "Leonis"},
                                            {"Lep", "Lepi"},
                                            {"Lib", "Librae"},
                                            {"LMi", "Leonis Minoris"},
                                            {"Lup", "Lupi"},
                                            {"Lyn", "Lyncis"},
                                            {"Lyr", "Lyrae"},
                                            {"Men", "Mensae"},
                                            {"Mic", "Microscopii"},
                                            {"Mon", "Monocerotis"},
                                            {"Mus", "Muscae"},
                                            {"Nor", "Normae"},
                                            {"Oct", "Octantis"},
                                            {"Oph", "Ophiuchi"},
                                            {"Ori", "Orionis"},
                                            {"Pav", "Pavonix"},
                                            {"Peg", "Pegasi"},
                                            {"Per", "Persei"},
                                            {"Phe", "Phoenicis"},
                                            {"Pic", "Pictoris"},
                                            {"PsA", "Piscis Austrini"},
                                            {"Psc", "Piscium"},
                                            {"Pup", "Puppis"},
                                            {"Pyx", "Pyxidis"},
                                            {"Ret", "Reticuli"},
                                            {"Scl", "Sculptoris"},
                                            {"Sco", "Scorpii"},
                                            {"Sct", "Scuti"},
                                            {"Ser", "Serpentis"},
                                            {"Sex", "Sextantis"},
                                            {"Sge", "Sagittae"},
                                            {"Sgr", "Sagittarii"},
                                            {"Tau", "Tauri"},
                                            {"Tel", "Telescopii"},
                                            {"TrA", "Trianguli Australis"},
                                            {"Tri", "Trianguli"},
                                            {"Tuc", "Tucanae"},
                                            {"UMa", "Ursae Majoris"},
                                            {"UMi", "Ursae Minoris"},
                                            {"Vel", "Velorum"},
                                            {"Vir", "Virgonis"},
                                            {"Vol", "Volantis"},
                                            {"Vul", "Vulpeculae"}};

static_assert(std::size(kGreekLetters) == 25); // 24 letters, Rho twice
static_assert(std::size(kConstellations) == 88);

template <std::size_t N> const char* Find(const Abbreviation (&table)[N], const std::string& abbreviation) {
    for (const Abbreviation& row : table)
        if (row.abbreviation == abbreviation) return row.name;
    return nullptr;
}

} // namespace

const char* GreekLetterName(const std::string& abbreviation) {
    return Find(kGreekLetters, abbreviation);
}

const char* ConstellationGenitive(const std::string& abbreviation) {
    return Find(kConstellations, abbreviation);
}
