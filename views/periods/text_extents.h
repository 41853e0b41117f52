#pragma once
// The room texts take in one font, as the screen draws them, kept from one layout of a page to the next:
// a step of the birth moment changes only a few of a dasa page's texts (the times), and measuring a
// text costs about half as much as drawing it.
#include <string>
#include <unordered_map>

#include "platform/logical_font.h"
#include "platform/painter_surface.h"

class CTextExtents {
public:
    // Starts a layout in `font`; the extents kept in another font are forgotten.
    void Begin(const LogicalFont& font);
    // The width and height `text` takes, broken into lines at its line breaks, "&" drawn as it is.
    Size Extent(const std::string& text);
    // Ends the layout: the extents it did not ask for are forgotten.
    void End();

private:
    struct Kept {
        Size extent;
        bool asked = false; // by the layout under way
    };
    ImageSurface m_image{Size{1, 1}};
    LogicalFont m_font;
    std::unordered_map<std::string, Kept> m_extents;
};
