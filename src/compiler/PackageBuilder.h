#pragma once
// The download package: the compile output as user data, the PLC driver
// files of COM0 and COM1 as sections 0 and 1, and the GUI program files of
// the panel model, behind a 108-byte header area and a two-entry section
// table. All integers little-endian. The transfer tools read this file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace balsar {

class CMirloProject;
class HardwareModel;
class MessageSink;
class ProtocolLibrary;

// The values and positions of the package this designer writes.
namespace package {
inline constexpr char kIdentification[] = "zembra-qk"; // followed by one zero byte
inline constexpr size_t kIdentificationSize = 10;
inline constexpr uint32_t kKind = 2;
inline constexpr uint32_t kSectionCount = 2;
inline constexpr size_t kKindOffset = 16;
inline constexpr size_t kUserDataDescriptor = 20;
inline constexpr size_t kReservedDescriptor = 40;
inline constexpr size_t kGuiModel1Descriptor = 60;
inline constexpr size_t kGuiModel2Descriptor = 80;
inline constexpr size_t kSectionCountOffset = 100;
inline constexpr size_t kSectionTableOffsetField = 104;
inline constexpr size_t kHeaderAreaSize = 108;
inline constexpr size_t kDescriptorSize = 20;
// Driver files and GUI program files start with a 16-byte header that the
// package leaves out; the user data is copied whole.
inline constexpr uint32_t kProgramFileHeader = 16;
// The file version: 16 bits at byte 8 of every source file.
inline constexpr size_t kVersionOffset = 8;
} // namespace package

// One 20-byte region descriptor (the last 4 bytes are always zero).
struct PackageDescriptor {
    uint32_t offset = 0;
    uint32_t length = 0;
    uint32_t version = 0;
    uint32_t checksum = 0;
    bool operator==(const PackageDescriptor& other) const = default;
};

// The files a package is made of. An empty driver path marks a port not in
// use (its descriptor stays zero); an empty gui2 a model without a second
// GUI program file.
struct PackageSources {
    std::filesystem::path userData;
    std::array<std::filesystem::path, 2> drivers;
    std::filesystem::path gui1;
    std::filesystem::path gui2;
};

// Appends the source file, less its first bytesToSkip bytes, at the end of
// the package, then zero bytes up to a multiple of 4. length grows by the
// bytes appended (padding included), checksum by the sum of the file's
// bytes; version receives the 16-bit value at byte 8 of the file (0 for a
// file shorter than 10 bytes). False, with the file-error text naming the
// path, when the file cannot be read or is shorter than bytesToSkip.
bool AppendPackageRegion(const std::filesystem::path& source, uint32_t bytesToSkip, std::vector<uint8_t>& package,
                         uint32_t& length, uint32_t& checksum, uint32_t& version, MessageSink& sink);

// Builds the package bytes from the sources. False when a source fails
// (reported); the bytes are then incomplete and must not be written.
bool BuildPackageBytes(const PackageSources& sources, std::vector<uint8_t>& package, MessageSink& sink);

// Writes the package file. It appears only complete: on any failure
// ("Create Compile File Failed!" when it cannot be written) a package
// previously at that path is removed as well, so no tool can take a stale
// package for the project just compiled.
bool BuildPackage(const std::string& packagePath, const PackageSources& sources, MessageSink& sink);

// The sources of a project's package: its compile output, the driver file of
// COM0 and COM1 when in use (the protocol's ".CFG" path without ".CFG", then
// "_<section>.bin"), and the model's "HWFile" and "HWFile_2" in the hardware
// folder. False (reported) when a port in use has a protocol the library
// lacks or the model names no first GUI file.
bool ResolvePackageSources(const CMirloProject& project, const ProtocolLibrary& library, const HardwareModel& model,
                           const std::filesystem::path& hardwareFolder, PackageSources& sources, MessageSink& sink);

// <project folder>/<project name>.qk
std::string PackagePath(const CMirloProject& project);

} // namespace balsar
