// CTavroDoc and its chart file: writing the natal birth data, and reading them back into the natal
// chart, which is then calculated.
#include <cmath>
#include <filesystem>
#include <memory>
#include <string_view>

#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/vocabulary_names.h"
#include "document/birth_time_undo.h"
#include "document/chart_file.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"

namespace {

// Hours within which a zone read back equals a stored zone: the packed zone's six decimals hold the
// seconds to 0.006 s, the stored zones' six decimals the hours to 0.0018 s.
constexpr double kStoredZonePrecision = 1e-5;

ChartFileValues ValuesOf(const CChart& natal, const CLocalDateTime& birth) {
    ChartFileValues v;
    v.count = kChartFileValueCount;
    v.month = birth.m_nMonth;
    v.day = birth.m_nDay;
    v.year = birth.m_nYear;
    v.packedTime = PackHms(birth.m_time);
    v.packedZone = PackHms(birth.m_zone);
    v.packedLongitude = PackDms(natal.m_longitude);
    v.packedLatitude = PackDms(natal.m_latitude);
    v.altitude = natal.m_dAltitude;
    v.standardZone = natal.m_dStandardZone;
    v.daylightZone = natal.m_dDstZone;
    v.dstFlag = natal.m_bDst;
    v.placeCode = natal.m_nPlaceCode;
    v.city = natal.m_strCity;
    v.state = natal.m_strState;
    v.calendarFlag = g_nCalendarFlag;
    v.pressure = natal.m_dPressure;
    v.temperature = natal.m_dTemperature;
    v.gender = natal.m_nGender;
    return v;
}

// The moment and place of the values, which every file has.
void SetMomentAndPlace(const ChartFileValues& v, CChartCore& chart) {
    chart.m_dateTime.m_nYear = v.year;
    chart.m_dateTime.m_nMonth = v.month;
    chart.m_dateTime.m_nDay = v.day;
    UnpackHms(v.packedTime, chart.m_dateTime.m_time);
    UnpackHms(v.packedZone, chart.m_dateTime.m_zone);
    UnpackDms(v.packedLongitude, chart.m_longitude);
    UnpackDms(v.packedLatitude, chart.m_latitude);
}

// The values a file holds, and the defaults for the ones a shorter file lacks.
void SetBirthData(const ChartFileValues& v, CChart& natal) {
    SetMomentAndPlace(v, natal);
    natal.m_dAltitude = v.count >= 8 ? v.altitude : g_dDefaultAltitude;
    CHmsTime& zone = natal.m_dateTime.m_zone;
    if (v.count >= 11) {
        natal.m_dStandardZone = v.standardZone;
        natal.m_dDstZone = v.daylightZone;
        natal.m_bDst = v.dstFlag != 0 ? 1 : 0;
        // The packed zone keeps seconds to a few milliseconds and the stored zones six decimals, so a
        // zone with seconds (a local mean time) reads back a hair off its stored zone. Taken as it is,
        // the calculation would find it equal to neither and overwrite both and the DST flag.
        for (const double stored : {natal.m_dStandardZone, natal.m_dDstZone}) {
            if (std::fabs(zone.m_dHours - stored) < kStoredZonePrecision) {
                zone.m_dHours = stored;
                zone.SplitHours();
            }
        }
    } else {
        natal.m_dStandardZone = zone.m_dHours;
        natal.m_dDstZone = zone.m_dHours;
        natal.m_bDst = 0;
    }
    natal.m_nPlaceCode = v.count >= 14 ? v.placeCode : 0;
    natal.m_strCity = v.count >= 14 ? v.city : "Unknown";
    natal.m_strState = v.count >= 14 ? v.state : "Unknown";
    g_nCalendarFlag = v.count >= 15 ? v.calendarFlag : 1;
    natal.m_dPressure = v.count >= 17 ? v.pressure : g_dDefaultPressure;
    natal.m_dTemperature = v.count >= 17 ? v.temperature : g_dDefaultTemperature;
    natal.m_nGender = v.count >= 18 ? v.gender : g_nDefaultGender;
}

// The chart a file brings, calculated with its dasa apart from the document, in natal mode as the
// document will calculate it. Open is all or nothing: a chart that fails here never reaches the
// document. The calendar flag and the dasa's seed name, which the calculation reads or writes, are
// put back.
CalcStatus TryIncomingChart(const ChartFileValues& values, const CChart& natal) {
    const CScopedOption<int> calendar(g_nCalendarFlag, g_nCalendarFlag);
    const CScopedOption<bool> compression(g_bDasaCompression, false);
    const CScopedOption<std::string> seedName(g_strDasaSeedName, g_strDasaSeedName);
    const CScopedOption<bool> seedNameValid(g_bDasaSeedNameValid, g_bDasaSeedNameValid);
    // A copy keeps the chart's own points and settings; it is its own natal and analysis chart.
    CChart incoming = natal;
    incoming.m_pNatalChart = nullptr;
    incoming.m_pAnalysisChart = nullptr;
    SetBirthData(values, incoming);
    if (CalcStatus status = incoming.ComputeAll(false); !status.ok()) return status;
    const auto tree = std::make_unique<CDasaTree>();
    return CalculateDasa({incoming, incoming, kModeNatal, 0}, *tree);
}

} // namespace

