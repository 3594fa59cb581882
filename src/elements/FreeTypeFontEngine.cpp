#include "elements/FreeTypeFontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <set>

#include "base/ProgramPaths.h"
#include "base/Utf.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/CXmlNodeListWrapper.h"

namespace balsar {

namespace {

constexpr int kDpi = 96;

// fontconfig language tag of a Windows character set; empty for the default
// character set, which stands for every font.
const char* LangOfCharset(int charset) {
    switch (charset) {
    case 0:
        return "en";
    case 128:
        return "ja";
    case 129:
        return "ko";
    case 134:
        return "zh-cn";
    case 136:
        return "zh-tw";
    case 161:
        return "el";
    case 162:
        return "tr";
    case 163:
        return "vi";
    case 177:
        return "he";
    case 178:
        return "ar";
    case 186:
        return "lt";
    case 204:
        return "ru";
    case 222:
        return "th";
    case 238:
        return "cs";
    default:
        return "";
    }
}

// Family names compare ignoring blanks and ASCII letter case.
std::string FamilyKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c != ' ') {
            key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
    }
    return key;
}

bool SameFamily(std::string_view a, std::string_view b) { return FamilyKey(a) == FamilyKey(b); }

std::string Utf16BeToUtf8(const FT_Byte* bytes, FT_UInt length) {
    std::u16string units;
    for (FT_UInt i = 0; i + 1 < length; i += 2) {
        units.push_back(static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1]));
    }
    return Utf16ToUtf8(units);
}

} // namespace

struct FreeTypeFontEngine::Impl {
    struct Face {
        FT_Face face = nullptr;
        std::filesystem::path file;
        double ascentUnits = 0;
        double descentUnits = 0;
        double unitsPerEm = 1;
        int currentPoint = -1;
        // Glyphs by (point size in tenths << 32 | character).
        std::unordered_map<uint64_t, Glyph> glyphs;
    };

    FcConfig* config = nullptr;
    // The alias file alone, to tell which names a face name stands for.
    FcConfig* aliasConfig = nullptr;
    FT_Library library = nullptr;
    std::vector<std::string> aliases;
    // Loaded faces by "file#index".
    std::unordered_map<std::string, std::unique_ptr<Face>> faces;
    // Face name -> loaded face (null: resolves to nothing usable).
    std::unordered_map<std::string, Face*> resolved;

    ~Impl() {
        for (auto& entry : faces) {
            FT_Done_Face(entry.second->face);
        }
        if (library != nullptr) {
            FT_Done_FreeType(library);
        }
        if (config != nullptr) {
            FcConfigDestroy(config);
        }
        if (aliasConfig != nullptr) {
            FcConfigDestroy(aliasConfig);
        }
    }

