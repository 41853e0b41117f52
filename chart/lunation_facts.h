#pragma once
// The lunations the lunar month of a moment rests on (LunationFacts): the last one before it (a new or
// full moon, by the elongation of Moon - Sun in degrees), the one after, the one before when needed, and
// the signs of the Sun and the Moon at them in the chart's zodiac. Julian days are UT.
#include "core/chart_core.h"
#include "core/remembered_searches.h"

// The facts for the moment of `chart` (its place and zone; positions need not be calculated): taken
// back while the time steps between the same two lunations, else found quickly, else searched. A
// lunation the searches do not find is no failure: the facts found before it stay, nothing is remembered.
CalcStatus FindLunationFacts(const CChartCore& chart, double elongation, LunationFacts& facts);

// The facts from lunations placed by tropical positions (CChartCore::LocateLunationSpan), each sign
// taken only when the body cannot leave it within its lunation's span: the same facts the searches give.
// False when a lunation or a sign is uncertain or cannot be found so. `last` is the latest instant its
// lunation may have and `next` the earliest, so that no moment is taken for one between the two
// lunations that is not.
bool FindLunationFactsQuickly(const CChartCore& chart, double elongation, LunationFacts& facts);

// The facts by searches in the chart's zodiac: the last lunation's instant, or the first search that
// found nothing (the facts up to it filled) or failed.
SearchResult SearchLunationFacts(const CChartCore& chart, double elongation, LunationFacts& facts);

// The sign 0-11 one back from the tropical Sun's, for a record with the Sun calculated.
int TropicalSunSignBefore(const CChartCore& chart);
