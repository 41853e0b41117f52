#pragma once
// The item lists the forms' lists share.
#include <string>
#include <vector>

// "Lagna", "Sun" ... "Ketu": bodies 0-9.
std::vector<std::string> BodyItems();
// The 23 divisional charts by varga code 0-22: "Rasi", "Navamsa", "D-2" ... "D-144".
std::vector<std::string> VargaCodeItems();
// The 22 divisional charts of the transit calendar and the research ("Rasi (D-1)" ...
// "Dwadasamsa-Dwadasamsa (D-144)"): the varga columns 0-22 without D-81.
std::vector<std::string> TransitVargaItems();
// The varga column of entry `index` of TransitVargaItems (0-21).
int TransitVargaColumn(int index);
// "None", "1st" ... "<count>th".
std::vector<std::string> OrdinalItems(int count, bool withNone);
