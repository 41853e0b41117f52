#pragma once
// The short labels of the varga columns (g_strVargaLabels) follow the calculation variant chosen for
// each column: "D-9 (K)" for the Krishna Mishra navamsa, "D-2 (Jn)" for the Jagannatha hora, and so on.

// Rewrites the labels of every column that has variants, and of the bhava column ("D-9 (Mo)": its base
// varga and reference body). Columns without variants keep their fixed labels. A variant outside its
// column's list gives the plain label ("D-9").
void BuildVargaLabels();
