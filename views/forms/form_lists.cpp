#include "views/forms/form_lists.h"

#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "display/chart_menu_entries.h"

std::vector<std::string> BodyItems() {
    return {"Lagna", "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"};
}

std::vector<std::string> VargaCodeItems() {
    return {g_vargaTitles, g_vargaTitles + kD144Column + 1};
}

std::vector<std::string> TransitVargaItems() {
    std::vector<std::string> items;
    for (int index = 0; index < kD144Column; ++index) items.push_back(VargaEntryText(TransitVargaColumn(index)));
    return items;
}

int TransitVargaColumn(int index) {
    return index < kD81Column ? index : index + 1;
}

std::vector<std::string> OrdinalItems(int count, bool withNone) {
    std::vector<std::string> items;
    if (withNone) items.push_back("None");
    for (int n = 1; n <= count; ++n) {
        const int lastTwo = n % 100;
        const char* suffix = lastTwo >= 11 && lastTwo <= 13 ? "th"
                             : n % 10 == 1                  ? "st"
                             : n % 10 == 2                  ? "nd"
                             : n % 10 == 3                  ? "rd"
                                                            : "th";
        items.push_back(std::to_string(n) + suffix);
    }
    return items;
}
