#include "i18n/MessageTemplates.h"

#include <QRegularExpressionMatchIterator>

namespace balsar::i18n {

namespace {

const QRegularExpression& PlaceholderPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("%(?:%|[1-9]|[-+ #0]*\\d*(?:\\.\\d+)?(?:hh|h|ll|l|z|j|t)?[diouxXcsfgeEp])"));
    return pattern;
}

bool IsNumbered(const QString& placeholder) { return placeholder.size() == 2 && placeholder[1].isDigit(); }

bool IsInteger(const QString& placeholder) {
    const QChar conversion = placeholder.back();
    return conversion == u'd' || conversion == u'i' || conversion == u'u';
}

} // namespace

QStringList MessageTemplates::Placeholders(const QString& text) {
    QStringList found;
    QRegularExpressionMatchIterator it = PlaceholderPattern().globalMatch(text);
    while (it.hasNext()) {
        const QString token = it.next().captured(0);
        if (token != QStringLiteral("%%")) {
            found << token;
        }
    }
    return found;
}

void MessageTemplates::Add(const QString& source) {
    Entry entry;
    entry.source = source;
    QString pattern = QStringLiteral("^");
    qsizetype last = 0;
    QRegularExpressionMatchIterator it = PlaceholderPattern().globalMatch(source);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString fixed = source.mid(last, match.capturedStart() - last);
        pattern += QRegularExpression::escape(fixed);
        entry.fixedLength += fixed.size();
        const QString token = match.captured(0);
        if (token == QStringLiteral("%%")) {
            pattern += QStringLiteral("%");
            entry.fixedLength += 1;
        } else {
            pattern += IsInteger(token) ? QStringLiteral("(-?\\d+)") : QStringLiteral("([\\s\\S]*?)");
            entry.placeholders << token;
        }
        last = match.capturedEnd();
    }
    if (entry.placeholders.isEmpty()) {
        return;
    }
    const QString tail = source.mid(last);
    pattern += QRegularExpression::escape(tail) + QStringLiteral("$");
    entry.fixedLength += tail.size();
    entry.pattern = QRegularExpression(pattern);
    m_entries.push_back(std::move(entry));
}

QString MessageTemplates::Translate(const QString& text, const TranslateFn& translate) const {
    const Entry* best = nullptr;
    QRegularExpressionMatch bestMatch;
    for (const Entry& entry : m_entries) {
        if (best != nullptr && entry.fixedLength <= best->fixedLength) {
            continue;
        }
        QRegularExpressionMatch match = entry.pattern.match(text);
        if (match.hasMatch()) {
            best = &entry;
            bestMatch = match;
        }
    }
    if (best == nullptr) {
        return {};
    }
    const QString translation = translate(best->source);
    if (translation.isEmpty() || translation == best->source) {
        return {};
    }
    // printf arguments keep their order; %1..%9 go where their number says.
    // An argument that is itself a UI text (a region name) is translated too.
    QStringList printfArguments;
    QHash<QString, QString> numbered;
    for (qsizetype i = 0; i < best->placeholders.size(); ++i) {
        const QString& token = best->placeholders[i];
        const QString argument = translate(bestMatch.captured(static_cast<int>(i + 1)));
        if (IsNumbered(token)) {
            numbered.insert(token, argument);
        } else {
            printfArguments << argument;
        }
    }
    QString result;
    qsizetype last = 0;
    qsizetype nextPrintf = 0;
    QRegularExpressionMatchIterator it = PlaceholderPattern().globalMatch(translation);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += translation.mid(last, match.capturedStart() - last);
        const QString token = match.captured(0);
        if (token == QStringLiteral("%%")) {
            result += QStringLiteral("%");
        } else if (IsNumbered(token) && numbered.contains(token)) {
            result += numbered.value(token);
        } else if (!IsNumbered(token) && nextPrintf < printfArguments.size()) {
            result += printfArguments[nextPrintf++];
        } else {
            result += token;
        }
        last = match.capturedEnd();
    }
    result += translation.mid(last);
    return result;
}

} // namespace balsar::i18n
