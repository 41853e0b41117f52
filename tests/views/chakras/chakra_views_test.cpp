// The chakra panes on the Chennai chart: where the base star and the stars after it are written, the
// base choices and how long they last, the Kota fort lord and guard, and the base planet dialog.
#include <QComboBox>
#include <QMenu>
#include <array>
#include <cmath>

#include "../../shell/dialogs/dialog_test_support.h"
#include "chakra_test_support.h"
#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "document/document_state.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/star_chakras.h"

namespace {
constexpr Size kPane{1000, 720};
constexpr int kShowSahamas = 33093;

// The star label written in a place's cell.
std::string StarAt(const DrawnRecord& drawn, const Rect& cell) {
    const DrawnRecord::Text* text = TextInCell(drawn, cell);
    return text ? text->text : "(none)";
}

// One star chakra's base choices, process-wide, as they were when made; put back when it goes.
class KeptBaseChoices {
public:
    explicit KeptBaseChoices(ChakraBaseSettings& settings)
        : m_settings(settings), m_on(settings.customBaseOn), m_kept(settings) {}
    ~KeptBaseChoices() {
        m_settings.customBaseOn = m_on;
        m_settings.customBase = m_kept.customBase;
        m_settings.basePlanetOn = m_kept.basePlanetOn;
        m_settings.baseDivision = m_kept.baseDivision;
        m_settings.basePlanet = m_kept.basePlanet;
        m_settings.vargaForBodies = m_kept.vargaForBodies;
    }
    KeptBaseChoices(const KeptBaseChoices&) = delete;
    KeptBaseChoices& operator=(const KeptBaseChoices&) = delete;

private:
    ChakraBaseSettings& m_settings;
    bool m_on;                 // the flag the settings refer to
    ChakraBaseSettings m_kept; // the other choices
};

class StarChakraTest : public ChakraPaneTest {
    KeptBaseChoices m_ck{g_ckBase}, m_kala{g_kalaBase}, m_shoola{g_shoolaBase}, m_sk{g_skBase};
};

// Base 5 (Ardra) at place 0 (the top), and Aswini five places before it, at place 23, in both the
// Chandra Kalanala chakra and the Kalachakra; the same places hold the stars whatever the base.
TEST_F(StarChakraTest, TheBaseStarStandsAtPlaceZero) {
    CCKChakraView chandra;
    CKalaChakraView kala;
    for (CStarChakraView* pane : {static_cast<CStarChakraView*>(&chandra), static_cast<CStarChakraView*>(&kala)}) {
        Place(*pane, kPane);
        pane->Settings().customBaseOn = true;
        pane->Settings().customBase = 5;
        const DrawnRecord drawn = Draw(*pane);
        EXPECT_EQ(pane->BaseStar(), 5);
        EXPECT_EQ(StarAt(drawn, pane->PlaceCell(0)), "Ardr");
        EXPECT_EQ(StarAt(drawn, pane->PlaceCell(23)), "Aswi");
        EXPECT_EQ(StarAt(drawn, pane->PlaceCell(16)), "Abhi"); // Abhijit is star 21, the 28th counted in
        EXPECT_EQ(StarAt(drawn, pane->PlaceCell(27)), "Mrig");
    }
}

// Base Krittika: Krittika at the foot of the Shoola's shaft (position 0), Bharani at position 27.
TEST_F(StarChakraTest, ShoolaFromKrittika) {
    CShoolaChakraView pane;
    Place(pane, kPane);
    g_shoolaBase.customBaseOn = true;
    g_shoolaBase.customBase = 2;
    const DrawnRecord drawn = Draw(pane);
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(0)), "Krit");
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(1)), "Rohi");
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(27)), "Bhar");
}

