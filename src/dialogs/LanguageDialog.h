#pragma once
// "语言设置": up to eight display languages with their default fonts, and the
// language of the panel's own messages.
#include <QDialog>
#include <array>

class QComboBox;

namespace balsar {
class CMirloDoc;
class FontEngine;
class MessageSink;
} // namespace balsar

namespace balsar::dialogs {

class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 8;
    // The language of the panel's messages: bit 6 of the settings flags.
    static constexpr uint32_t kEnglishMessages = 0x40;

    // fonts (may be null) fill the font lists; sink shows the checks of OK.
    LanguageDialog(CMirloDoc& doc, FontEngine* fonts, MessageSink& sink, QWidget* parent = nullptr);

    void accept() override;

    QComboBox* CountBox() const { return m_count; }
    QComboBox* SystemBox() const { return m_system; }
    QComboBox* LanguageBox(int row) const { return m_languages[static_cast<size_t>(row)]; }
    QComboBox* FontBox(int row) const { return m_fonts[static_cast<size_t>(row)]; }

private:
    void UpdateRows();
    void OnLanguage(int row);

    CMirloDoc& m_doc;
    FontEngine* m_fontEngine;
    MessageSink& m_sink;
    QComboBox* m_count;
    QComboBox* m_system;
    std::array<QComboBox*, kRows> m_languages{};
    std::array<QComboBox*, kRows> m_fonts{};
};

bool ShowLanguageDialog(QWidget* parent, CMirloDoc& doc, FontEngine* fonts, MessageSink& sink);

} // namespace balsar::dialogs
