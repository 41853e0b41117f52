// The keys of tavro.ini, section by section in file order.
#include "shell/preference_keys.h"

#include <algorithm>
#include <vector>

#include "chart/chart.h"
#include "core/ayanamsa.h"
#include "core/bodies_to_show.h"
#include "core/calc_options.h"
#include "core/chart_labels.h"
#include "core/region_table.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "shell/color_settings.h"
#include "shell/display_options.h"
#include "shell/preferences.h"
#include "shell/window_sizes.h"

namespace {

using S = PreferenceSection;

constexpr const char* kProgramVersion = "8.0.0.0";
// Ranges the option table names.
constexpr IntRange kSigns = {0, kSignCount - 1};
constexpr IntRange kVargaColumns = {0, kVargaColumnCount - 1};
constexpr IntRange kTimeStepUnits = {0, 6}; // "Sec" ... "Year"
constexpr IntRange kYearKinds = {0, 7};
constexpr DoubleRange kYearLengths = {1, 100000}; // days; a zero year would stall every dasa
constexpr IntRange kOffOn = {0, 1};
constexpr IntRange kBodies = {0, kBodyCount - 1};
constexpr IntRange kDayFrames = {0, 2};                  // the sunrise, mean-time and zone-time days
constexpr IntRange kChartStyles = {0, 4};                // 0, 1 South, 2 North, 3, 4 East Indian
constexpr IntRange kScreenCoordinates = {-32768, 32767}; // pixels

// A varga above D-60's column other than 25 is no amsa-ruler varga: D-9 instead.
void NormaliseAmsaRulerVarga() {
    if (g_nAmsaRulerVarga > 19 && g_nAmsaRulerVarga != 25) g_nAmsaRulerVarga = 1;
}

double UserAyanamsaCorrection() {
    CDmsAngle correction;
    CopyAyanamsaPrefs(g_ayanamsaSettings, correction);
    return correction.m_dValue;
}

// Choosing the ayanamsa after the file is read lowers a Deva-datta correction once.
void SetUserAyanamsaCorrection(double degrees) {
    g_ayanamsaSettings.m_correction.m_dValue = degrees;
    g_ayanamsaSettings.m_correction.SplitDegrees();
}

// Binds each form of the option table (core/option_table.h) to its preference binding; a form is the
// name of its method.
class KeyTableBuilder {
public:
    void Section(S section) { section_ = section; }
    // Every number states the values it accepts; any other value read takes the default.
    void Int(const char* key, int& value, int defaultValue, IntRange valid,
             std::function<void()> after = {}) {
        Add(key, IntBinding{&value, defaultValue, valid}, std::move(after));
    }
    void Flag(const char* key, bool& value, bool defaultValue, std::function<void()> after = {}) {
        Add(key, FlagBinding{&value, defaultValue}, std::move(after));
    }
    void IntFlag(const char* key, int& value, int defaultValue) {
        Add(key, IntFlagBinding{&value, defaultValue});
    }
    void Double(const char* key, double& value, double defaultValue, DoubleRange valid) {
        Add(key, DoubleBinding{&value, defaultValue, valid});
    }
    // Saved as the user entered it: the Deva-datta shift kept inside the correction is added back.
    void AyanamsaCorrection(const char* key, CAyanamsaSettings&, double defaultValue, DoubleRange valid) {
        Add(key,
            DoubleAccessorBinding{UserAyanamsaCorrection, SetUserAyanamsaCorrection, defaultValue, valid});
    }
    // Angles and zones are stored as decimals and split into their parts when set.
    void Angle(const char* key, CDmsAngle& angle, double defaultValue, DoubleRange valid) {
        const auto set = [&angle](double degrees) {
            angle.m_dValue = degrees;
            angle.SplitDegrees();
        };
        Add(key, DoubleAccessorBinding{[&angle] { return angle.m_dValue; }, set, defaultValue, valid});
    }
    void Zone(const char* key, CHmsTime& zone, double defaultValue, DoubleRange valid) {
        const auto set = [&zone](double hours) {
            zone.m_dHours = hours;
            zone.SplitHours();
        };
        Add(key, DoubleAccessorBinding{[&zone] { return zone.m_dHours; }, set, defaultValue, valid});
    }
    void Text(const char* key, std::string& value, std::string defaultValue,
              TextForm form = TextForm::kPlain) {
        Add(key, TextBinding{&value, std::move(defaultValue), form});
    }
    void WriteOnly(const char* key, std::function<std::string()> get) {
        Add(key, WriteOnlyTextBinding{std::move(get)});
    }
    template <size_t N>
    void IntList(const char* key, std::array<int, N>& values, const std::array<int, N>& defaults,
                 IntRange valid) {
        Add(key, IntListBinding{values, std::vector<int>(defaults.begin(), defaults.end()), valid});
    }
    template <size_t N>
    void FlagList(const char* key, std::array<bool, N>& values, const std::array<bool, N>& defaults) {
        Add(key, FlagListBinding{values, std::vector<bool>(defaults.begin(), defaults.end())});
    }
    template <size_t N>
    void DoubleList(const char* key, std::array<double, N>& values, const std::array<double, N>& defaults,
                    DoubleRange valid) {
        Add(key, DoubleListBinding{values, std::vector<double>(defaults.begin(), defaults.end()), valid});
    }
    void Color(int n) {
        Add(g_colorIniKeys[n], ColorBinding{&g_savedColors[n], &g_colors[n], g_defaultColors[n]});
    }
    void Size(WindowSizeRecord& record) {
        Add(record.name, SizeBinding{&record.cx, &record.cy, kScreenCoordinates},
            [] { g_bWindowSizesSaved = true; });
    }

