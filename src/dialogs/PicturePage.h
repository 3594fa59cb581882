#pragma once
// The picture's page ("图片属性"): position and size kept inside the panel
// (at least 16 by 16), the threshold slider ("阀值:") with its spin,
// "压缩" and "反相", and "更换图片..." to take another BMP file. Every change
// shows at once.
#include <string>

#include "dialogs/ElementPage.h"

class QCheckBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace balsar {
class CPictureGE;
}

namespace balsar::dialogs {

class PicturePage : public ElementPage {
    Q_OBJECT
public:
    PicturePage(CPictureGE& element, const PageContext& pageContext, QWidget* parent = nullptr);
    void Load() override;

    QSpinBox* X() const { return m_x; }
    QSpinBox* Y() const { return m_y; }
    QSpinBox* PictureWidth() const { return m_width; }
    QSpinBox* PictureHeight() const { return m_height; }
    QSlider* Threshold() const { return m_threshold; }
    QSpinBox* ThresholdSpin() const { return m_thresholdSpin; }
    QCheckBox* Compress() const { return m_compress; }
    QCheckBox* Reverse() const { return m_reverse; }
    QPushButton* ChooseBitmap() const { return m_choose; }
    // Takes another BMP file (the button asks for it); false with the
    // file's message when it is refused.
    bool TakeBitmapFile(const std::string& path);

private:
    void OnGeometry();
    void OnThreshold(int value);

    CPictureGE& m_picture;
    bool m_loading = false;
    QSpinBox* m_x;
    QSpinBox* m_y;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QSlider* m_threshold;
    QSpinBox* m_thresholdSpin;
    QCheckBox* m_compress;
    QCheckBox* m_reverse;
    QPushButton* m_choose;
};

} // namespace balsar::dialogs
