#include "i18n/UiText.h"

#include <QCoreApplication>

#include "i18n/TranslationState.h"

namespace balsar::i18n {

namespace {

QString TranslateSource(const QString& source) {
    return QCoreApplication::translate(kContext, source.toUtf8().constData());
}

// A fixed text or a text built from a template; a null QString when neither.
QString TranslateWhole(const QString& text) {
    const QString exact = TranslateSource(text);
    if (exact != text) {
        return exact;
    }
    return ActiveTemplates().Translate(text, TranslateSource);
}

} // namespace

QString Ui(const char* source) { return QCoreApplication::translate(kContext, source); }

QString UiMessage(const std::string& text) {
    const QString source = QString::fromStdString(text);
    if (ActiveTemplates().Empty() && QCoreApplication::translate(kContext, text.c_str()) == source) {
        return source;
    }
    const QString whole = TranslateWhole(source);
    if (!whole.isNull()) {
        return whole;
    }
    // Messages joined from several texts line by line ("打开文件失败！\n" and
    // a path): each line on its own.
    if (!source.contains(u'\n')) {
        return source;
    }
    QStringList lines = source.split(u'\n');
    for (QString& line : lines) {
        const bool carriageReturn = line.endsWith(u'\r');
        const QString bare = carriageReturn ? line.chopped(1) : line;
        const QString translated = TranslateWhole(bare);
        if (!translated.isNull()) {
            line = translated + (carriageReturn ? QStringLiteral("\r") : QString());
        }
    }
    return lines.join(u'\n');
}

} // namespace balsar::i18n
