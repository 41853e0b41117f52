#pragma once
// The rasi dasas (codes 25-45): periods of the twelve signs, started from a sign chosen by a rule, walked
// in an order that depends on the start, each sign's years by a rule of its own. Each calculator reads
// the chart's sign table, sign strengths, lords and years (analysis/) through its public queries, and
// the varga column and variant it is given. Lengths in dasa years.
#include <span>

#include "document/dasa_codes.h"

// lagnaBody: the body whose sign stands for the lagna: the lagna, or in a Tajaka chart whose dasas
// progress the natal seed, the Muntha (extra point 0, body 102).

// Narayana family (dasa_rasi_narayana.cpp).
enum class NarayanaVariant { kNormal, kPaka, kSama };
CalcStatus CalcNarayanaDasa(const CChart& chart, int column, NarayanaVariant variant, CDasaTree& tree,
                            int lagnaBody = kLagna);
CalcStatus CalcLagnamsakaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcPadanaathaamsaDasa(const CChart& chart, int column, CDasaTree& tree);
CalcStatus CalcLagnaKendradiDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody = kLagna);
// From the atma karaka's sign in the column, or from `karakaSign` when it names a sign (0-11).
CalcStatus CalcAtmaKarakaKendradiDasa(const CChart& chart, int column, CDasaTree& tree,
                                      int karakaSign = kNoStartSign);
CalcStatus CalcYogardhaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcParyayaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody = kLagna);

// Chara family (dasa_rasi_chara.cpp).
CalcStatus CalcDrigdasa(const CChart& chart, int column, bool parasara, CDasaTree& tree,
                        int lagnaBody = kLagna);
CalcStatus CalcTrikonaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody = kLagna);
// Chara dasa from the seed body's sign; `seedChart` is the varga chart of the column (for the
// fractional years of the Virgo rule; null without the rule).
struct CharaDasaOptions {
    int column = 0;
    int seedBody = 0;     // 0 the lagna
    int progressBody = 0; // body whose sign the progression starts from
    bool virgoRule = false;
    bool compressed = false;
};
CalcStatus CalcCharaDasa(const CChart& chart, const CChart* seedChart, const CharaDasaOptions& options,
                         CDasaTree& tree);
CalcStatus CalcCharaDasaKNRao(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcIrangantiCharaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);

// Ayur dasas and Sudasa (dasa_rasi_ayur.cpp).
CalcStatus CalcSudasa(const CChart& chart, int subPeriodOption, CDasaTree& tree);
// Shoola dasa from house `house` after the lagna (0 the lagna); sub-periods from the sign (0), the
// stronger of it and its 7th (1) or the sign of that one's lord (2).
CalcStatus CalcShoolaDasa(const CChart& chart, int house, int subPeriodStart, CDasaTree& tree,
                          int lagnaBody = kLagna);
CalcStatus CalcNiryanaShoolaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcBrahmaDasa(const CChart& chart, CDasaTree& tree);
CalcStatus CalcSthiraDasa(const CChart& chart, CDasaTree& tree);
CalcStatus CalcMandookaDasaD11(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcMandookaDasaKNRao(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcNavamsaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);
CalcStatus CalcVarnadaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody = kLagna);

// The table's entry: options from the globals, then the code's calculator.
CalcStatus RunRasiDasa(const DasaInput& input, CDasaTree& tree);
