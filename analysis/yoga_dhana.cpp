// Dhana yogas: the two wealth combinations of the lagna sign in the column under test.
#include "analysis/yoga_catalogue.h"
#include "analysis/yoga_column.h"

void CYogaList::TestDhanaYogas(const YogaColumn& col) {
    const int l = col.Lagna();

    // The key planet in the 5th, the others in the 11th.
    const DhanaRow& fifth = g_dhanaFifthAndEleventh[l];
    bool holds = col.InHouses(fifth.key, {5});
    YogaGivers givers{fifth.key};
    for (int p : fifth.others) {
        if (p == 0) continue;
        holds = holds && col.InHouses(p, {11});
        givers.Add(p);
    }
    if (holds) AddYoga(kYogaDhana, l, givers);

    // The key planet in the lagna, each other with it or aspecting it.
    const DhanaRow& lagna = g_dhanaInLagna[l];
    holds = col.InHouses(lagna.key, {1});
    givers = {lagna.key};
    for (int p : lagna.others) {
        if (p == 0) continue;
        holds = holds && col.Aspect(lagna.key, p);
        givers.Add(p);
    }
    if (holds) AddYoga(kYogaDhana, 12 + l, givers);
}
