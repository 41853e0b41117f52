// The anchor stars' lines of the catalogue in Debian's swe-basic-data 4.0-20221111-2, taken with
//   sed -n '3p;10p;477p;1272p' /usr/share/libswe/ephe/sefstars.txt | tr -d '\r'
// each beside the name by which the ayanamsa table asks the library for it. The library (2.10) answers
// "Spica" and ",deCnc" from records of its own, at these lines' places, whatever the catalogue holds:
// tried on an empty catalogue and on one that puts them elsewhere.
#include "core/star_catalogue_check.h"

extern const AnchorStar kAnchorStars[kAnchorStarCount] = {
    {"Aldebaran", "Aldebaran",
     "Aldebaran  ,alTau,ICRS,04,35,55.23907,+16,30,33.4885,63.45,-188.94,54.26,48.94,0.86, 16,  629\n",
     false},
    {"Spica", "Spica",
     "Spica      ,alVir,ICRS,13,25,11.57937,-11,09,40.7501,-42.35,-30.67,1,13.06,0.97,-10, 3672\n", true},
    {",deCnc", "Delta Cancri",
     "Asellus Australis,deCnc,ICRS,08,44,41.09921,+18,09,15.5034,-17.67,-229.26,17.14,24.98,3.94, 18, "
     "2027\n",
     true},
    {"Shaula", "Shaula",
     "Shaula       ,laSco,ICRS,17,33,36.52012,-37,06,13.7648,-8.53,-30.8,-3,5.71,1.62,-37,11673\n", false},
};
