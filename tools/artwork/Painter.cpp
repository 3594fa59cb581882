#include "Painter.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace artwork {

namespace {

// A small pattern: rows of '#' (lit) and '.' (unlit).
struct Pattern {
    std::vector<const char*> rows;
    int Width() const { return rows.empty() ? 0 : static_cast<int>(std::char_traits<char>::length(rows[0])); }
    int Height() const { return static_cast<int>(rows.size()); }
    bool Lit(int x, int y) const { return rows[static_cast<size_t>(y)][x] == '#'; }
};

// Caption font: 3 x 5 cells.
const Pattern* CaptionGlyph(char c) {
    static const std::array<Pattern, 36> glyphs = {{
        {{"###", "#.#", "#.#", "#.#", "###"}}, // 0
        {{".#.", "##.", ".#.", ".#.", "###"}}, // 1
        {{"###", "..#", "###", "#..", "###"}}, // 2
        {{"###", "..#", ".##", "..#", "###"}}, // 3
        {{"#.#", "#.#", "###", "..#", "..#"}}, // 4
        {{"###", "#..", "###", "..#", "###"}}, // 5
        {{"###", "#..", "###", "#.#", "###"}}, // 6
        {{"###", "..#", ".#.", ".#.", ".#."}}, // 7
        {{"###", "#.#", "###", "#.#", "###"}}, // 8
        {{"###", "#.#", "###", "..#", "###"}}, // 9
        {{".#.", "#.#", "###", "#.#", "#.#"}}, // A
        {{"##.", "#.#", "##.", "#.#", "##."}}, // B
        {{".##", "#..", "#..", "#..", ".##"}}, // C
        {{"##.", "#.#", "#.#", "#.#", "##."}}, // D
        {{"###", "#..", "##.", "#..", "###"}}, // E
        {{"###", "#..", "##.", "#..", "#.."}}, // F
        {{".##", "#..", "#.#", "#.#", ".##"}}, // G
        {{"#.#", "#.#", "###", "#.#", "#.#"}}, // H
        {{"###", ".#.", ".#.", ".#.", "###"}}, // I
        {{"..#", "..#", "..#", "#.#", ".#."}}, // J
        {{"#.#", "#.#", "##.", "#.#", "#.#"}}, // K
        {{"#..", "#..", "#..", "#..", "###"}}, // L
        {{"#.#", "###", "###", "#.#", "#.#"}}, // M
        {{"##.", "#.#", "#.#", "#.#", "#.#"}}, // N
        {{".#.", "#.#", "#.#", "#.#", ".#."}}, // O
        {{"##.", "#.#", "##.", "#..", "#.."}}, // P
        {{".#.", "#.#", "#.#", "##.", ".##"}}, // Q
        {{"##.", "#.#", "##.", "#.#", "#.#"}}, // R
        {{".##", "#..", ".#.", "..#", "##."}}, // S
        {{"###", ".#.", ".#.", ".#.", ".#."}}, // T
        {{"#.#", "#.#", "#.#", "#.#", "###"}}, // U
        {{"#.#", "#.#", "#.#", "#.#", ".#."}}, // V
        {{"#.#", "#.#", "###", "###", "#.#"}}, // W
        {{"#.#", "#.#", ".#.", "#.#", "#.#"}}, // X
        {{"#.#", "#.#", ".#.", ".#.", ".#."}}, // Y
        {{"###", "..#", ".#.", "#..", "###"}}, // Z
    }};
    static const Pattern dash{{"...", "...", "###", "...", "..."}};
    if (c == '-') {
        return &dash;
    }
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u >= '0' && u <= '9') {
        return &glyphs[static_cast<size_t>(u - '0')];
    }
    if (u >= 'A' && u <= 'Z') {
        return &glyphs[static_cast<size_t>(10 + u - 'A')];
    }
    return nullptr;
}

