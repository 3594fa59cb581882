#pragma once
// Texts of the user interface as shown: looked up in the installed
// translation (context "balsar"), the source text itself when there is none.
#include <QString>
#include <string>

namespace balsar::i18n {

inline constexpr const char* kContext = "balsar";

// A fixed UI text (a constant of a strings header or a literal of a window).
QString Ui(const char* source);

// A finished message of the core: a fixed text, a text formatted from a
// template ("烧写%s成功！" with its arguments in), or lines of either. What
// matches nothing is shown as it stands.
QString UiMessage(const std::string& text);

} // namespace balsar::i18n
