#pragma once
// FontEngine over fontconfig and FreeType. Face names are resolved with the
// system's font configuration plus the aliases of lib/fonts/fonts.conf
// ("宋体" and the other face names projects carry); a name is usable only
// when it resolves to an installed family it names or is aliased to, never
// to an arbitrary fallback. Glyphs are rendered 1-bit at 96 dots per inch.
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "elements/FontEngine.h"

namespace balsar {

class FreeTypeFontEngine : public FontEngine {
public:
    // Loads the system configuration and the alias file (when it exists).
    explicit FreeTypeFontEngine(const std::filesystem::path& aliasFile);
    // Uses LibraryFolder()/fonts/fonts.conf.
    FreeTypeFontEngine();
    ~FreeTypeFontEngine() override;
    FreeTypeFontEngine(const FreeTypeFontEngine&) = delete;
    FreeTypeFontEngine& operator=(const FreeTypeFontEngine&) = delete;

    int Advance(const FittedFont& font, char32_t ch) override;
    bool RenderGlyph(const FittedFont& font, char32_t ch, Glyph& out) override;
    std::vector<std::string> FontFamilies(int charset) override;
    std::vector<std::string> FullNames(const std::string& face) override;

    // The font file a face name resolves to; empty when none.
    std::filesystem::path FontFile(const std::string& face);
    // True when the font a face resolves to has a glyph for the character.
    bool Covers(const std::string& face, char32_t ch) override;
    // Face names the alias file defines.
    const std::vector<std::string>& AliasNames() const;

protected:
    std::optional<int> CellHeight(const std::string& face, int pointTenths) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace balsar
