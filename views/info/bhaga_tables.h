#pragma once
// The tables of the basic information pane that measure the sensitive points of a chart against
// special degrees of their signs: pushkaramsas and pushkara bhagas, distances from mrityu bhaga, and
// the lords of the malicious divisions (64th navamsa, 22nd drekkana). Longitudes are the chart's own
// (sidereal unless the chart is tropical), degrees.
class CChart;
class CCustomListView;

void FillPushkara(CCustomListView& list, const CChart& chart);
void FillMrityuBhaga(CCustomListView& list, const CChart& chart);
void FillMaliciousDivisions(CCustomListView& list, const CChart& chart);
