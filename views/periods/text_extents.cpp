#include "views/periods/text_extents.h"

void CTextExtents::Begin(const LogicalFont& font) {
    if (!(font == m_font)) m_extents.clear();
    m_font = font;
    m_image.Surface().SelectFont(font);
}

Size CTextExtents::Extent(const std::string& text) {
    const auto [kept, added] = m_extents.try_emplace(text);
    if (added) {
        const Rect taken =
            m_image.Surface().DrawText(text, Rect{}, kTextNoClip | kTextNoPrefix | kTextCalcRect);
        kept->second.extent = Size{taken.Width(), taken.Height()};
    }
    kept->second.asked = true;
    return kept->second.extent;
}

void CTextExtents::End() {
    std::erase_if(m_extents, [](const auto& entry) { return !entry.second.asked; });
    for (auto& [text, kept] : m_extents) kept.asked = false;
}