// A body is written beside the star it stands in, counted from the base: the Sun, alone in its star,
// takes the first slot of that star's place in every star chakra (or a place near it clear of the lines).
TEST_F(StarChakraTest, APlanetIsWrittenAtItsStarsPlace) {
    const CChart& chart = *m_document.m_pCurrentChart;
    const int sunStar = chart.m_nakshatra28[kSun];
    for (int body = kLagna; body <= kKetu; ++body) {
        if (body == kSun) continue;
        ASSERT_NE(chart.m_nakshatra28[body], sunStar) << "the Sun shares its star with " << body;
    }
    CCKChakraView chandra;
    CKalaChakraView kala;
    CShoolaChakraView shoola;
    CSKChakraView surya;
    struct Case {
        CStarChakraView* pane;
        LabelSlot firstSlot; // sixteenths of the cell, with the planets' shift
    };
    for (const Case& c : {Case{&chandra, {8, 7}}, Case{&kala, {2, 5}}, Case{&shoola, {8, 7}}, Case{&surya, {8, 7}}}) {
        Place(*c.pane, kPane);
        c.pane->Settings().customBaseOn = true;
        c.pane->Settings().customBase = (sunStar + 28 - 23) % 28; // the Sun's star at place 23
        const DrawnRecord drawn = Draw(*c.pane);
        const DrawnRecord::Text* sun = drawn.FindText(ChakraPlanetLabel(chart, kSun));
        ASSERT_NE(sun, nullptr);
        // At the slot, or moved from it by less than a cell to keep clear of a line or a text.
        const Rect cell = c.pane->PlaceCell(23);
        EXPECT_NEAR(sun->rect.left, cell.left + c.firstSlot.dx * cell.Width() / 16, cell.Width());
        EXPECT_NEAR(sun->rect.top, cell.top + c.firstSlot.dy * cell.Height() / 16, cell.Height());
    }
}

TEST_F(StarChakraTest, TheKalaPlanetsLeaveOutTheLagnaAndTheChandraKalanalaPlanetsHaveIt) {
    const std::string lagna = ChakraPlanetLabel(*m_document.m_pCurrentChart, kLagna);
    CCKChakraView chandra;
    CKalaChakraView kala;
    Place(chandra, kPane);
    Place(kala, kPane);
    EXPECT_NE(Draw(chandra).FindText(lagna), nullptr);
    EXPECT_EQ(Draw(kala).FindText(lagna), nullptr);
}

// The default base is the Sun's star in natal mode; a planet base replaces it, and a custom base the
// planet base; choosing the default again in the base nakshatra dialog goes back to the planet base.
TEST_F(StarChakraTest, BaseChoicesTakePrecedenceInTurn) {
    CShoolaChakraView pane;
    Place(pane, kPane);
    const CChart& natal = m_document.m_natalChart;
    EXPECT_EQ(ChakraBaseStar(g_shoolaBase, m_document), natal.m_nakshatra28[kSun]);
    g_shoolaBase.basePlanetOn = true;
    g_shoolaBase.basePlanet = kMoon;
    g_shoolaBase.baseDivision = 0;
    EXPECT_EQ(ChakraBaseStar(g_shoolaBase, m_document), natal.m_nakshatra28[kMoon]);
    WhenModal<CBaseNakshatraDlg>([](CBaseNakshatraDlg& d) {
        static_cast<QComboBox*>(d.Control(1))->setCurrentIndex(9);
        static_cast<QComboBox*>(d.Control(0))->setCurrentIndex(1);
        d.accept();
    });
    ASSERT_TRUE(pane.RunCommand(CStarChakraView::kCmdCustomBase));
    EXPECT_EQ(ChakraBaseStar(g_shoolaBase, m_document), 9);
    WhenModal<CBaseNakshatraDlg>([](CBaseNakshatraDlg& d) {
        static_cast<QComboBox*>(d.Control(0))->setCurrentIndex(0); // "Stick to the default base star ..."
        d.accept();
    });
    ASSERT_TRUE(pane.RunCommand(CStarChakraView::kCmdCustomBase));
    EXPECT_EQ(ChakraBaseStar(g_shoolaBase, m_document), natal.m_nakshatra28[kMoon]);
}

// A new pane switches its class's custom and planet bases off; a recalculation switches the Kala
// chakra's custom base off, not the Chandra Kalanala chakra's.
TEST_F(StarChakraTest, HowLongTheBaseChoicesLast) {
    g_ckBase.customBaseOn = g_kalaBase.customBaseOn = true;
    g_ckBase.basePlanetOn = true;
    {
        CCKChakraView fresh;
        EXPECT_FALSE(g_ckBase.customBaseOn);
        EXPECT_FALSE(g_ckBase.basePlanetOn);
    }
    g_ckBase.customBaseOn = g_kalaBase.customBaseOn = true;
    ASSERT_TRUE(m_document.Calculate(0).ok());
    EXPECT_TRUE(g_ckBase.customBaseOn);
    EXPECT_FALSE(g_kalaBase.customBaseOn);
    g_ckBase.customBaseOn = false;
}

