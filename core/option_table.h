#pragma once
// Every option of the program, once, in the order of the preference file: its layer, file section,
// value form, type, global, start value, preference-file key and the values the key accepts. The
// globals, their start values, the preference bindings and the snapshot of all options are all made
// from this table; adding an option is adding its row.
//
// ROW(layer, section, form, type, global, start, key, accepted...):
// - layer: Core (a calculation option the core holds), Document (an option of the document and its
//   dasa systems, document/document_options.h), Shell (display state the shell holds) or Member (a field
//   of a record declared elsewhere: bound to the file, not declared here).
// - section: the preference-file section; Unsaved for the options no key stores (their key is nullptr).
// - form: how the file writes the value, the name of the preference binding (shell/preference_keys.cpp).
// - start: the value the global starts with and the key's default. SetAtStartUp(value) starts the global
//   empty and lets only the preferences' start-up put the default in (the default place).
// - accepted: the range a read value must lie in (Ints, Doubles or a named range), a text form, or a
//   function run after the key is read.
// Tokens of a row are compiled only by the layers that use them: range names and text forms only where
// the preference file is bound, Document rows only in the document and above, Shell rows only in the
// shell.
//
// Two names of one value: the custom D-N record is g_nCustDivSettings (the dialog and the file also
// call it g_bCustDivSettings, g_bsCustDivSettings and g_nsCustDivSettings); D-81's variant is
// g_nD81Variant (the chart views call it g_nD81Preference).
// clang-format off
#define OPTION_TABLE(ROW) \
    ROW(Core, Calculation, Angle, CDmsAngle, g_defaultLongitude, SetAtStartUp(-(75 + 46 / 60.0 + 6 / 3600.0)), "DefaultLongitude", Doubles(-180, 180)) /* degrees, positive west */ \
    ROW(Core, Calculation, Angle, CDmsAngle, g_defaultLatitude, SetAtStartUp(23 + 10 / 60.0 + 48 / 3600.0), "DefaultLatitude", Doubles(-90, 90)) /* degrees, positive north */ \
    ROW(Core, Calculation, Double, double, g_dDefaultAltitude, SetAtStartUp(491.0), "DefaultAltitude", Doubles(kMinAltitude, kMaxAltitude)) /* metres */ \
    ROW(Core, Calculation, Zone, CHmsTime, g_defaultTimeZone, SetAtStartUp(-5.5), "DefaultTimeZone", Doubles(-24, 24)) /* hours, positive west */ \
    ROW(Core, Calculation, Zone, CHmsTime, g_defaultSummerTimeZone, SetAtStartUp(-5.5), "DefaultSummerTimeZone", Doubles(-24, 24)) /* hours, positive west */ \
    ROW(Core, Calculation, Int, int, g_nDefaultLocationCountryCode, SetAtStartUp(kIndiaRegionRow), "DefaultLocationCountryCode", Ints(0, kRegionCount - 1)) \
    ROW(Core, Calculation, Text, std::string, g_strDefaultLocationCityName, SetAtStartUp("Ujjain"), "DefaultLocationCityName", TextForm::kBlanksAsCaret) \
    ROW(Core, Calculation, Text, std::string, g_strDefaultLocationCountryName, SetAtStartUp("India"), "DefaultLocationCountryName", TextForm::kBlanksAsCaret) \
    ROW(Core, Calculation, Int, int, g_nHoraPreference, 6, "HoraPreference", Ints(0, 11)) /* (D-2) */ \
    ROW(Core, Calculation, Int, int, g_nD3Preference, 0, "D3Preference", Ints(0, 4)) \
    ROW(Core, Calculation, Int, int, g_nD4Preference, 0, "D4Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD5Preference, 0, "D5Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD7Preference, 0, "D7Preference", Ints(0, 2)) \
    ROW(Core, Calculation, Int, int, g_nD8Preference, 0, "D8Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD9Preference, 0, "D9Preference", Ints(0, 3)) \
    ROW(Core, Calculation, Int, int, g_nD10Preference, 0, "D10Preference", Ints(0, 4)) \
    ROW(Core, Calculation, Int, int, g_nD11Preference, 0, "D11Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD12Preference, 0, "D12Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD16Preference, 0, "D16Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD20Preference, 0, "D20Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD24Preference, 1, "D24Preference", Ints(0, 2)) \
    ROW(Core, Calculation, Int, int, g_nD27Preference, 0, "D27Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD30Preference, 0, "D30Preference", Ints(0, 2)) \
    ROW(Core, Calculation, Int, int, g_nD60Preference, 0, "D60Preference", Ints(0, 3)) \
    ROW(Core, Calculation, Int, int, g_nD108Preference, 1, "D108Preference", Ints(0, 1)) \
    ROW(Core, Calculation, Int, int, g_nD150Preference, 1, "D150Preference", kOffOn) /* 0 uniform parts, any other value Chandra Kala Nadi parts */ \
    ROW(Core, Calculation, Int, int, g_nD150NamePreference, 0, "D150NamePreference", kOffOn) \
    ROW(Core, Calculation, Int, int, g_nVyatipataMethod, 0, "VyatipataMethod", kOffOn) \
    ROW(Core, Calculation, IntList, UpagrahaRiseMethods, g_nUpagrahaRiseMethod, (UpagrahaRiseMethods{1, 1, 1, 1, 1, 0}), "UpagrahaRiseMethod", Ints(0, 2)) \
    ROW(Core, Calculation, Flag, bool, g_bMandiInSaturnPortion, true, "MandiInSaturnPortion") \
    ROW(Core, Calculation, Flag, bool, g_bGulikaInSaturnPortion, true, "GulikaInSaturnPortion") \
    ROW(Core, Calculation, Flag, bool, g_bTopocentricPositions, false, "TopocentricPositions") /* positions seen from the chart's place */ \
    ROW(Core, Calculation, Flag, bool, g_bTruePositions, true, "TruePositions") /* geometric positions, no light-time or aberration */ \
    ROW(Core, Calculation, Flag, bool, g_bNoNutation, false, "NoNutation") \
    ROW(Core, Calculation, Flag, bool, g_bNoAberration, false, "NoAberration") \
    ROW(Core, Calculation, Flag, bool, g_bNoGravDeflection, false, "NoGravDeflection") \
    ROW(Core, Calculation, Flag, bool, g_bApparentRefraction, false, "ApparentRefraction") /* refracted positions (only without TruePositions) */ \
    ROW(Core, Calculation, Flag, bool, g_bTrueNodes, false, "TrueNodes") /* true instead of mean lunar node for Rahu and Ketu */ \
    ROW(Core, Calculation, IntFlag, int, g_nLagnaUsedInMoolaDasa, 1, "LagnaUsedInMoolaDasa") \
    ROW(Core, Calculation, IntFlag, int, g_nMoonUsedInMoolaDasa, 1, "MoonUsedInMoolaDasa") \
    ROW(Core, Calculation, IntFlag, int, g_nSunUsedInMoolaDasa, 1, "SunUsedInMoolaDasa") \
    ROW(Core, Calculation, IntFlag, int, g_nMoolaDasaNoCorrectionInMoolaTrikona, 0, "MoolaDasaNoCorrectionInMoolaTrikona") \
    ROW(Member, Calculation, Int, int, g_ayanamsaSettings.m_nAyanamsaId, kAyanamsaTrueLahiri, "UserSelectedAyanamsa", Ints(0, kAyanamsaCount - 1)) \
    ROW(Member, Calculation, AyanamsaCorrection, double, g_ayanamsaSettings, 0.0, "DeltaFromUserSelectedAyanamsa", Doubles(-360, 360)) \
    ROW(Core, Calculation, Int, int, g_nHouseTypeWanted, 1, "HouseTypeWanted", Ints(0, 11)) \
    ROW(Core, Calculation, Flag, bool, g_bHouseCuspsInMiddle, true, "HouseCuspsInMiddle") /* the reference degree is mid-house */ \
    ROW(Core, Calculation, Int, int, g_nBhavaChartVarga, 0, "BhavaChartVarga", Ints(0, 22)) /* base varga column 0-22 */ \
    ROW(Core, Calculation, Int, int, g_nBhavaChartRef, 2, "BhavaChartRef", kBodies) /* reference body number, 0 = lagna */ \
    ROW(Core, Calculation, Flag, bool, g_bHousesFromNodesReversed, true, "HousesFromNodesReversed") /* houses from Rahu/Ketu run backwards */ \
    ROW(Core, Calculation, FlagList, DasaFlags, g_bUseDasaSeedFromNatalInTajaka, kNatalSeedDefaults, "UseDasaSeedFromNatalInTajaka") \
    ROW(Core, Calculation, FlagList, DasaFlags, g_bProgressDasaSeedInTajaka, Filled<DasaFlags>(true), "ProgressDasaSeedInTajaka") \
    ROW(Core, Calculation, IntList, DasaInts, g_nDasaYearDefinition, Filled<DasaInts>(kDefaultDasaYearDefinition), "YearDefinition", kYearKinds) \
    ROW(Core, Calculation, DoubleList, DasaDoubles, g_dDasaYearLength, Filled<DasaDoubles>(kMeanTropicalYearDays), "YearLength", kYearLengths) \
    ROW(Core, Calculation, Flag, bool, g_bSpecialYearForTajaka, true, "SpecialYearForTajaka") \
    ROW(Core, Calculation, Flag, bool, g_bSpecialYearForTP, true, "SpecialYearForTP") \
    ROW(Core, Calculation, Flag, bool, g_bDasaSeshamInMundaneCharts, true, "DasaSeshamInMundaneCharts") \
    ROW(Core, Calculation, Flag, bool, g_bUseCompundRelationshipInAvasthas, false, "UseCompundRelationshipInAvasthas") \
    ROW(Core, Calculation, Flag, bool, g_bCompoundRelationshipsFromRasi, false, "CompoundRelationshipsFromRasi") \
    ROW(Core, Calculation, Int, int, g_nLifeCycleYearDefinition, kDefaultDasaYearDefinition, "LifeCycleYearDefinition", kYearKinds) \
    ROW(Core, Calculation, Double, double, g_dLifeCycleYearLength, kMeanTropicalYearDays, "LifeCycleYearLength", kYearLengths) \
    ROW(Core, Calculation, Double, double, g_dLifeCycleYears, 144.0, "LifeCycleYears", Doubles(1, 100000)) \
    ROW(Core, Calculation, Int, int, g_nSunriseDefinition, 0, "SunriseDefinition", Ints(0, 3)) \
    ROW(Core, Calculation, Int, int, g_nWeekdayDefinition, 0, "WeekdayDefinition", kDayFrames) \
    ROW(Core, Calculation, Int, int, g_nWeekdayDefinitionKaala, 1, "WeekdayDefinitionKaala", kDayFrames) \
    ROW(Core, Calculation, Int, int, g_nMBTablePreference, 0, "MBTablePreference", kOffOn) \
    ROW(Core, Calculation, Int, int, g_nMBLocationPreference, 2, "MBLocationPreference", Ints(0, 2)) \
    ROW(Core, Calculation, Int, int, g_nUpagrahaDayDefinition, 0, "UpagrahaDayDefinition", kOffOn) \
    ROW(Core, Calculation, Flag, bool, g_bReplaceLagnaInPrasna, false, "ReplaceLagnaInPrasna") \
    ROW(Core, Calculation, Flag, bool, g_bTrueTajaka, true, "TrueTajaka") \
    ROW(Core, Calculation, Flag, bool, g_bTropicalTajaka, false, "TropicalTajaka") \
    ROW(Core, Calculation, Int, int, g_nMunthaPreference, 1, "MunthaPreference", Ints(0, 2)) \
    ROW(Core, Calculation, Int, int, g_nVimsottariStrenfthHelpHouses, 0, "VimsottariStrenfthHelpHouses", kOffOn) \
    ROW(Core, Calculation, FlagList, AshtakavargaSwitches, g_abAshtakaVargaCalculation, Filled<AshtakavargaSwitches>(true), "AshtakaVargaCalculation") \
    ROW(Core, Calculation, Int, int, g_nShoolaDasaAntardasaStart, 1, "ShoolaDasaAntardasaStart", Ints(0, 2)) \
    ROW(Core, Calculation, Int, int, g_nCharaKarakaDefinition, 0, "CharaKarakaDefinition", Ints(0, 3)) \
    ROW(Core, Calculation, Flag, bool, g_bNaisargikaDasaNoADForMDLord, true, "NaisargikaDasaNoADForMDLord") \
    ROW(Core, Calculation, Flag, bool, g_bNaisargikaDasa3rd10thNoAD, false, "NaisargikaDasa3rd10thNoAD") \
    ROW(Core, Calculation, Flag, bool, g_bNaisargikaDasaOthersNoAD, false, "NaisargikaDasaOthersNoAD") \
    ROW(Core, Calculation, Int, int, g_nSwarudhaInAmsaBala, 0, "SwarudhaInAmsaBala", Ints(0, 7)) \
    ROW(Core, Calculation, Flag, bool, g_bCombustionBadInAmsaBala, true, "CombustionBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDispositorCombustionBadInAmsaBala, false, "DispositorCombustionBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDefeatBadInAmsaBala, true, "DefeatBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDispositorDefeatBadInAmsaBala, false, "DispositorDefeatBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bNeechaBadInAmsaBala, true, "NeechaBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDispositorNeechaBadInAmsaBala, false, "DispositorNeechaBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDispositorNeechaRasiBadInAmsaBala, false, "DispositorNeechaRasiBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bPoorVimsopakaBadInAmsaBala, true, "PoorVimsopakaBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDispositorPoorVimsopakaBadInAmsaBala, false, "DispositorPoorVimsopakaBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bSayanadiBadInAmsaBala, true, "SayanadiBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bDispositorSayanadiBadInAmsaBala, false, "DispositorSayanadiBadInAmsaBala") \
    ROW(Core, Calculation, Flag, bool, g_bCombustionSpecialRuleVenusMercury, true, "CombustionSpecialRuleVenusMercury") \
    ROW(Core, Calculation, Int, int, g_nSudasaADOption, 4, "SudasaADOption", Ints(0, 4)) \
    ROW(Core, Calculation, Flag, bool, g_bAshtakaVargaDefinition, true, "AshtakaVargaDefinition") \
    ROW(Core, Calculation, Flag, bool, g_bBhavaDrivenSarvaAshtakaVarga, false, "BhavaDrivenSarvaAshtakaVarga") \
    ROW(Core, Calculation, Int, int, g_nSudarsanaChakraDasaAD, 1, "SudarsanaChakraDasaAD", kOffOn) \
    ROW(Core, Calculation, Int, int, g_nKalachakraDasaCalculation, 5, "KalachakraDasaCalculation", Ints(0, 6)) \
    ROW(Core, Calculation, Flag, bool, g_bKCDRohini4NavamsaInLeo, true, "KCDRohini4NavamsaInLeo") \
    ROW(Core, Calculation, Flag, bool, g_bNodesInArudhas, true, "NodesInArudhas") \
    ROW(Core, Calculation, Flag, bool, g_bExceptionsInBhavaArudhas, true, "ExceptionsInBhavaArudhas") \
    ROW(Core, Calculation, Flag, bool, g_bExceptionsInGrahaArudhas, true, "ExceptionsInGrahaArudhas") \
    ROW(Core, Calculation, Int, int, g_nArudhaBasePlanet, 0, "ArudhaBasePlanet", kBodies) \
    ROW(Core, Calculation, Flag, bool, g_bLongitudeBasedBhavaArudhas, false, "LongitudeBasedBhavaArudhas") \
    ROW(Core, Calculation, Flag, bool, g_bDivLongsInBhavaArudhas, false, "DivLongsInBhavaArudhas") \
    ROW(Core, Calculation, Int, int, g_nArdhaNadiRulerDefinition, 1, "ArdhaNadiRulerDefinition", Ints(0, 2)) /* cycle of the D-150 half-part rulers */ \
    ROW(Core, Calculation, Flag, bool, g_bDrigdasaOfParasara, true, "DrigdasaOfParasara") \
    ROW(Core, Calculation, Flag, bool, g_bSolarMonthUsedInTP, true, "SolarMonthUsedInTP") \
    ROW(Core, Calculation, Int, int, g_nLunarYrDef, 2, "LunarYrDef", Ints(0, 5)) \
    ROW(Core, Calculation, Int, int, g_nLunarYrSign, 11, "LunarYrSign", kSigns) \
    ROW(Core, Calculation, Int, int, g_nSolarYrSign, 0, "SolarYrSign", kSigns) \
    ROW(Core, Calculation, Flag, bool, g_bSolarYrTrop, false, "SolarYrTrop") \
    ROW(Shell, Calculation, Flag, bool, g_bMoreChartsOnBigDisplay, true, "MoreChartsOnBigDisplay", UpdateMoreChartsOnWideDisplay) /* more chart panes on a wide display */ \
    ROW(Core, Calculation, Flag, bool, g_bEightAVInSAV, false, "EightAVInSAV") \
    ROW(Core, Calculation, Flag, bool, g_bSiderealNaksharasInTropical, false, "SiderealNaksharasInTropical") /* Spica-based nakshatras in tropical charts */ \
    ROW(Core, Calculation, Int, int, g_nSiddhanta, 0, "Siddhanta", kOffOn) /* 1 = traditional Surya Siddhanta model, otherwise the ephemeris */ \
    ROW(Core, Calculation, Flag, bool, g_bUse1DegInD30ForDivLong, true, "Use1DegInD30ForDivLong") \
    ROW(Core, Calculation, Double, double, g_dAspectValueMax, 60.0, "AspectValueMax", Doubles(1, 1000)) \
    ROW(Core, Calculation, Flag, bool, g_bAspectEvalAsPerParasara, true, "AspectEvalAsPerParasara") \
    ROW(Core, Calculation, Flag, bool, g_bFixedPlaneInCustomStarAyanamsa, false, "FixedPlaneInCustomStarAyanamsa") /* solar-system plane for the custom star */ \
    ROW(Core, Calculation, Double, double, g_dCustomStarLongitude, 180.0, "CustomStarLongitude", Doubles(0, 360)) /* sidereal longitude the custom star is held at, degrees */ \
    ROW(Core, Calculation, Text, std::string, g_strCustomStarCode, kDefaultCustomStarCode, "CustomStarCode") /* the custom ayanamsa's star, as the library names it */ \
    ROW(Shell, Calculation, Int, int, g_nAspTblPosLeft, 0, "AspTblPosLeft", kScreenCoordinates) /* the aspect table's window, pixels */ \
    ROW(Shell, Calculation, Int, int, g_nAspTblPosRight, 0, "AspTblPosRight", kScreenCoordinates) \
    ROW(Shell, Calculation, Int, int, g_nAspTblPosTop, 0, "AspTblPosTop", kScreenCoordinates) \
    ROW(Shell, Calculation, Int, int, g_nAspTblPosBottom, 0, "AspTblPosBottom", kScreenCoordinates) \
    ROW(Member, Calculation, Int, int, g_nCustDivSettings.nCustDivN, 0, "CustDivSettings.nCustDivN", Ints(0, kMaxCustomDivisions)) \
    ROW(Member, Calculation, Flag, bool, g_nCustDivSettings.bCyclical, false, "CustDivSettings.bCyclical") \
    ROW(Member, Calculation, Flag, bool, g_nCustDivSettings.bHouseAsSeed, false, "CustDivSettings.bHouseAsSeed") \
    ROW(Member, Calculation, Flag, bool, g_nCustDivSettings.bReverseDivsInEvenSigns, false, "sCustDivSettings.bReverseDivsInEvenSigns") \
    ROW(Member, Calculation, Int, int, g_nCustDivSettings.tStart, 0, "sCustDivSettings.tStart", Ints(0, kCustomStartRuleCount - 1)) \
    ROW(Core, Calculation, Flag, bool, g_bTaraDasaParasara, false, "TaraDasaParasara") \
    ROW(Core, Calculation, Flag, bool, g_bTaraDasaDirectionFromStar, false, "TaraDasaDirectionFromStar") \
    ROW(Core, Calculation, Flag, bool, g_bTaraDasaUseSesham, true, "TaraDasaUseSesham") \
    ROW(Core, Calculation, Flag, bool, g_bTaraDasaSeshamRevApasavya, false, "TaraDasaSeshamRevApasavya") \
    ROW(Core, Calculation, Flag, bool, g_bNodalExaltationParasara, false, "NodalExaltationParasara") \
    ROW(Core, Calculation, Flag, bool, g_bPushkaraBhagaJP, true, "PushkaraBhagaJP") \
    ROW(Shell, Calculation, Flag, bool, g_bAutoUpdateOn, true, "AutoUpdateOn") /* check for an update at start-up */ \
    ROW(Shell, Calculation, Flag, bool, g_bAutoUpdateOnTest, false, "AutoUpdateOnTest") /* check the test channel */ \
    ROW(Core, Calculation, Flag, bool, g_bKaalaInDayNightSeparate, true, "KaalaInDayNightSeparate") \
    ROW(Core, Calculation, Flag, bool, g_bDivLongFromEndToo, true, "DivLongFromEndToo") \
    ROW(Core, Calculation, Flag, bool, g_bContinuousSpecialLagnas, false, "ContinuousSpecialLagnas") \
    ROW(Core, Calculation, Flag, bool, g_bCharaDasaExaltationException, true, "CharaDasaExaltationException") \
    ROW(Shell, Display, Int, int, g_nChartLanguage, kChartLanguageEnglish, "ChartLanguage", Ints(0, kChartLanguageCount - 1)) /* 0-11, see chart_labels.h */ \
    ROW(Shell, Display, Int, int, g_nChartStyle, 0, "ChartStyle", kChartStyles) \
    ROW(Shell, Display, Int, int, g_nChartStyle2, 2, "ChartStyle2", kChartStyles) \
    ROW(Shell, Display, Flag, bool, g_bUseTwoChartStyles, false, "UseTwoChartStyles") \
    ROW(Shell, Display, Int, int, g_nMaskedPrintPageMap, 2047, "MaskedPrintPageMap", Ints(0, 2047)) /* one bit per report page */ \
    ROW(Shell, Display, Flag, bool, g_bBlackPrintingWanted, true, "BlackPrintingWanted") \
    ROW(Document, Display, Flag, bool, g_bTimeDisplayWithAmPm, false, "TimeDisplayWithAmPm") \
    ROW(Shell, Display, Int, int, g_nFontSizeSelection, 3, "FontSizeSelection", Ints(0, kFontSizeSteps - 1)) /* zoom step 0-7 */ \
    ROW(Shell, Display, Int, int, g_nChartFontSizeSelection, 3, "ChartFontSizeSelection", Ints(0, kFontSizeSteps - 1)) /* chart-font step 0-7 */ \
    ROW(Shell, Display, Flag, bool, g_bSanskritPlanetNames, false, "SanskritPlanetNames") \
    ROW(Shell, Display, Flag, bool, g_bSanskritRasiNames, false, "SanskritRasiNames") \
    ROW(Core, CurrentState, Int, int, g_nSelectedDasa, 0, "DasaToBeDisplayed", Ints(0, kDasaCodeCount - 1)) \
    ROW(Core, CurrentState, Int, int, g_nNakshatraDasaToBeDisplayed, 0, "NakshatraDasaToBeDisplayed", Ints(0, kNakshatraDasaCodeCount - 1)) \
    ROW(Core, CurrentState, Int, int, g_nRasiDasaToBeDisplayed, 25, "RasiDasaToBeDisplayed", Ints(25, 45)) \
    ROW(Core, CurrentState, Int, int, g_nOtherDasaToBeDisplayed, 60, "OtherDasaToBeDisplayed", Ints(60, kDasaCodeCount - 1)) \
    ROW(Shell, CurrentState, Int, int, g_nCurrentDasaViewType, 0, "CurrentDasaViewType", Ints(0, 2)) \
    ROW(Core, CurrentState, Int, int, g_nNarayanaDasaChart, 0, "NarayanaDasaChart", kVargaColumns) \
    ROW(Core, CurrentState, Int, int, g_nLagnamsakaDasaChart, 1, "LagnamsakaDasaChart", kVargaColumns) \
    ROW(Core, CurrentState, Int, int, g_nPadanathamsaDasaChart, 1, "PadanathamsaDasaChart", kVargaColumns) \
    ROW(Core, CurrentState, Int, int, g_nParyaayaDasaChart, 6, "ParyaayaDasaChart", kVargaColumns) \
    ROW(Shell, CurrentState, IntList, PaneVargas, g_nPaneVarga, (PaneVargas{0, 1, 16, 3, 9, 19, 7, 11, 13, 14, 12, 2, 0, 0, 0}), "DisplayVarga", kVargaColumns) /* varga column 0-28 shown in pane n */ \
    ROW(Core, CurrentState, Int, int, g_nSCDasaVarga, 0, "SCDasaVarga", kVargaColumns) \
    ROW(Shell, CurrentState, Int, int, g_nDasaSearchLevel, 2, "DasaSearchLevel", Ints(0, 6)) \
    ROW(Core, CurrentState, Int, int, g_nBuddhiGatiDasaVarga, 0, "BuddhiGatiDasaVarga", kVargaColumns) \
    ROW(Core, CurrentState, Flag, bool, g_bSpecialLagnaOn, false, "SpecialLagnaOn") \
    ROW(Core, CurrentState, Int, int, g_nSpecialLagnaPlanet, 1, "SpecialLagnaPlanet", Ints(kSun, kKetu)) \
    ROW(Core, CurrentState, Int, int, g_nSpecialLagnaSpeedFactor, 5, "SpecialLagnaSpeedFactor", Ints(-1000, 1000)) \
    ROW(Core, CurrentState, Flag, bool, g_bSpecialLagnaNodesReverse, true, "SpecialLagnaNodesReverse") \
    ROW(Core, CurrentState, Text, std::string, g_strSpecialLagnaName, "Su5", "SpecialLagnaName") \
    ROW(Core, CurrentState, Flag, bool, g_bSpecialPointOn, false, "SpecialPointOn") \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointBehindAfter, 1, "SpecialPointBehindAfter", kOffOn) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointUsePlanet, 1, "SpecialPointUsePlanet", kOffOn) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointUseSaham, 0, "SpecialPointUseSaham", kOffOn) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointUseRasi, 0, "SpecialPointUseRasi", kOffOn) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointUseMidPoint, 0, "SpecialPointUseMidPoint", kOffOn) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointPlanetIndex, 0, "SpecialPointPlanetIndex", kBodies) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointSahamIndex, 0, "SpecialPointSahamIndex", Ints(0, kSahamCount - 1)) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointSignIndex, 0, "SpecialPointSignIndex", kSigns) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointPlanetIndex1, 0, "SpecialPointPlanetIndex1", kBodies) \
    ROW(Core, CurrentState, Int, int, g_nSpecialPointPlanetIndex2, 0, "SpecialPointPlanetIndex2", kBodies) \
    ROW(Core, CurrentState, Text, std::string, g_strSpecialPointName, "Special Point", "SpecialPointName") \
    ROW(Core, CurrentState, Text, std::string, g_strSpecialPointSymbol, "SP", "SpecialPointSymbol") \
    ROW(Core, CurrentState, Double, double, g_dSpecialPointDeg, 0.0, "SpecialPointDeg", Doubles(0, 360)) \
    ROW(Core, CurrentState, Double, double, g_dSpecialPointMin, 0.0, "SpecialPointMin", Doubles(0, 60)) \
    ROW(Core, CurrentState, Double, double, g_dSpecialPointSec, 0.0, "SpecialPointSec", Doubles(0, 60)) \
    ROW(Shell, CurrentState, Int, int, g_nAmsaRulerVarga, 25, "AmsaRulerVarga", Ints(0, INT_MAX), NormaliseAmsaRulerVarga) \
    ROW(Core, CurrentState, IntList, NakshatraDasaInts, g_nNakshatraDasaStartPoint, kNakshatraDasaStartPointDefaults, "NakshatraDasaStartPoint", Ints(0, 20)) \
    ROW(Core, CurrentState, IntList, NakshatraDasaInts, g_nNaksDasaADMethod, NakshatraDasaInts{}, "NaksDasaADMethodPreference", Ints(0, 5)) \
    ROW(Core, CurrentState, IntList, NakshatraDasaInts, g_nNakshatraDasaShift, NakshatraDasaInts{}, "NakshatraDasaShift", Ints(0, 32)) \
    ROW(Core, CurrentState, FlagList, NakshatraDasaFlags, g_bAntiZodiacalDasa, NakshatraDasaFlags{}, "AntiZodiacalDasa") \
    ROW(Shell, CurrentState, Int, int, g_nTimeAdjBase, 2, "TimeAdjBase", kTimeStepUnits) /* birth-time step unit 0-6 ("Sec" ... "Year") */ \
    ROW(Shell, CurrentState, Int, int, g_nTranTimeAdjBase, 4, "TranTimeAdjBase", kTimeStepUnits) /* transit-time step unit 0-6 */ \
    ROW(Core, CurrentState, Int, int, g_nDmDnChartDm, 9, "DmDnChartDm", kVargaColumns) /* the outer chart, column 0-28 */ \
    ROW(Core, CurrentState, Int, int, g_nDmDnChartDn, 1, "DmDnChartDn", Ints(0, 19)) /* the division applied to it, column 0-19 */ \
    ROW(Shell, Address, Text, std::string, g_strJyotishiAddress, kDefaultJyotishiAddress, "JyotishiAddress", TextForm::kLineBreaksAsMarker) \
    ROW(Core, Unsaved, Int, int, g_nCalendarFlag, 1, nullptr) /* 1 Gregorian, 0 Julian calendar */ \
    ROW(Core, Unsaved, Double, double, g_dDefaultPressure, kDefaultAirPressure, nullptr) /* mbar: a new chart's air pressure */ \
    ROW(Core, Unsaved, Double, double, g_dDefaultTemperature, kDefaultAirTemperature, nullptr) /* degrees C */ \
    ROW(Core, Unsaved, Int, int, g_nDefaultGender, 0, nullptr) \
    ROW(Core, Unsaved, Int, int, g_nD81Variant, 0, nullptr) /* set for the session by the chart view */ \
    ROW(Core, Unsaved, Int, int, g_nBhavaReferenceBody, 0, nullptr) /* body the houses count from, 0 lagna */ \
    ROW(Core, Unsaved, Int, int, g_nTransitRefVarga, 0, nullptr) /* column of the Moon the murtis count from, and of the transit tables' natal reference */ \
    ROW(Core, Unsaved, Int, int, g_nTransitRefBody, 2, nullptr) /* natal body the transit tables count houses from: 2 Moon, 0 lagna, 59 arudha lagna */ \
    ROW(Core, Unsaved, Flag, bool, g_bZoneOverride, false, nullptr) /* the chart is shown in another zone than its birth zone */ \
    ROW(Core, Unsaved, Double, double, g_dBirthZone, 0.0, nullptr) /* hours, positive west */ \
    ROW(Core, Unsaved, Double, double, g_dOverrideZone, 0.0, nullptr) /* the zone shown while g_bZoneOverride, hours, positive west */ \
    ROW(Core, Unsaved, Flag, bool, g_bYogaListOnly, false, nullptr) /* the yogas view lists the catalogue instead of testing */ \
    ROW(Core, Unsaved, Int, int, g_nTithiPraveshaKind, kPraveshaTithi, nullptr) /* the Tithi Pravesha pane's choice */ \
    ROW(Core, Unsaved, Int, int, g_nMunthaReference, 0, nullptr) /* body whose natal place starts the Muntha: 0 lagna, 1 Sun, 2 Moon */ \
    ROW(Core, Unsaved, Flag, bool, g_bExtendedBodies, false, nullptr) /* body lists offer 71 bodies instead of 47 */ \
    ROW(Core, Unsaved, Flag, bool, g_bUse28Nakshatras, true, nullptr) /* star counts of the tara and nakshatra-aspect tables run over 28 stars with Abhijit */ \
    ROW(Core, Unsaved, Flag, bool, g_bAspectedForceNatal, true, nullptr) /* aspect evaluation: aspected positions from the natal chart in any mode */ \
    ROW(Core, Unsaved, Flag, bool, g_bAspectingForceNatal, false, nullptr) /* aspect evaluation: aspecting planets from the natal chart in any mode */ \
    ROW(Core, Unsaved, Int, int, g_nAspectedVarga, 0, nullptr) /* aspect evaluation: varga column 0-22 of the aspected positions */ \
    ROW(Core, Unsaved, Int, int, g_nAspectingVarga, 0, nullptr) /* aspect evaluation: varga column 0-22 of the aspecting planets */ \
    ROW(Document, Unsaved, Int, int, g_nDasaCycleOffset, 0, nullptr) /* whole cycles by which the dasa is moved; negative for earlier cycles */ \
    ROW(Document, Unsaved, Int, int, g_nDasaCycleOffsetCode, kNoDasaCode, nullptr) /* the code whose offset g_nDasaCycleOffset holds */ \
    ROW(Document, Unsaved, IntList, DasaCycleOffsets, g_nDasaCycleOffsetByCode, DasaCycleOffsets{}, nullptr) /* saved offset of every code; [75] the start's */ \
    ROW(Document, Unsaved, FlagList, DasaFlags, g_bDasaShift, DasaFlags{}, nullptr) /* per dasa code: move the dasa by g_dDasaShiftDays */ \
    ROW(Document, Unsaved, DoubleList, DasaDoubles, g_dDasaShiftDays, DasaDoubles{}, nullptr) /* per dasa code, days */ \
    ROW(Document, Unsaved, Double, double, g_dDasaProgressPosition, 0.0, nullptr) /* the progressed seed the running-period search found, degrees */ \
    ROW(Document, Unsaved, Flag, bool, g_bTribhagiVariation, false, nullptr) /* nakshatra dasas in thirds */ \
    ROW(Document, Unsaved, Flag, bool, g_bDasaCompression, false, nullptr) /* a mode chart's period: one cycle spans g_dCompressionDays */ \
    ROW(Document, Unsaved, Double, double, g_dCompressionDays, kMeanTropicalYearDays, nullptr) /* days */ \
    ROW(Document, Unsaved, Flag, bool, g_bMundaneBackToNatal, false, nullptr) /* the mundane form's "Back to Natal Chart" state */ \
    ROW(Document, Unsaved, Int, int, g_nNakshatraDasaVarga, 0, nullptr) /* varga column whose chart gives the nakshatra-dasa seed, 0 rasi */ \
    ROW(Document, Unsaved, Int, int, g_nRasiBhuktaVarga, 0, nullptr) /* varga column of the signs of Rasi-Bhukta Vimsottari */ \
    ROW(Document, Unsaved, Int, int, g_nRasiBhuktaStartPoint, 0, nullptr) /* dasa seed 0-20 of Rasi-Bhukta Vimsottari, 0 the Moon's */ \
    ROW(Document, Unsaved, Int, int, g_nTithiAshtottariBodyA, 1, nullptr) /* Tithi Ashtottari: the two bodies whose angle gives the tithi (the Sun) */ \
    ROW(Document, Unsaved, Int, int, g_nTithiAshtottariBodyB, 2, nullptr) /* (the Moon) */ \
    ROW(Document, Unsaved, Int, int, g_nTithiAshtottariHarmonic, 0, nullptr) /* harmonic 0-35 of that angle */ \
    ROW(Document, Unsaved, Int, int, g_nTithiAshtottariVarga, 0, nullptr) /* varga column of the bodies */ \
    ROW(Document, Unsaved, Int, int, g_nTithiYoginiHarmonic, 0, nullptr) /* Tithi Yogini: harmonic 0-35 of the Moon-Sun tithi */ \
    ROW(Document, Unsaved, Int, int, g_nTithiYoginiVarga, 0, nullptr) /* varga column of the Moon and the Sun */ \
    ROW(Document, Unsaved, Flag, bool, g_bPakaNarayana, false, nullptr) /* Narayana dasa: the Paka variant */ \
    ROW(Document, Unsaved, Flag, bool, g_bSamaNarayana, false, nullptr) /* Narayana dasa: the Sama variant (ten years a sign) */ \
    ROW(Document, Unsaved, Int, int, g_nRasiDasaVarga, 0, nullptr) /* varga column of Chara, Drig, Trikona and Yogardha dasas */ \
    ROW(Document, Unsaved, Int, int, g_nCharaDasaSeed, 0, nullptr) /* body Chara dasa starts from, 0 lagna */ \
    ROW(Document, Unsaved, Flag, bool, g_bCharaDasaVirgoRule, false, nullptr) /* Chara dasa years as fractions from the seed's degrees */ \
    ROW(Document, Unsaved, Int, int, g_nCharaDasaProgressBody, 0, nullptr) /* body whose sign Chara dasa's progression starts from */ \
    ROW(Document, Unsaved, Int, int, g_nShoolaDasaStartHouse, 0, nullptr) /* Shoola dasa from this house after the lagna, 0 the lagna */ \
    ROW(Document, Unsaved, Int, int, g_nLagnaKendradiVarga, 0, nullptr) /* varga column of Lagna Kendradi Rasi Dasa */ \
    ROW(Document, Unsaved, Int, int, g_nAKKendradiVarga, 0, nullptr) /* varga column of Atma Karaka Kendradi Rasi Dasa */ \
    ROW(Document, Unsaved, Int, int, g_nAKKendradiGrahaVarga, 0, nullptr) /* varga column of AK Kendradi Graha Dasa */
// clang-format on