// Symbols of the cursor, enter and escape keys: 5 x 5 cells.
const Pattern* Symbol(const std::string& name) {
    static const Pattern up{{"..#..", ".###.", "#####", "..#..", "..#.."}};
    static const Pattern down{{"..#..", "..#..", "#####", ".###.", "..#.."}};
    static const Pattern left{{"..#..", ".##..", "#####", ".##..", "..#.."}};
    static const Pattern right{{"..#..", "..##.", "#####", "..##.", "..#.."}};
    static const Pattern enter{{"....#", "....#", ".#..#", "#####", ".#..."}};
    static const Pattern escape{{"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}};
    if (name == "UP") {
        return &up;
    }
    if (name == "DOWN") {
        return &down;
    }
    if (name == "LEFT") {
        return &left;
    }
    if (name == "RIGHT") {
        return &right;
    }
    if (name == "ENT") {
        return &enter;
    }
    if (name == "ESC") {
        return &escape;
    }
    return nullptr;
}

// A caption laid out: patterns side by side at one scale and spacing.
struct Layout {
    std::vector<const Pattern*> cells;
    int scale = 1;
    int spacing = 1;
    int Width() const {
        int w = 0;
        for (const Pattern* p : cells) {
            w += p->Width() * scale;
        }
        return w + spacing * static_cast<int>(cells.empty() ? 0 : cells.size() - 1);
    }
    int Height() const {
        int h = 0;
        for (const Pattern* p : cells) {
            h = std::max(h, p->Height() * scale);
        }
        return h;
    }
};

// The largest layout of the cells that fits the box, at most `maxScale`;
// the spacing shrinks to nothing before the scale gives up.
bool Fit(Layout& layout, int box, int maxScale) {
    for (int scale = std::max(maxScale, 1); scale >= 1; --scale) {
        for (const int spacing : {scale, 0}) {
            layout.scale = scale;
            layout.spacing = spacing;
            if (layout.Width() <= box && layout.Height() <= box) {
                return true;
            }
        }
    }
    return false;
}

// Cursor keys always show their arrow; ENT and ESC spell their name where it
// fits and show their symbol where it does not; other names are spelt and
// shortened to what fits.
Layout CaptionLayout(const std::string& caption, int box, int maxScale) {
    const Pattern* symbol = Symbol(caption);
    const bool arrow = caption == "UP" || caption == "DOWN" || caption == "LEFT" || caption == "RIGHT";
    if (!arrow) {
        Layout text;
        for (const char c : caption) {
            if (const Pattern* glyph = CaptionGlyph(c)) {
                text.cells.push_back(glyph);
            }
        }
        if (!text.cells.empty() && Fit(text, box, maxScale)) {
            return text;
        }
        while (symbol == nullptr && !text.cells.empty()) {
            text.cells.pop_back();
            if (!text.cells.empty() && Fit(text, box, maxScale)) {
                return text;
            }
        }
    }
    Layout icon;
    if (symbol != nullptr) {
        icon.cells.push_back(symbol);
        Fit(icon, box, maxScale);
    }
    return icon;
}

void Stamp(Bitmap1& picture, const Layout& layout, int x0, int y0, bool lit) {
    int x = x0;
    for (const Pattern* p : layout.cells) {
        const int top = y0 + (layout.Height() - p->Height() * layout.scale) / 2;
        for (int y = 0; y < p->Height() * layout.scale; ++y) {
            for (int dx = 0; dx < p->Width() * layout.scale; ++dx) {
                if (p->Lit(dx / layout.scale, y / layout.scale)) {
                    picture.Set(x + dx, top + y, lit);
                }
            }
        }
        x += p->Width() * layout.scale + layout.spacing;
    }
}

// Corner pixels cut off a rounded box of radius 1 (small) or 2 (24, 32).
bool InCorner(int x, int y, int size) {
    const int r = size >= 24 ? 2 : 1;
    const int cx = std::min(x, size - 1 - x);
    const int cy = std::min(y, size - 1 - y);
    return cx + cy < r;
}

Bitmap1 Scaled(const Pattern& pattern, int factor) {
    Bitmap1 picture(pattern.Width() * factor, pattern.Height() * factor);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            picture.Set(x, y, pattern.Lit(x / factor, y / factor));
        }
    }
    return picture;
}

} // namespace

