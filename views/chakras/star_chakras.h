#pragma once
// The four chakras of the 28 stars drawn on CStarChakraView, each with its own figure and its own
// process-wide base settings:
//   CCKChakraView     "Chandra Kalanala": four tridents around a circle, the base star at the top;
//   CKalaChakraView   "Kalachakra": eight spokes round a small circle with the guardians of the eight
//                     directions, the base star at the top (east); its custom base is switched off by
//                     every recalculation of the document;
//   CShoolaChakraView "Shoola": a trident, the base star at the foot of the shaft;
//   CSKChakraView     "Surya Kalanala": three arrows across three bars, a figure 7/6 as wide as high,
//                     the base star in the middle of the lower edge.
#include "views/chakras/star_chakra_view.h"

extern ChakraBaseSettings g_ckBase;
extern ChakraBaseSettings g_kalaBase; // its custom base is the document's g_bKalaChakraBaseOverride
extern ChakraBaseSettings g_shoolaBase;
extern ChakraBaseSettings g_skBase;

extern const StarChakraFigure g_chandraKalanalaFigure;
extern const StarChakraFigure g_kalaFigure;
extern const StarChakraFigure g_shoolaFigure;
extern const StarChakraFigure g_suryaKalanalaFigure;

class CCKChakraView : public CStarChakraView {
public:
    explicit CCKChakraView(QWidget* parent = nullptr) : CStarChakraView(parent, g_chandraKalanalaFigure, g_ckBase) {}
};

class CKalaChakraView : public CStarChakraView {
public:
    explicit CKalaChakraView(QWidget* parent = nullptr) : CStarChakraView(parent, g_kalaFigure, g_kalaBase) {}
};

class CShoolaChakraView : public CStarChakraView {
public:
    explicit CShoolaChakraView(QWidget* parent = nullptr) : CStarChakraView(parent, g_shoolaFigure, g_shoolaBase) {}
};

class CSKChakraView : public CStarChakraView {
public:
    explicit CSKChakraView(QWidget* parent = nullptr) : CStarChakraView(parent, g_suryaKalanalaFigure, g_skBase) {}

protected:
    ChakraLayout ComputeLayout(Size window) const override { return CalcWideChakraLayout(window); }
};
