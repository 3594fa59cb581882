#include "LinkChoiceStore.h"

#include <QSettings>

namespace caldo {

namespace {

constexpr char kOrganization[] = "Balsar";

} // namespace

LinkChoice LinkChoiceStore::Load() const {
    const QSettings settings(QString::fromLatin1(kOrganization), m_name);
    LinkChoice choice;
    choice.kind = settings.value(QStringLiteral("link/kind"), choice.kind).toInt();
    choice.address = settings.value(QStringLiteral("link/address")).toString();
    choice.port = settings.value(QStringLiteral("link/port")).toString();
    choice.serialDevice = settings.value(QStringLiteral("link/serialDevice")).toString();
    choice.usbId = settings.value(QStringLiteral("link/usbId")).toString();
    return choice;
}

void LinkChoiceStore::Save(const LinkChoice& choice) const {
    QSettings settings(QString::fromLatin1(kOrganization), m_name);
    settings.setValue(QStringLiteral("link/kind"), choice.kind);
    settings.setValue(QStringLiteral("link/address"), choice.address);
    settings.setValue(QStringLiteral("link/port"), choice.port);
    settings.setValue(QStringLiteral("link/serialDevice"), choice.serialDevice);
    settings.setValue(QStringLiteral("link/usbId"), choice.usbId);
}

} // namespace caldo
