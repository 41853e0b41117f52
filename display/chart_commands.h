#pragma once
// Command ids of the chart views' context menus.

enum ChartCommand {
    kCmdRasiChakra = 32777,
    kCmdVargaD9 = 32778,
    kCmdFirstVarga = 32782, // D-2 ... D-30: 32782-32796 select columns 2-16
    kCmdVargaD40 = 32797,
    kCmdVargaD45 = 32798,
    kCmdVargaD60 = 32799,
    kCmdVargaD108 = 32800,
    kCmdVargaD81 = 33239,
    kCmdVargaD144 = 33063,
    kCmdBhavaChakra = 33009,
    kCmdAutomatic = 32801,
    kCmdNatalOnly = 32802,
    kCmdStandardView = 32803,
    kCmdStandardWithArudhas = 33211,
    kCmdUpagrahaView = 32805,
    kCmdGrahaArudhaView = 32806,
    kCmdDualGrahaArudhaView = 33081,
    kCmdChandraArudhaView = 33107,
    kCmdSuryaArudhaView = 33108,
    kCmdVarnadaView = 32807,
    kCmdCharaKarakaView = 32894,
    kCmdSpecialLagnaView = 33052,
    kCmdHighlightGrahaDrishti = 32808,
    kCmdHighlightRasiDrishti = 32809,
    kCmdHighlightOwned = 32810,
    kCmdHighlightArgala = 32811,
    kCmdHighlightVirodhargala = 32812,
    kCmdHighlightMoolatrikona = 32815,
    kCmdHighlightExalted = 32816,
    kCmdHighlightDebilitated = 32817,
    kCmdHighlightPlanetRasiDrishti = 32819,
    kCmdPermanentRelations = 32944,
    kCmdTemporaryRelations = 32945,
    kCmdCompoundRelations = 32946,
    kCmdMaranaKarakaSthana = 33113,
    kCmdChartFromThisHouse = 32914,
    kCmdLagnaSignChange = 33076,
    kCmdPachakadiPlanet = 33109,
    kCmdPachakadiRasi = 33110,
    kCmdPlanetSignChange = 33160,
    kCmdBirthTimePreviousSign = 33187,
    kCmdBirthTimeNextSign = 33186,
    kCmdUndoLatestBirthTimeChange = 33188,
    kCmdUndoAllBirthTimeChanges = 33189,
    kCmdShowAshtakavarga = 32827,
    kCmdAspectTableOfPane = 33387,
    kCmdCustomVarga = 33375,
    kCmdSubVarga = 33368,
    kCmdPackedChartMode = 33287,
};

// The bases of the bhava/chalit chakra, varga columns 0-22 in order.
constexpr int kBhavaBaseCommands[23] = {33330, 33332, 33333, 33334, 33335, 33336, 33337, 33339,
                                        33341, 33344, 33346, 33348, 33350, 33352, 33354, 33355,
                                        33356, 33357, 33358, 33359, 33360, 33361, 33362};

// The toggle of optional body group 0-10 of the standard view.
constexpr int kOptionalBodyCommands[11] = {33053, 33054, 33055, 33056, 33057, 33058,
                                           33059, 33060, 33061, 33064, 33065};
