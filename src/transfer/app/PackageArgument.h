#pragma once
// A package given alone on the command line, as a file manager or
// "CaldoLoader PACKAGE.qk" passes it.
#include <QStringList>

namespace caldo {

// The program's arguments in the form the transfer command line reads:
// "PROGRAM PACKAGE" becomes "PROGRAM -D -f PACKAGE" (a download of that
// package); every other argument list is returned unchanged.
QStringList WithPackageOptions(const QStringList& arguments);

} // namespace caldo
