#pragma once
// Outcomes of ephemeris calculations. A calculation that the library refuses (a moment outside its
// files, a missing star catalogue, an unknown star) carries the library's message for the user instead
// of whatever the library left in its output array.
#include <string>
#include <utility>

struct [[nodiscard]] CalcStatus {
    std::string error; // empty when the calculation succeeded

    bool ok() const { return error.empty(); }
    static CalcStatus Failure(std::string message) {
        return {message.empty() ? std::string("The ephemeris calculation failed.") : std::move(message)};
    }
};

// A value in the units its producer names (degrees for longitudes and ayanamsas), or the failure.
struct [[nodiscard]] CalcValue {
    double value = 0.0;
    CalcStatus status;

    bool ok() const { return status.ok(); }
    static CalcValue Failure(std::string message) { return {0.0, CalcStatus::Failure(std::move(message))}; }
};
