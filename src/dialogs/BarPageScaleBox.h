#pragma once
// The value scale controls the bar graph and trend graph pages share: data
// type and width lists and the zero-scale and full-scale edits, kept within
// the range of the type and width.
#include <QWidget>
#include <cstdint>

class QComboBox;
class QLineEdit;

namespace balsar {
class MessageSink;
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
    // Where a refused value says which values the edit takes.
    void SetMessageSink(MessageSink* sink) { m_sink = sink; }

    QComboBox* Type() const { return m_type; }
    QComboBox* Width() const { return m_width; }
    QLineEdit* ZeroScale() const { return m_zero; }
    QLineEdit* FullScale() const { return m_full; }

signals:
    void changed();

private:
    void TakeValue(QLineEdit* edit, bool full);

    GraphScale& m_scale;
    MessageSink* m_sink = nullptr;
    QComboBox* m_type;
    QComboBox* m_width;
    QLineEdit* m_zero;
    QLineEdit* m_full;
};

// A scale value as the edits show it ("%lf").
QString ScaleText(double value);
// The same in the scale's own format: whole numbers for the integer types.
QString ScaleText(double value, int32_t dataType);

} // namespace balsar::dialogs
