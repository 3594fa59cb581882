#pragma once
// Helpers of the tests of elements that draw and compile component pictures.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "elements/Glyph.h"

namespace balsar::test {

// Points the program folder (and with it lib/component) somewhere else for
// the lifetime of the object.
class ProgramFolderOverride {
public:
    explicit ProgramFolderOverride(const std::filesystem::path& folder);
    ~ProgramFolderOverride();
    ProgramFolderOverride(const ProgramFolderOverride&) = delete;
    ProgramFolderOverride& operator=(const ProgramFolderOverride&) = delete;

private:
    std::optional<std::string> m_previous;
};

// The source tree's own lib/component, through a program folder override.
class ShippedArtwork {
public:
    ShippedArtwork();

private:
    ProgramFolderOverride m_override;
};

// The glyph data the compile routine reads from a picture of the shipped
// library (rows top to bottom, leftmost pixel in bit 0, lit set).
std::vector<uint8_t> PictureRows(const std::string& subfolder, const std::string& name, int& width,
                                 int& height);

} // namespace balsar::test
