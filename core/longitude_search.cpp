#include "core/longitude_search.h"

#include <utility>

#include "core/angle_math.h"

double SearchValueDifference(double x, double y, double c) {
    return AngleDiff(x, y + c);
}

double SearchValueSum(double x, double y, double c) {
    return AngleSum(x, y + c);
}

double SearchValueMidpoint(double x, double y, double c) {
    return AngleMidpoint(x, y, c);
}

SearchResult SearchResult::NotFound() {
    return {SearchOutcome::kNotFound, 0.0,
            CalcStatus::Failure("No such moment was found within the time span searched.")};
}

SearchResult SearchResult::Failed(CalcStatus status) {
    if (status.ok()) status = CalcStatus::Failure("");
    return {SearchOutcome::kFailed, 0.0, std::move(status)};
}

SearchResult SearchResult::Invalid(const std::string& message) {
    return Failed(CalcStatus::Failure(message));
}
