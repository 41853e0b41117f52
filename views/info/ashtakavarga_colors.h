#pragma once
// Setting numbers of the ashtakavarga page's colours (shell/color_settings_table.cpp).
enum AvColor {
    kAvColorFrame = 53,            // page background
    kAvColorCartBackground = 54,   // inside the charts
    kAvColorChartLine = 55,        // chart lines
    kAvColorHeader = 56,           // page header
    kAvColorChartTitle = 57,       // chart and table titles
    kAvColorChartText = 58,        // numbers and names
    kAvColorHighlight = 59,        // the highlighted sign
    kAvColorHelp = 60,             // help text
    kAvColorStarRasiNorth = 61,    // the lagna's sign number in the North SAV chart
};
