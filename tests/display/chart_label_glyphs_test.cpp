// Every chart label of every chart language is drawn with the installed fonts without a missing
// glyph, and the script's own letters come from the language's font, not from a fallback.
#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>
#include <QTextLayout>

#include <gtest/gtest.h>

#include "core/chart_labels.h"
#include "core/font_faces.h"

namespace {

// Lays the text out as the chart view will (with font fallback) and counts the missing glyphs drawn.
int MissingGlyphCount(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0) ++missing;
    return missing;
}

// Non-ASCII characters the language's own font lacks (ASCII may come from a Latin fallback).
QString CharactersNotInFont(const QString& text, const QRawFont& rawFont) {
    QString absent;
    for (char32_t c : text.toUcs4())
        if (c > 0x7f && !rawFont.supportsCharacter(c)) absent += QString::fromUcs4(&c, 1);
    return absent;
}

void ExpectDrawable(const char* utf8, const QFont& font, const QRawFont& rawFont, const std::string& where) {
    const QString text = QString::fromUtf8(utf8);
    SCOPED_TRACE(where + " \"" + utf8 + "\"");
    EXPECT_EQ(MissingGlyphCount(text, font), 0);
    EXPECT_EQ(CharactersNotInFont(text, rawFont).toStdString(), "");
}

TEST(ChartLabelGlyphs, EveryLanguageDrawsAllItsLabels) {
    for (int code = 0; code < kChartLanguageCount; ++code) {
        const ChartLanguage& language = g_chartLanguages[code];
        const QFont font(QString::fromUtf8(language.fontFace), 24);
        const QRawFont rawFont = QRawFont::fromFont(font);
        const std::string name = std::string(language.listText) + " (" + std::to_string(code) + ")";
        ASSERT_EQ(rawFont.familyName().toStdString(), language.fontFace) << name << ": font not installed";
        // English draws the current abbreviations, which are Latin in both name languages.
        const char* const* labels = language.bodyLabels ? language.bodyLabels->data() : g_planetAbbrevs;
        for (int body = 0; body < kNamedBodyCount; ++body)
            ExpectDrawable(labels[body], font, rawFont, name + " body " + std::to_string(body));
        for (int column = 0; column < kVargaColumnCount; ++column)
            ExpectDrawable(language.vargaNames[column].c_str(), font, rawFont,
                           name + " varga " + std::to_string(column));
        ExpectDrawable(language.retrogradeMarker, font, rawFont, name + " marker");
    }
}

TEST(ChartLabelGlyphs, StandInFacesAreInstalled) {
    for (const char* face : {kFaceArial, kFaceArialNarrow, kFaceTimesNewRoman}) {
        const QRawFont rawFont = QRawFont::fromFont(QFont(QString::fromUtf8(face), 18));
        EXPECT_EQ(rawFont.familyName().toStdString(), face);
    }
}

} // namespace
