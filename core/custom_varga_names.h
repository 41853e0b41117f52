#pragma once
// Names and divisors of the two varga columns the user defines: the D-N of column 23 and the composite
// "D-n of D-m" of column 24.

// Rebuilds, from g_nCustDivSettings and DmDnChartDm/DmDnChartDn, the labels and titles of columns 23
// ("D-12") and 24 ("D-10 x D-9", "D-10 x Navamsa"), entry 24 of the chart language's varga names (the
// two names run together) and divisors 23 and 24 (N, and divisor m x divisor n). A division that is not
// defined (IsValidCustomDivision, IsValidCompositeVarga) gets empty names and divisor 1: its column
// then holds the rasi signs. Call after every change of those settings.
void BuildCustomVargaNames();
