#pragma once
// Calculation options: process-wide globals named after their preference-file keys, declared here from
// the option table (option_table.h, where each stands with its key, start value and accepted values).
// The calculation code reads them directly; the preference file loads and saves them.
#include <array>
#include <string>
#include <type_traits>

#include "core/angle_time.h"
#include "core/default_air.h"

// Dasa codes 0-74 index every per-dasa array; the nakshatra dasas are codes 0-24.
constexpr int kDasaCodeCount = 75;
constexpr int kNakshatraDasaCodeCount = 25;
constexpr double kMeanTropicalYearDays = 365.24219;
constexpr int kDefaultDasaYearDefinition = 3; // year kinds 0-7; 3 = true sidereal solar return

constexpr const char* kDefaultCustomStarCode = ",alVir"; // Spica, as the library names it
constexpr int kIndiaRegionRow = 105;                     // the default place's row of the region table

// The Pravesha chosen in the Tithi Pravesha pane ("Select which Pravesha chart you want.").
constexpr int kPraveshaTithi = 0;     // "Tithi Pravesha": Moon - Sun
constexpr int kPraveshaNakshatra = 1; // "Nakshatra Pravesha": the Moon
constexpr int kPraveshaYoga = 2;      // "Yoga Pravesha": Moon + Sun

// The array options, by what indexes them.
using DasaFlags = std::array<bool, kDasaCodeCount>; // by dasa code
using DasaInts = std::array<int, kDasaCodeCount>;
using DasaDoubles = std::array<double, kDasaCodeCount>;
using NakshatraDasaFlags = std::array<bool, kNakshatraDasaCodeCount>; // by nakshatra-dasa code
using NakshatraDasaInts = std::array<int, kNakshatraDasaCodeCount>;
using UpagrahaRiseMethods = std::array<int, 6>;   // Dhuma .. Gulika
using AshtakavargaSwitches = std::array<bool, 6>; // one per ashtakavarga calculation step

// Every entry `value`.
template <class Array> constexpr Array Filled(typename Array::value_type value) {
    Array values{};
    values.fill(value);
    return values;
}

// Built-in defaults of the two dasa arrays whose entries differ: Tajaka charts take the natal dasa seed
// for every dasa but code 45; nakshatra dasa 12 starts at 4.
inline constexpr DasaFlags kNatalSeedDefaults = [] {
    DasaFlags seeds = Filled<DasaFlags>(true);
    seeds[45] = false;
    return seeds;
}();
inline constexpr NakshatraDasaInts kNakshatraDasaStartPointDefaults = [] {
    NakshatraDasaInts starts{};
    starts[12] = 4;
    return starts;
}();

// A start value the global does not start with: it starts empty and the preferences' start-up puts
// the value in (the default place).
template <class T> struct StartUpDefault { T value; };
template <class T> constexpr StartUpDefault<T> SetAtStartUp(T value) {
    return {value};
}
template <class T> struct IsStartUpDefault : std::false_type {};
template <class T> struct IsStartUpDefault<StartUpDefault<T>> : std::true_type {};

// The value an option global starts with.
template <class Option, class Start> Option StartValue(const Start& start) {
    if constexpr (IsStartUpDefault<Start>::value)
        return Option{};
    else
        return Option(start);
}
// The built-in default of an option's preference key.
template <class Start> constexpr auto OptionDefault(const Start& start) {
    if constexpr (IsStartUpDefault<Start>::value)
        return start.value;
    else
        return start;
}

#include "core/option_table.h"

// Keeps the rows of one layer: OPTION_OF_LAYER(Core, Core, x) is x, OPTION_OF_LAYER(Shell, Core, x)
// nothing.
#define OPTION_OF_LAYER(layer, wanted, ...) OPTION_OF_LAYER_##layer##_##wanted(__VA_ARGS__)
#define OPTION_OF_LAYER_Core_Core(...) __VA_ARGS__
#define OPTION_OF_LAYER_Core_Document(...)
#define OPTION_OF_LAYER_Core_Shell(...)
#define OPTION_OF_LAYER_Document_Core(...)
#define OPTION_OF_LAYER_Document_Document(...) __VA_ARGS__
#define OPTION_OF_LAYER_Document_Shell(...)
#define OPTION_OF_LAYER_Shell_Core(...)
#define OPTION_OF_LAYER_Shell_Document(...)
#define OPTION_OF_LAYER_Shell_Shell(...) __VA_ARGS__
#define OPTION_OF_LAYER_Member_Core(...)
#define OPTION_OF_LAYER_Member_Document(...)
#define OPTION_OF_LAYER_Member_Shell(...)

#define DECLARE_CORE_OPTION(layer, section, form, type, name, ...)                                           \
    OPTION_OF_LAYER(layer, Core, extern type name;)
OPTION_TABLE(DECLARE_CORE_OPTION)
#undef DECLARE_CORE_OPTION

// The place and conditions a new chart starts with (time zones and longitude positive west); the decimal
// values of the default place's records by the names the preference keys give them.
extern double& g_dDefaultTimeZone;       // hours, positive west
extern double& g_dDefaultSummerTimeZone; // hours, positive west
extern double& g_dDefaultLongitude;      // degrees, positive west
extern double& g_dDefaultLatitude;       // degrees, positive north
