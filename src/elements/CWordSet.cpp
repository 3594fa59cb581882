#include "elements/CWordSet.h"

#include "base/Archive.h"
#include "base/Text.h"
#include "elements/KeysLampsStrings.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CWordSet, 0, nullptr)

void CWordSet::Serialize(Archive& ar) {
    int32_t version = 1;
    ar.Value(version);
    for (int32_t* field : {&mode, &value, &limit, &delay, &speed, &immediate}) {
        ar.Value(*field);
    }
}

int CWordSet::BlockWords(int32_t m) {
    switch (m) {
    case WORD_SET:
    case WORD_SET_ENTERING:
    case WORD_SET_LEAVING:
        return 2;
    case WORD_ADD:
    case WORD_SUBTRACT:
        return 3;
    default:
        return 5;
    }
}

uint32_t CWordSet::ValueWord(int index) const {
    const int32_t values[4] = {value, limit, delay, speed};
    return index >= 0 && index < 4 ? static_cast<uint32_t>(values[index]) : 0u;
}

const char* CWordSet::ValueLabel(int32_t m) {
    switch (m) {
    case WORD_ADD:
    case WORD_ADD_CYCLING:
        return strings::kValueAddend;
    case WORD_SUBTRACT:
        return strings::kValueSubtrahend;
    case WORD_INCREMENT:
    case WORD_INCREMENT_CYCLING:
        return strings::kValueIncrement;
    case WORD_DECREMENT:
        return strings::kValueDecrement;
    default:
        return strings::kValueSet;
    }
}

const char* CWordSet::LimitLabel(int32_t m) {
    switch (m) {
    case WORD_ADD:
    case WORD_INCREMENT:
    case WORD_ADD_CYCLING:
    case WORD_INCREMENT_CYCLING:
        return strings::kLimitUpper;
    case WORD_SUBTRACT:
    case WORD_DECREMENT:
        return strings::kLimitLower;
    default:
        return "";
    }
}

bool CWordSet::UsesLimit(int32_t m) {
    return *LimitLabel(m) != '\0';
}

bool CWordSet::UsesTiming(int32_t m) {
    return m == WORD_INCREMENT || m == WORD_DECREMENT || m == WORD_INCREMENT_CYCLING;
}

std::string CWordSet::TenthsText(int index) {
    const int tenths = index + 1;
    return Format(strings::kTenthsFormat, tenths / 10, tenths % 10);
}

} // namespace balsar