    // The installed font a name resolves to, as "file#index"; empty when the
    // best match is not a family the name or its aliases name.
    std::string Match(const std::string& name, std::string* fileOut, int* indexOut) const {
        if (config == nullptr || name.empty()) {
            return {};
        }
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        // The names that count: the name itself and what the alias file
        // maps it to (the system's own substitutes and fallbacks do not).
        std::vector<std::string> acceptable;
        FcChar8* family = nullptr;
        FcPattern* named = FcPatternCreate();
        FcPatternAddString(named, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
        if (aliasConfig != nullptr) {
            FcConfigSubstitute(aliasConfig, named, FcMatchPattern);
        }
        for (int i = 0; FcPatternGetString(named, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            acceptable.emplace_back(reinterpret_cast<const char*>(family));
        }
        FcPatternDestroy(named);
        FcResult result = FcResultNoMatch;
        FcPattern* font = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        if (font == nullptr) {
            return {};
        }
        bool known = false;
        for (int i = 0; !known && FcPatternGetString(font, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            for (const std::string& wanted : acceptable) {
                if (SameFamily(reinterpret_cast<const char*>(family), wanted)) {
                    known = true;
                    break;
                }
            }
        }
        FcChar8* file = nullptr;
        int index = 0;
        std::string key;
        if (known && FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(font, FC_INDEX, 0, &index);
            key = std::string(reinterpret_cast<const char*>(file)) + "#" + std::to_string(index);
            if (fileOut != nullptr) {
                *fileOut = reinterpret_cast<const char*>(file);
            }
            if (indexOut != nullptr) {
                *indexOut = index;
            }
        }
        FcPatternDestroy(font);
        return key;
    }

    Face* Resolve(const std::string& name) {
        if (const auto it = resolved.find(name); it != resolved.end()) {
            return it->second;
        }
        Face* result = nullptr;
        std::string file;
        int index = 0;
        const std::string key = Match(name, &file, &index);
        if (!key.empty()) {
            if (const auto it = faces.find(key); it != faces.end()) {
                result = it->second.get();
            } else {
                result = Open(key, file, index);
            }
        }
        resolved.emplace(name, result);
        return result;
    }

    Face* Open(const std::string& key, const std::string& file, int index) {
        FT_Face face = nullptr;
        if (library == nullptr || FT_New_Face(library, file.c_str(), index, &face) != 0) {
            return nullptr;
        }
        if (!FT_IS_SCALABLE(face)) {
            FT_Done_Face(face);
            return nullptr;
        }
        auto entry = std::make_unique<Face>();
        entry->face = face;
        entry->file = file;
        entry->unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 1000;
        // The cell a text is laid out in: the Windows ascent and descent of
        // the face where it has them, else the horizontal header's.
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
            entry->ascentUnits = os2->usWinAscent;
            entry->descentUnits = os2->usWinDescent;
        } else {
            entry->ascentUnits = face->ascender;
            entry->descentUnits = -face->descender;
        }
        Face* raw = entry.get();
        faces.emplace(key, std::move(entry));
        return raw;
    }

    static double EmPixels(int pointTenths) { return pointTenths / 10.0 * kDpi / 72.0; }

    static int CellHeightOf(const Face& f, int pointTenths) {
        return static_cast<int>(std::lround((f.ascentUnits + f.descentUnits) * EmPixels(pointTenths) / f.unitsPerEm));
    }

    static int AscentOf(const Face& f, int pointTenths) {
        return static_cast<int>(std::lround(f.ascentUnits * EmPixels(pointTenths) / f.unitsPerEm));
    }

    const Glyph* GlyphOf(Face& f, int pointTenths, int pixelSize, char32_t ch) {
        const uint64_t key = static_cast<uint64_t>(pointTenths) << 32 | ch;
        if (const auto it = f.glyphs.find(key); it != f.glyphs.end()) {
            return &it->second;
        }
        if (f.currentPoint != pointTenths) {
            const auto size = static_cast<FT_F26Dot6>(std::lround(pointTenths * 64 / 10.0));
            if (FT_Set_Char_Size(f.face, 0, size, kDpi, kDpi) != 0) {
                return nullptr;
            }
            f.currentPoint = pointTenths;
        }
        // The auto-hinter keeps thin strokes of CJK faces at small sizes that
        // their own hinting drops in 1-bit rendering.
        constexpr FT_Int32 kFlags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME | FT_LOAD_FORCE_AUTOHINT;
        if (FT_Load_Char(f.face, ch, kFlags) != 0) {
            return nullptr;
        }
        const FT_GlyphSlot slot = f.face->glyph;
        const int width = static_cast<int>((slot->advance.x + 32) >> 6);
        Glyph glyph;
        glyph.Reset(std::max(width, 0), pixelSize);
        const int baseline = AscentOf(f, pointTenths);
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const unsigned char* line = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
            for (unsigned column = 0; column < bitmap.width; ++column) {
                bool on = false;
                if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                    on = (line[column / 8] >> (7 - column % 8)) & 1;
                } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                    on = line[column] >= 128;
                }
                if (on) {
                    glyph.SetPixel(slot->bitmap_left + static_cast<int>(column),
                                   baseline - slot->bitmap_top + static_cast<int>(row));
                }
            }
        }
        return &f.glyphs.emplace(key, std::move(glyph)).first->second;
    }
};

FreeTypeFontEngine::FreeTypeFontEngine(const std::filesystem::path& aliasFile) : m_impl(std::make_unique<Impl>()) {
    m_impl->config = FcInitLoadConfigAndFonts();
    if (m_impl->config != nullptr && std::filesystem::exists(aliasFile)) {
        FcConfigParseAndLoad(m_impl->config, reinterpret_cast<const FcChar8*>(aliasFile.c_str()), FcTrue);
        m_impl->aliasConfig = FcConfigCreate();
        if (m_impl->aliasConfig != nullptr) {
            FcConfigParseAndLoad(m_impl->aliasConfig, reinterpret_cast<const FcChar8*>(aliasFile.c_str()), FcTrue);
        }
        CXmlDocumentWrapper document;
        if (document.Load(aliasFile)) {
            const CXmlNodeListWrapper aliases = document.AsNode().FindNode("fontconfig").FindNodes("alias");
            for (int i = 0; i < aliases.Count(); ++i) {
                const std::string name = aliases.Node(i).FindNode("family").GetText();
                if (!name.empty()) {
                    m_impl->aliases.push_back(name);
                }
            }
        }
    }
    if (FT_Init_FreeType(&m_impl->library) != 0) {
        m_impl->library = nullptr;
    }
}

