// The link choice of the transfer dialogs as the user left it: kind, UDP
// address and port, serial device and USB id, kept with QSettings between
// runs of the program.
#pragma once

#include <QString>

namespace caldo {

struct LinkChoice {
    int kind = 2;         // kLinkUsb unless chosen otherwise
    QString address;      // UDP
    QString port;         // UDP
    QString serialDevice; // the device behind the chosen serial entry, or a path
    QString usbId;        // "VID:PID", empty: the panels of the discovery file
};

class LinkChoiceStore {
public:
    // settingsName names the QSettings application (one per program).
    explicit LinkChoiceStore(QString settingsName) : m_name(std::move(settingsName)) {}
    // The last choice saved, or the defaults.
    LinkChoice Load() const;
    void Save(const LinkChoice& choice) const;

private:
    QString m_name;
};

} // namespace caldo