DocumentStatus CTavroDoc::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.Write(WriteChartText());
    } else if (DocumentStatus status = ReadChartText(archive.ReadAll(), archive.FileName()); !status.ok()) {
        return status;
    }
    g_birthTimeUndo.Clear();
    g_birthTimeUndo.Push(m_natalChart.GetJulianDay());
    return {};
}

FileSizeLimit CTavroDoc::FileLimit() const {
    return kChartFileLimit;
}

bool CTavroDoc::IsModified() const {
    return CDocument::IsModified() || WriteChartText() != m_strSavedChartText;
}

void CTavroDoc::SetModifiedFlag(bool modified) {
    if (!modified) m_strSavedChartText = WriteChartText();
    CDocument::SetModifiedFlag(modified);
}

std::string CTavroDoc::WriteChartText() const {
    // The file keeps the birth zone; a zone shown for the moment stays with the chart.
    CLocalDateTime birth = m_natalChart.m_dateTime;
    if (g_bZoneOverride) birth.ChangeZone(g_dBirthZone);
    return FormatChartText(ValuesOf(m_natalChart, birth));
}

DocumentStatus CTavroDoc::ReadChartText(std::string_view text, const std::string& fileName) {
    const ChartFileParse parse = ParseChartText(text, fileName);
    if (!parse.ok()) return DocumentStatus::Failure(parse.error);

    const auto refused = [&fileName](const CalcStatus& status) {
        return DocumentStatus::Failure("The chart in \"" + fileName +
                                       "\" cannot be calculated: " + status.error);
    };
    if (CalcStatus status = TryIncomingChart(parse.values, m_natalChart); !status.ok())
        return refused(status);

    SetBirthData(parse.values, m_natalChart);
    ResetForIncomingChart();
    SyncChartPlace();
    m_nSubMode = 0;
    if (CalcStatus status = Calculate(0); !status.ok()) return refused(status);
    return {};
}

void CTavroDoc::UpdateChartBaseName() {
    g_strChartBaseName = ChartBaseName(GetPathName());
}

std::string ChartBaseName(const std::string& path) {
    const std::string fileName = std::filesystem::path(path).filename().string();
    for (const std::string_view extension : {".tvd", ".dat"}) {
        if (fileName.size() > extension.size() && fileName.ends_with(extension))
            return path.substr(0, path.size() - extension.size());
    }
    return path;
}

DocumentStatus NewChart(CTavroDoc& document) {
    document.NewDocument();
    if (document.NewChartStatus().ok()) return {};
    return DocumentStatus::Failure("The chart of the present moment cannot be calculated: " +
                                   document.NewChartStatus().error);
}

DocumentStatus OpenCommandLineChart(CTavroDoc& document, const std::string& path) {
    DocumentStatus status = document.OnOpenDocument(path);
    if (status.ok()) return status;
    if (const DocumentStatus instead = NewChart(document); !instead.ok())
        status.error += "\n\n" + instead.error;
    return status;
}
