#include "simulator/FramePng.h"

#include <filesystem>

#include "base/Text.h"
#include "simulator/SimulatorStrings.h"

namespace balsar::simulator {

QImage FrameImage(const runtime::FrameBuffer& frame) {
    return LcdImage(frame, 1, Qt::black, Qt::white);
}

QImage LcdImage(const runtime::FrameBuffer& frame, int scale, QColor lit, QColor unlit) {
    scale = std::max(scale, 1);
    QImage image(frame.Width() * scale, frame.Height() * scale, QImage::Format_RGB32);
    const QRgb on = lit.rgb();
    const QRgb off = unlit.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x] = frame.Pixel(x / scale, y / scale) ? on : off;
        }
    }
    return image;
}

bool SaveScreens(const std::map<uint16_t, runtime::FrameBuffer>& frames, const std::string& folder,
                 std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = Format(texts::kCannotWrite, folder.c_str(), ec.message().c_str());
        return false;
    }
    for (const auto& [number, frame] : frames) {
        const std::string path =
            (std::filesystem::path(folder) / ("screen-" + std::to_string(number) + ".png")).string();
        // Indexed 1-bit output keeps the files small and exactly two-coloured.
        QImage picture = FrameImage(frame).convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        if (!picture.save(QString::fromStdString(path), "PNG")) {
            error = Format(texts::kCannotWrite, path.c_str(), "the PNG could not be written");
            return false;
        }
    }
    return true;
}

} // namespace balsar::simulator