Bitmap1 DrawKey(const std::string& caption, int variant, int size) {
    Bitmap1 key(size, size);
    const bool hidden = variant == 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (InCorner(x, y, size)) {
                continue;
            }
            if (hidden) {
                // A dotted outline: the key is there but not shown.
                const bool border =
                    x == 0 || y == 0 || x == size - 1 || y == size - 1 || InCorner(x - 1, y - 1, size - 2);
                key.Set(x, y, border && (x + y) % 2 == 0);
            } else {
                key.Set(x, y, true);
            }
        }
    }
    const int box = size - 2;
    const int maxScale = std::max(1, size * 7 / 10 / 5);
    const Layout layout = CaptionLayout(caption, box, maxScale);
    const int x0 = (size - layout.Width() + 1) / 2;
    const int y0 = (size - layout.Height() + 1) / 2;
    Stamp(key, layout, x0, y0, hidden);
    if (variant == 1) {
        key.Invert();
    }
    return key;
}

void DrawCaption(Bitmap1& picture, const std::string& caption, int left, int top, int width, int height,
                 int maxScale, bool lit) {
    const Layout layout = CaptionLayout(caption, std::min(width, height) < 8 ? 8 : std::min(width, height) - 2, maxScale);
    Layout wide = layout;
    // Names wider than tall (ENT, ESC, F10) may use the whole width.
    if (!wide.cells.empty() && Symbol(caption) == nullptr) {
        for (int scale = maxScale; scale >= 1; --scale) {
            wide.scale = scale;
            wide.spacing = scale;
            if (wide.Width() <= width - 4 && wide.Height() <= height - 4) {
                break;
            }
        }
    }
    const Layout& used = wide.Width() <= width - 4 && wide.Height() <= height - 4 ? wide : layout;
    Stamp(picture, used, left + (width - used.Width() + 1) / 2, top + (height - used.Height() + 1) / 2, lit);
}

Bitmap1 DrawHand(int variant, int size) {
    // A hand pointing right, at the key beside it.
    // clang-format off
    static const Pattern hand8{{
        "........",
        ".###....",
        "#...####",
        "#......#",
        "#..#####",
        "#...##..",
        ".####...",
        "........",
    }};
    static const Pattern hand12{{
        "............",
        "............",
        "..#####.....",
        ".#.....#####",
        "#..........#",
        "#.....######",
        "#....#......",
        "#.....###...",
        "#....#......",
        ".#....##....",
        "..#####.....",
        "............",
    }};
    static const Pattern hand16{{
        "................",
        "................",
        "................",
        "....######......",
        "...#......#####.",
        "..#............#",
        ".#......#######.",
        ".#.....#........",
        ".#......####....",
        ".#.....#........",
        ".#......###.....",
        ".#.....#........",
        "..#.....##......",
        "...######.......",
        "................",
        "................",
    }};
    // clang-format on
    Bitmap1 picture(size, size);
    if (size <= 8) {
        picture = Scaled(hand8, 1);
    } else if (size <= 12) {
        picture = Scaled(hand12, 1);
    } else if (size <= 16) {
        picture = Scaled(hand16, 1);
    } else if (size <= 24) {
        picture = Scaled(hand12, 2);
    } else {
        picture = Scaled(hand16, 2);
    }
    if (variant == 1) {
        picture.Invert();
    }
    return picture;
}

Bitmap1 DrawLamp(int shape, int state, int size) {
    Bitmap1 lamp(size, size);
    const int ring = std::max(1, size / 12);
    const double centre = (size - 1) / 2.0;
    const double outer = size / 2.0;
    const auto inside = [centre](int x, int y, double radius) {
        const double dx = x - centre;
        const double dy = y - centre;
        return dx * dx + dy * dy <= radius * radius - 0.25;
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int edge = std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y));
            bool lit = false;
            if (shape == 0) {
                const bool bezel = inside(x, y, outer) && !inside(x, y, outer - ring);
                const bool glow = inside(x, y, outer - ring - 1);
                lit = bezel || (state != 0 && glow);
            } else {
                lit = edge < ring || (state != 0 && edge > ring);
            }
            lamp.Set(x, y, lit);
        }
    }
    return lamp;
}

} // namespace artwork
