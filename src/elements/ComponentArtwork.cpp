#include "elements/ComponentArtwork.h"

#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Text.h"
#include "elements/PanelCanvas.h"
#include "elements/SingleColorBitmap.h"

namespace balsar::artwork {

std::string KeyFileName(int keyCode, int variant, int pixelSize) {
    return Format("FUNCKEY%d_%d_%d.dat", keyCode, variant, pixelSize);
}

std::string HandFileName(int variant, int pixelSize) {
    return Format("HAND_%d_%d.dat", variant, pixelSize);
}

std::string LampFileName(int shape, int state, int pixelSize) {
    return Format("LED%d_%d_%d.dat", shape, state, pixelSize);
}

std::filesystem::path KeyFolder() {
    return LibraryFolder() / "component" / "funckey";
}

std::filesystem::path LampFolder() {
    return LibraryFolder() / "component" / "led";
}

std::optional<Glyph> LoadPicture(const std::filesystem::path& path) {
    std::vector<uint8_t> file;
    std::string error;
    if (!ReadFileBytes(path.string(), file, error)) {
        return std::nullopt;
    }
    // The editor draws nothing for a picture it cannot read; the compiler
    // reports it.
    RecordingMessageSink quiet;
    Glyph picture;
    if (!ParseSingleColorBitmap(file, path.string(), quiet, picture.width, picture.height, picture.data)) {
        return std::nullopt;
    }
    return picture;
}

void DrawPicture(PanelCanvas& canvas, const Glyph& picture, const PanelRect& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0) {
        return;
    }
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y) * picture.height / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<int64_t>(x) * picture.width / width);
            canvas.SetPixel(rect.left + x, rect.top + y, picture.Pixel(sx, sy));
        }
    }
}

bool DrawPictureFile(PanelCanvas& canvas, const std::filesystem::path& path, const PanelRect& rect) {
    const auto picture = LoadPicture(path);
    if (!picture) {
        return false;
    }
    DrawPicture(canvas, *picture, rect);
    return true;
}

} // namespace balsar::artwork