// The base planet stored is the body chosen, not its position in the dialog's list: with a list in
// reverse body order, the first entry is PanchaSphuta (44), and a preset body shows at its own entry.
TEST_F(StarChakraTest, TheBasePlanetStoredIsTheBodyChosen) {
    ChakraBaseSettings settings{g_shoolaBase.customBaseOn};
    settings.basePlanet = kMoon;
    settings.baseDivision = 1;
    std::vector<int> reversed = CBasePlanetDlg::DefaultBodies();
    std::reverse(reversed.begin(), reversed.end());
    WhenModal<CBasePlanetDlg>([](CBasePlanetDlg& d) {
        auto* planets = static_cast<QComboBox*>(d.Control(0));
        EXPECT_EQ(planets->currentIndex(), 42); // the Moon, body 2, is the 43rd entry
        planets->setCurrentIndex(0);
        d.accept();
    });
    ASSERT_TRUE(ChooseBasePlanet(nullptr, settings, reversed));
    EXPECT_EQ(settings.basePlanet, 44);
    EXPECT_EQ(settings.baseDivision, 1);
    EXPECT_TRUE(settings.basePlanetOn);
}

// The sahamas go to the star of their longitude; the Yogini and Mrityu group lists nothing while the
// chart keeps no places for them.
TEST_F(StarChakraTest, GroupLabels) {
    const CChart& chart = *m_document.m_pCurrentChart;
    const std::vector<ChakraLabel> sahamas = ChakraGroupLabels(kGroupSahamas, chart, true);
    ASSERT_EQ(sahamas.size(), 36u);
    EXPECT_EQ(sahamas[0].text, "Puny");
    EXPECT_EQ(sahamas[0].star, Star28OfLongitude(chart.m_specialPoint[0].m_dLongitude));
    EXPECT_TRUE(ChakraGroupLabels(kGroupYoginiMrityu, chart, true).empty());
    EXPECT_EQ(ChakraGroupLabels(kGroupUpagrahas, chart, true).size(), 11u);
    EXPECT_EQ(ChakraGroupLabels(kGroupSpecialLagnas, chart, false).size(), 6u);

    CShoolaChakraView pane;
    Place(pane, kPane);
    ASSERT_TRUE(pane.RunCommand(kShowSahamas));
    EXPECT_EQ(pane.Group(), kGroupSahamas);
    const DrawnRecord drawn = Draw(pane);
    EXPECT_NE(drawn.FindText("Sahamas (sahams):"), nullptr);
    EXPECT_NE(drawn.FindText("Puny"), nullptr);
}

// No rule for the Yogini and Mrityu places is known: every star chakra greys the entry, says why in its
// status text, and does not take the command.
TEST_F(StarChakraTest, YoginiAndMrityuAreGreyedWithTheReason) {
    CCKChakraView chandra;
    CKalaChakraView kala;
    CShoolaChakraView shoola;
    CSKChakraView surya;
    const int command = g_chakraGroups[kGroupYoginiMrityu].command;
    for (CStarChakraView* pane : std::initializer_list<CStarChakraView*>{&chandra, &kala, &shoola, &surya}) {
        QMenu menu;
        pane->BuildMenu(menu);
        const QAction* entry = nullptr;
        for (const QAction* action : menu.actions())
            if (action->data().toInt() == command) entry = action;
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->text(), "Show Yogini and Mrityu");
        EXPECT_FALSE(entry->isEnabled());
        EXPECT_EQ(entry->statusTip().toStdString(),
                  "Not available: the program does not work out the Yogini and Mrityu places.");
        EXPECT_FALSE(pane->RunCommand(command));
        EXPECT_EQ(pane->Group(), kGroupPlanets);
    }
}

