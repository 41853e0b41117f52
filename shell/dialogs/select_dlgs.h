#pragma once
// The choosers of one thing of the natal chart in a divisional chart, opened by the Sarvatobhadra
// chakra's special-point commands and the chart views: a tara, a special nakshatra, a special tithi,
// a house from a reference, a body, and the base planet. Members are list indices, -1 = unset; each
// has the varga too (m_nVarga, CVargaChooserDlg).
#include <array>
#include <vector>

#include "shell/dialogs/chooser_dlg.h"

// "Select a tara under nava-tara scheme": tara 0 "Janma tara (birth)" .. 8 "Parama mitra tara (good
// friend)" counted from the natal Moon's star.
class CSelectTaraDlg : public CVargaChooserDlg {
public:
    explicit CSelectTaraDlg(QWidget* parent);
    int m_nTara = -1;
};

// "Select a special nakshatra": 0 "Janma" .. 10 "Maanasa".
class CSelectNakshatraDlg : public CVargaChooserDlg {
public:
    explicit CSelectNakshatraDlg(QWidget* parent);
    int m_nNakshatra = -1;
};

// "Select a special tithi": 0 "Janma tithi (1st)" .. 11 "Vyaya tithi (12th)".
class CSelectTithiDlg : public CVargaChooserDlg {
public:
    explicit CSelectTithiDlg(QWidget* parent);
    int m_nTithi = -1;
};

// The lagnas and planets a house or a star can be taken from, in list order, as body numbers:
// Lagna, Arudha lagna, Upapada lagna, Hora lagna, Ghati lagna, Bhava lagna, Varnada lagna, Sun .. Ketu.
inline constexpr std::array<int, 16> kLagnaFirstBodies = {0, 59, 70, 14, 15, 13, 47, 1,
                                                          2, 3,  4,  5,  6,  7,  8,  9};
// The same bodies with the planets first: Sun .. Ketu, then Lagna .. Varnada lagna.
inline constexpr std::array<int, 16> kPlanetFirstBodies = {1, 2, 3,  4,  5,  6,  7,  8,
                                                           9, 0, 59, 70, 14, 15, 13, 47};

// "Select a house": house 0 "1st" .. 11 "12th" counted from a reference (its body number is
// kLagnaFirstBodies[m_nReference]) in a varga.
class CSelectHouseDlg : public CVargaChooserDlg {
public:
    explicit CSelectHouseDlg(QWidget* parent);
    int m_nHouse = -1;
    int m_nReference = -1;
};

// "Select a planet": a body (its body number is kPlanetFirstBodies[m_nChoice]) in a varga.
class CSelectPlanetDlg : public CVargaChooserDlg {
public:
    explicit CSelectPlanetDlg(QWidget* parent);
    int m_nChoice = -1;
};

// "Select a planet as base": one of `bodies` (body numbers in list order; by default Lagna (0) ..
// PanchaSphuta (44) in body order) and the division. m_nBody is the list position; the caller reads the
// body through ChosenBody, since a list need not run in body order.
class CBasePlanetDlg : public CVargaChooserDlg {
public:
    static constexpr int kBodyCount = 45;
    explicit CBasePlanetDlg(QWidget* parent, std::vector<int> bodies = DefaultBodies());
    int m_nBody = -1;

    // The body number of the chosen entry; -1 when none is chosen.
    int ChosenBody() const;
    // Chooses the entry of `body`; none when the list does not hold it.
    void PresetBody(int body);
    const std::vector<int>& Bodies() const { return m_bodies; }
    // Lagna (0) .. PanchaSphuta (44).
    static std::vector<int> DefaultBodies();

private:
    std::vector<int> m_bodies;
};
