#pragma once
// A menu to choose the language of the user interface: follow the system,
// Chinese or English. The choice is stored in the suite-wide setting and
// takes effect when a program starts.
class QMenu;
class QWidget;

namespace balsar::i18n {

QMenu* MakeLanguageMenu(QWidget* parent);

} // namespace balsar::i18n
