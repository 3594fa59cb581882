#include "PackageArgument.h"

namespace caldo {

QStringList WithPackageOptions(const QStringList& arguments) {
    if (arguments.size() != 2 || arguments.at(1).startsWith(QLatin1Char('-')) || arguments.at(1).isEmpty()) {
        return arguments;
    }
    return {arguments.at(0), QStringLiteral("-D"), QStringLiteral("-f"), arguments.at(1)};
}

} // namespace caldo