    std::vector<PreferenceKey> keys;

private:
    void Add(const char* key, PreferenceBinding binding, std::function<void()> after = {}) {
        keys.push_back({key, section_, std::move(binding), std::move(after)});
    }
    S section_ = S::kDirectory;
};

// Rows of the option table that a key stores, in their section.
#define OPTION_IN_FILE_Calculation(...) __VA_ARGS__
#define OPTION_IN_FILE_Display(...) __VA_ARGS__
#define OPTION_IN_FILE_CurrentState(...) __VA_ARGS__
#define OPTION_IN_FILE_Address(...) __VA_ARGS__
#define OPTION_IN_FILE_Unsaved(...)
#define BIND_OPTION(layer, section, form, type, name, start, key, ...)                                       \
    OPTION_IN_FILE_##section(b.Section(S::k##section);                                                       \
                             b.form(key, name, OptionDefault(start) __VA_OPT__(, ) __VA_ARGS__);)

std::vector<PreferenceKey> BuildKeys() {
    KeyTableBuilder b;
    b.Section(S::kDirectory);
    b.WriteOnly("TavroDirectory", [] { return g_strTavroDirectory; });
    b.WriteOnly("TavroVersion", [] { return std::string(kProgramVersion); });
    OPTION_TABLE(BIND_OPTION)
    b.Section(S::kBodiesToShow);
    for (int i = 0; i < kBodyTypeCount; ++i)
        b.Int(g_bodyTypeNames[i], g_bodyTypeShown[i], g_bodyTypeDefaults[i], kOffOn);
    for (int i = 0; i < kShowInChartsCount; ++i)
        b.Flag(g_showInChartsKeys[i], g_bShowInCharts[i], g_showInChartsDefaults[i] != 0);
    b.Section(S::kColors);
    for (int n = 0; n < kColorCount; ++n) b.Color(n);
    b.Section(S::kWindowSizes);
    for (auto& record : g_windowSizes) b.Size(record);
    return std::move(b.keys);
}

} // namespace

std::span<const PreferenceKey> PreferenceKeys() {
    static const std::vector<PreferenceKey> keys = BuildKeys();
    return keys;
}

const PreferenceKey* FindPreferenceKey(std::string_view name) {
    const auto keys = PreferenceKeys();
    const auto found =
        std::find_if(keys.begin(), keys.end(), [&](const PreferenceKey& k) { return k.key == name; });
    return found == keys.end() ? nullptr : &*found;
}
