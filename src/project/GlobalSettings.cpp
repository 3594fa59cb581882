#include "project/GlobalSettings.h"

#include "base/Archive.h"

namespace balsar {

GlobalSettings::GlobalSettings() { passwords.fill(6347); }

void GlobalSettings::Serialize(Archive& ar) {
    int32_t version = 2;
    ar.Value(version);
    ar.Value(optionFlags);
    ar.Value(initialScreen);
    ar.Value(screenSaverDelay);
    ar.Value(screenSaverScreen);
    ar.Value(wakePasswordLevel);
    ar.Value(reserved);
    for (int32_t& password : passwords) {
        ar.Value(password);
    }
    ar.Value(plcControlFlags);
    if (version >= 2) {
        ar.Value(passwordScreen);
    } else {
        passwordScreen = 1;
    }
    controlAddress.Serialize(ar);
}

void GlobalSettings::Compile(CompileContext&) {}

} // namespace balsar
