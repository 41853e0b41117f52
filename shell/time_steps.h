#pragma once
// The time steps of the birth-time and transit-time tool bars: the unit chosen in the step box moves a
// local date and time backward or forward.
#include "core/angle_time.h"

// The units in the step boxes' order.
enum TimeStepUnit : int {
    kStepSecond = 0,
    kStepFifteenSeconds = 1,
    kStepMinute = 2,
    kStepHour = 3,
    kStepDay = 4,
    kStepMonth = 5,
    kStepYear = 6,
};

// Moves the local date and time (its zone kept) one `unit` backward or forward (`forward`). Units up to
// a day move the clock through the calendar; a month or a year changes those fields only, the day
// clamped to the new month's length (31 January + 1 month is 28 or 29 February). A unit outside 0-6
// moves nothing.
void StepLocalDateTime(CLocalDateTime& moment, int unit, bool forward);

// The local date and time (its zone kept) moved by `days` (negative: back) through the calendar.
void ShiftLocalDateTimeByDays(CLocalDateTime& moment, double days);
// The month moved by `months` (negative: back), carrying into the year; the day clamped to the new
// month's length; the time of day kept.
void ShiftLocalDateTimeByMonths(CLocalDateTime& moment, int months);