// With the bodies taken in D-9 each sahama stands, like the bodies, at the star of its own navamsa (nine
// times its longitude, the Parasara navamsa), not at Aswini where a navamsa chart without sahamas put all.
TEST_F(StarChakraTest, SahamasStandAtTheStarsOfTheirOwnNavamsas) {
    const CScopedOption<int> parasara(g_nD9Preference, 0);
    const CScopedOption<int> varga(g_shoolaBase.vargaForBodies, kD1Column);
    const CChart& chart = *m_document.m_pCurrentChart;
    const std::array<CRasiLongitude, kSahamCount> navamsas = chart.SahamsInVarga(kD9Column);
    for (int s = 0; s < kSahamCount; ++s)
        EXPECT_NEAR(navamsas[s].m_dLongitude, std::fmod(9.0 * chart.m_specialPoint[s].m_dLongitude, 360.0),
                    1e-9)
            << g_sahamaShortNames[s];

    CShoolaChakraView pane;
    Place(pane, kPane);
    WhenModal<CSelectVargaDlg>([](CSelectVargaDlg& varga) {
        varga.Combo(0)->setCurrentIndex(1); // Navamsa
        varga.accept();
    });
    ASSERT_TRUE(pane.RunCommand(CStarChakraView::kCmdBodyVarga));
    ASSERT_TRUE(pane.RunCommand(kShowSahamas));
    // Punya Sahama's navamsa star at place 0: its label, the first of that star, in the first slot (6, 6)
    // of a cell half as wide again, give or take the few pixels that keep it clear of the figure's lines.
    const int punyaStar = Star28OfLongitude(std::fmod(9.0 * chart.m_specialPoint[0].m_dLongitude, 360.0));
    ASSERT_NE(punyaStar, 0);
    g_shoolaBase.customBaseOn = true;
    g_shoolaBase.customBase = punyaStar;
    const DrawnRecord drawn = Draw(pane);
    const DrawnRecord::Text* punya = drawn.FindText("Puny");
    ASSERT_NE(punya, nullptr);
    const Rect cell = pane.PlaceCell(0);
    const int nudge = cell.Height() / 8;
    EXPECT_NEAR(punya->rect.left, cell.left + 6 * static_cast<int>(cell.Width() * 1.5) / 16, nudge);
    EXPECT_NEAR(punya->rect.top, cell.top + 6 * cell.Height() / 16, nudge);
    Render(pane).save(KH_TEST_OUTPUT_DIR "/shoola_sahamas_d9.png"); // for a look
}

// Stars of longitudes (degrees) in the 28-star scheme: the fourth pada of Uttarashadha is Abhijit.
TEST(Star28OfLongitude, AbhijitIsTheLastPadaOfUttarashadha) {
    const struct {
        double longitude;
        int star;
    } cases[] = {{0.0, 0}, {13.34, 1}, {266.67, 20}, {276.6, 20}, {276.7, 21}, {279.99, 21}, {280.0, 22}, {359.9, 27}};
    for (const auto& c : cases) EXPECT_EQ(Star28OfLongitude(c.longitude), c.star) << c.longitude;
}

// The fort guard by the Moon's nakshatra and pada, and the fort lord by its sign.
TEST(KotaChakra, FortLordAndGuard) {
    const struct {
        int nakshatra, pada, guard;
    } guards[] = {{0, 0, 6}, {0, 3, 2}, {3, 0, 1}, {12, 1, 8}, {19, 1, 5}, {21, 2, 3}, {26, 3, 6}};
    for (const auto& g : guards) EXPECT_EQ(KotaPala(g.nakshatra, g.pada), g.guard) << g.nakshatra << " " << g.pada;
    const int lords[12] = {3, 6, 4, 2, 1, 4, 6, 3, 5, 7, 7, 5};
    for (int sign = 0; sign < 12; ++sign) EXPECT_EQ(KotaSwami(sign), lords[sign]) << sign;
    // A Moon in Aswini, first pada (in Aries): Venus guards, Mars rules the fort.
    EXPECT_EQ(KotaPala(0, 0), kVenus);
    EXPECT_EQ(KotaSwami(0), kMars);
}

class KotaChakraTest : public ChakraPaneTest {};

// The natal Moon's star in the north-eastern corner; a base of the user's own lasts over redraws but
// not over a recalculation.
TEST_F(KotaChakraTest, TheBaseIsTheNatalMoonsStarUntilTheUserChoosesAnother) {
    CKotaChakraView pane;
    Place(pane, kPane);
    const int moonStar = m_document.m_natalChart.m_nakshatra28[kMoon];
    DrawnRecord drawn = Draw(pane);
    EXPECT_EQ(pane.BaseStar(), moonStar);
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(0)), g_nakshatraShortNames28[moonStar]);
    EXPECT_NE(drawn.FindText(std::string("Kota Swami (fort lord): ") +
                             ChosenPlanetNames()[KotaSwami(m_document.m_natalChart.m_bodies[kMoon].m_nSign)]),
              nullptr);

    WhenModal<CBaseNakshatraDlg>([](CBaseNakshatraDlg& d) {
        static_cast<QComboBox*>(d.Control(0))->setCurrentIndex(1);
        static_cast<QComboBox*>(d.Control(1))->setCurrentIndex(7);
        d.accept();
    });
    ASSERT_TRUE(pane.RunCommand(CKotaChakraView::kCmdBase));
    Draw(pane);
    drawn = Draw(pane);
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(0)), "Push");
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(14)), g_nakshatraShortNames28[(7 + 14) % 28]);

    ASSERT_TRUE(m_document.Calculate(0).ok());
    drawn = Draw(pane);
    EXPECT_EQ(StarAt(drawn, pane.PlaceCell(0)), g_nakshatraShortNames28[moonStar]);
}
} // namespace
