#include "document/dasa_period.h"

#include <cmath>

#include "core/chart_helpers.h"
#include "core/text_format.h"

namespace {

// A bound not found reads as a fresh moment in the zone.
CLocalDateTime LocalBound(double jdUt, const CHmsTime& zone) {
    if (std::isnan(jdUt)) {
        CLocalDateTime none;
        none.m_zone = zone;
        return none;
    }
    return LocalMomentInSplitZone(jdUt, zone);
}

// A bound's date and time as its texts show them: to the second, the date of the rounded moment.
std::string DateText(double jdUt, const CHmsTime& zone) {
    return std::isnan(jdUt) ? std::string() : LocalBound(jdUt, zone).RoundedToSecond().FormatDate();
}

std::string TimeText(double jdUt, const CHmsTime& zone, bool amPm) {
    if (std::isnan(jdUt)) return {};
    const CHmsTime time = LocalBound(jdUt, zone).RoundedToSecond().m_time;
    return amPm ? time.FormatHmsAmPm() : time.FormatHms();
}

} // namespace

CLocalDateTime CDasaPeriod::Start() const {
    return LocalBound(dStartJd, zone);
}

CLocalDateTime CDasaPeriod::End() const {
    return LocalBound(dEndJd, zone);
}

std::string CDasaPeriod::StartDate() const {
    return DateText(dStartJd, zone);
}

std::string CDasaPeriod::StartTime() const {
    return TimeText(dStartJd, zone, bAmPm);
}

std::string CDasaPeriod::EndDate() const {
    return DateText(dEndJd, zone);
}

std::string CDasaPeriod::EndTime() const {
    return TimeText(dEndJd, zone, bAmPm);
}

std::string CDasaPeriod::Name() const {
    std::string name;
    if (m_lordNames[0] == nullptr) {
        name = m_text;
    } else {
        name = m_lordNames[0];
        for (const char* lord : {m_lordNames[1], m_lordNames[2]}) {
            if (lord == nullptr) continue;
            name += ':';
            name += lord;
        }
    }
    if (m_levelMark != nullptr) name += m_levelMark;
    return name;
}

void CDasaPeriod::NameByLords(const char* first, const char* second, const char* third) {
    m_lordNames = {first, second, third};
    m_levelMark = nullptr;
}

void CDasaPeriod::NameByText(std::string_view text) {
    OverwriteText(m_text, text);
    m_lordNames[0] = nullptr;
    m_levelMark = nullptr;
}

void CDasaPeriod::NameByText(std::initializer_list<std::string_view> pieces) {
    OverwriteText(m_text, pieces);
    m_lordNames[0] = nullptr;
    m_levelMark = nullptr;
}

void CDasaPeriod::MarkLevel(const char* suffix) {
    m_levelMark = suffix;
}
