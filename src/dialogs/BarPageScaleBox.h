#pragma once
// The value scale controls the bar graph and trend graph pages share: data
// type and width lists and the zero-scale and full-scale edits, kept within
// the range of the type and width.
#include <QWidget>

class QComboBox;
class QLineEdit;

namespace balsar {
struct GraphScale;
}

namespace balsar::dialogs {

class BarPageScaleBox : public QWidget {
    Q_OBJECT
public:
    // The scale must outlive the box.
    BarPageScaleBox(GraphScale& scale, QWidget* parent = nullptr);
    // Shows the scale's current state.
    void Load();

    QComboBox* Type() const { return m_type; }
    QComboBox* Width() const { return m_width; }
    QLineEdit* ZeroScale() const { return m_zero; }
    QLineEdit* FullScale() const { return m_full; }

signals:
    void changed();

private:
    void TakeValue(QLineEdit* edit, bool full);

    GraphScale& m_scale;
    QComboBox* m_type;
    QComboBox* m_width;
    QLineEdit* m_zero;
    QLineEdit* m_full;
};

// A scale value as the edits show it ("%lf").
QString ScaleText(double value);

} // namespace balsar::dialogs
