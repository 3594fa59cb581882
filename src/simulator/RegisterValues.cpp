#include "simulator/RegisterValues.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace balsar::simulator {

namespace {

// The register element of the use, if it is one.
const runtime::RegisterRecord* RegisterOf(const runtime::PanelRuntime& panel, uint16_t screen,
                                          const runtime::RegisterUse& use) {
    const int index = panel.Image().ScreenIndex(screen);
    if (index < 0 || use.kind != runtime::ElementKind::Register) {
        return nullptr;
    }
    const auto& elements = panel.Image().screens[static_cast<size_t>(index)].elements;
    if (use.element >= elements.size()) {
        return nullptr;
    }
    return std::get_if<runtime::RegisterRecord>(&elements[use.element].data);
}

std::string Number(double value) {
    if (std::floor(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::string RegisterValueText(const runtime::PanelRuntime& panel, uint16_t screen,
                              const runtime::RegisterUse& use) {
    const runtime::RegisterBank& bank = panel.Registers();
    if (use.address.IsBit()) {
        return bank.ReadBit(use.address) ? "1" : "0";
    }
    if (const runtime::RegisterRecord* reg = RegisterOf(panel, screen, use)) {
        const runtime::DataType type = reg->Type();
        const int words = runtime::WordsOf(type, reg->TwoWords());
        if (type == runtime::DataType::HexBcd) {
            char text[24];
            std::snprintf(text, sizeof text, "0x%llX",
                          static_cast<unsigned long long>(bank.Raw(use.address, words)));
            return text;
        }
        return Number(bank.Read(use.address, type, words));
    }
    if (use.count > 2) {
        std::string text;
        for (const uint16_t word : bank.Values(use.address, use.count)) {
            text += (text.empty() ? "" : " ") + std::to_string(word);
        }
        return text;
    }
    return std::to_string(bank.Raw(use.address, use.address.ValueWords()));
}

bool SetRegisterValue(runtime::PanelRuntime& panel, uint16_t screen, const runtime::RegisterUse& use,
                      const std::string& text, std::string& error) {
    runtime::RegisterBank& bank = panel.Registers();
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::vector<double> numbers;
    std::string word;
    while (in >> word) {
        char* end = nullptr;
        const bool hex = word.starts_with("0x") || word.starts_with("0X");
        const double value = hex ? static_cast<double>(std::strtoull(word.c_str() + 2, &end, 16))
                                 : std::strtod(word.c_str(), &end);
        if (end == nullptr || *end != '\0' || (hex && word.size() == 2)) {
            error = "not a number: " + word;
            return false;
        }
        numbers.push_back(value);
    }
    if (numbers.empty()) {
        error = "no value";
        return false;
    }
    if (use.address.IsBit()) {
        bank.WriteBit(use.address, numbers.front() != 0);
        return true;
    }
    if (const runtime::RegisterRecord* reg = RegisterOf(panel, screen, use)) {
        const runtime::DataType type = reg->Type();
        bank.Write(use.address, type, runtime::WordsOf(type, reg->TwoWords()), numbers.front());
        return true;
    }
    if (numbers.size() > 1 || use.count > 2) {
        std::vector<uint16_t> words;
        for (const double n : numbers) {
            words.push_back(static_cast<uint16_t>(static_cast<int64_t>(n)));
        }
        bank.WriteValues(use.address, words);
        return true;
    }
    const double value = numbers.front();
    bank.Write(use.address, value < 0 ? runtime::DataType::Signed : runtime::DataType::Unsigned,
               use.address.ValueWords(), value);
    return true;
}

} // namespace balsar::simulator
