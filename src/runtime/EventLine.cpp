#include "runtime/EventLine.h"

#include "base/Text.h"
#include "runtime/CivilTime.h"

namespace balsar::runtime {

std::string EventLineHead(const EventListRecord& layout, size_t lineNumber, int64_t seconds) {
    const CivilTime when = CivilTime::FromSeconds(seconds);
    std::string line;
    if (layout.ShowNumber()) {
        line += Format("%zu ", lineNumber);
    }
    if (layout.DateOrder() != 0) {
        const char* dayMonth = layout.NoLeadingZeros() ? "%d" : "%02d";
        const std::string day = Format(dayMonth, when.day);
        const std::string month = Format(dayMonth, when.month);
        const std::string year =
            layout.FourDigitYear() ? Format("%d", when.year) : Format("%02d", ((when.year % 100) + 100) % 100);
        const std::string sep(1, static_cast<char>(layout.separator & 0x7F));
        switch (layout.DateOrder()) {
        case 1:
            line += day + sep + month + sep + year;
            break;
        case 2:
            line += month + sep + day + sep + year;
            break;
        case 3:
            line += year + sep + month + sep + day;
            break;
        default:
            line += month + sep + day;
            break;
        }
        line += ' ';
    }
    switch (layout.TimeFormat()) {
    case 1:
        line += Format("%02d:%02d:%02d", when.hour, when.minute, when.second);
        break;
    case 2:
        line += Format("%02d:%02d", when.hour, when.minute);
        break;
    default:
        break;
    }
    return line;
}

} // namespace balsar::runtime