FreeTypeFontEngine::FreeTypeFontEngine() : FreeTypeFontEngine(LibraryFolder() / "fonts" / "fonts.conf") {}

FreeTypeFontEngine::~FreeTypeFontEngine() = default;

std::optional<int> FreeTypeFontEngine::CellHeight(const std::string& face, int pointTenths) {
    const Impl::Face* f = m_impl->Resolve(face);
    if (f == nullptr) {
        return std::nullopt;
    }
    return Impl::CellHeightOf(*f, pointTenths);
}

int FreeTypeFontEngine::Advance(const FittedFont& font, char32_t ch) {
    Impl::Face* f = m_impl->Resolve(font.face);
    if (f == nullptr) {
        return -1;
    }
    const Glyph* glyph = m_impl->GlyphOf(*f, font.pointTenths, font.pixelSize, ch);
    return glyph != nullptr ? glyph->width : -1;
}

bool FreeTypeFontEngine::RenderGlyph(const FittedFont& font, char32_t ch, Glyph& out) {
    out = Glyph{};
    Impl::Face* f = m_impl->Resolve(font.face);
    if (f == nullptr) {
        return false;
    }
    const Glyph* glyph = m_impl->GlyphOf(*f, font.pointTenths, font.pixelSize, ch);
    if (glyph == nullptr) {
        return false;
    }
    out = *glyph;
    return true;
}

std::vector<std::string> FreeTypeFontEngine::FontFamilies(int charset) {
    std::set<std::string> families;
    std::set<std::string> fontKeys;
    if (m_impl->config == nullptr) {
        return {};
    }
    const char* lang = LangOfCharset(charset);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_LANG, FC_FILE, FC_INDEX, nullptr);
    FcFontSet* set = FcFontList(m_impl->config, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (set != nullptr) {
        for (int i = 0; i < set->nfont; ++i) {
            FcPattern* font = set->fonts[i];
            if (*lang != '\0') {
                FcLangSet* langs = nullptr;
                if (FcPatternGetLangSet(font, FC_LANG, 0, &langs) != FcResultMatch ||
                    FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>(lang)) != FcLangEqual) {
                    continue;
                }
            }
            FcChar8* family = nullptr;
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch) {
                families.insert(reinterpret_cast<const char*>(family));
            }
            if (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch) {
                FcPatternGetInteger(font, FC_INDEX, 0, &index);
                fontKeys.insert(std::string(reinterpret_cast<const char*>(file)) + "#" + std::to_string(index));
            }
        }
        FcFontSetDestroy(set);
    }
    for (const std::string& alias : m_impl->aliases) {
        const std::string key = m_impl->Match(alias, nullptr, nullptr);
        if (!key.empty() && fontKeys.count(key) != 0) {
            families.insert(alias);
        }
    }
    return {families.begin(), families.end()};
}

std::vector<std::string> FreeTypeFontEngine::FullNames(const std::string& face) {
    std::vector<std::string> names;
    const Impl::Face* f = m_impl->Resolve(face);
    if (f == nullptr) {
        return names;
    }
    const FT_UInt count = FT_Get_Sfnt_Name_Count(f->face);
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName entry;
        if (FT_Get_Sfnt_Name(f->face, i, &entry) != 0) {
            continue;
        }
        if (entry.platform_id == TT_PLATFORM_MICROSOFT && entry.encoding_id == TT_MS_ID_UNICODE_CS &&
            entry.name_id == TT_NAME_ID_FULL_NAME) {
            std::string name = Utf16BeToUtf8(entry.string, entry.string_len);
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(std::move(name));
            }
        }
    }
    return names;
}

std::filesystem::path FreeTypeFontEngine::FontFile(const std::string& face) {
    const Impl::Face* f = m_impl->Resolve(face);
    return f != nullptr ? f->file : std::filesystem::path();
}

bool FreeTypeFontEngine::Covers(const std::string& face, char32_t ch) {
    const Impl::Face* f = m_impl->Resolve(face);
    return f != nullptr && FT_Get_Char_Index(f->face, ch) != 0;
}

const std::vector<std::string>& FreeTypeFontEngine::AliasNames() const { return m_impl->aliases; }

} // namespace balsar
