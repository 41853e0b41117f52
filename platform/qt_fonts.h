#pragma once
// Fonts of LogicalFont records as Qt fonts, sized in the device units of the paint device they draw on.
#include <QFont>

#include "platform/logical_font.h"

class QPaintDevice;

// The installed family that stands in for a face name the views ask for ("Arial Narrow" ...).
QString InstalledFamilyFor(const std::string& faceName);

// The Qt font for `record` on `device`: a positive height is the cell height (ascent + descent), a
// negative one the character height, both in the device's units; a width other than 0 stretches
// the glyphs to that average character width.
QFont QFontFromLogicalFont(const LogicalFont& record, const QPaintDevice& device);
