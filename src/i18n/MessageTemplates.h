#pragma once
// Finished messages back to their templates. The core formats a message
// ("烧写%s成功！" with "GUI" put in) before the window sees it, so the
// translation is found by matching the text against every template with
// placeholders and putting the same arguments into the template's
// translation.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace balsar::i18n {

class MessageTemplates {
public:
    using TranslateFn = std::function<QString(const QString& source)>;

    // A source text with printf (%s, %d, %02X, ...) or Qt (%1..%9)
    // placeholders; a text without one is ignored.
    void Add(const QString& source);
    bool Empty() const { return m_entries.empty(); }

    // The translation of text when it was built from one of the templates
    // and the template has a translation (the one with the most fixed text
    // wins), with each argument passed through translate as well; a null
    // QString otherwise.
    QString Translate(const QString& text, const TranslateFn& translate) const;

    // The placeholders of a text in the order they stand ("%%" excluded).
    static QStringList Placeholders(const QString& text);

private:
    struct Entry {
        QString source;
        QRegularExpression pattern;
        QStringList placeholders;
        qsizetype fixedLength = 0;
    };
    std::vector<Entry> m_entries;
};

} // namespace balsar::i18n
