#include "compiler/PackageBuilder.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "base/ByteWriter.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "compiler/ToolStrings.h"
#include "hardware/HardwareModel.h"
#include "plc/ProtocolLibrary.h"
#include "project/CMirloProject.h"

namespace balsar {

namespace {

void WriteDescriptor(std::vector<uint8_t>& package, size_t at, const PackageDescriptor& d) {
    WriteAt(package, at, d.offset, 4);
    WriteAt(package, at + 4, d.length, 4);
    WriteAt(package, at + 8, d.version, 4);
    WriteAt(package, at + 12, d.checksum, 4);
    WriteAt(package, at + 16, 0, 4);
}

void WriteHeaderArea(std::vector<uint8_t>& package, const PackageDescriptor& userData, const PackageDescriptor& gui1,
                     const PackageDescriptor& gui2) {
    std::memcpy(package.data(), package::kIdentification, package::kIdentificationSize);
    WriteAt(package, package::kKindOffset, package::kKind, 4);
    WriteDescriptor(package, package::kUserDataDescriptor, userData);
    WriteDescriptor(package, package::kReservedDescriptor, {});
    WriteDescriptor(package, package::kGuiModel1Descriptor, gui1);
    WriteDescriptor(package, package::kGuiModel2Descriptor, gui2);
    WriteAt(package, package::kSectionCountOffset, package::kSectionCount, 4);
    WriteAt(package, package::kSectionTableOffsetField, static_cast<uint32_t>(package::kHeaderAreaSize), 4);
}

// Appends one region and fills its descriptor (the version only when asked).
bool AppendRegion(const std::filesystem::path& source, uint32_t skip, std::vector<uint8_t>& package,
                  PackageDescriptor& descriptor, uint32_t& version, MessageSink& sink) {
    descriptor.offset = static_cast<uint32_t>(package.size());
    return AppendPackageRegion(source, skip, package, descriptor.length, descriptor.checksum, version, sink);
}

} // namespace

bool AppendPackageRegion(const std::filesystem::path& source, uint32_t bytesToSkip, std::vector<uint8_t>& package,
                         uint32_t& length, uint32_t& checksum, uint32_t& version, MessageSink& sink) {
    std::vector<uint8_t> bytes;
    std::string error;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(source, ec)) {
        error = std::strerror(std::filesystem::is_directory(source, ec) ? EISDIR : ENOENT);
        sink.Message(Format(texts::kPackageSourceOpenFailed, source.string().c_str(), error.c_str()));
        return false;
    }
    if (!ReadFileBytes(source, bytes, error)) {
        sink.Message(Format(texts::kPackageSourceOpenFailed, source.string().c_str(), error.c_str()));
        return false;
    }
    if (bytes.size() < bytesToSkip) {
        sink.Message(Format(texts::kPackageSourceTooShort, bytesToSkip, source.string().c_str()));
        return false;
    }
    version = bytes.size() >= package::kVersionOffset + 2
                  ? static_cast<uint32_t>(bytes[package::kVersionOffset] | bytes[package::kVersionOffset + 1] << 8)
                  : 0;
    const size_t start = package.size();
    package.insert(package.end(), bytes.begin() + bytesToSkip, bytes.end());
    for (size_t i = start; i < package.size(); ++i) {
        checksum += package[i];
    }
    // The region's own length, not the package's, is padded to 4.
    const size_t data = package.size() - start;
    const size_t padding = (4 - data % 4) % 4;
    package.insert(package.end(), padding, 0);
    length += static_cast<uint32_t>(data + padding);
    return true;
}

bool BuildPackageBytes(const PackageSources& sources, std::vector<uint8_t>& package, MessageSink& sink) {
    package.assign(package::kHeaderAreaSize + package::kSectionCount * package::kDescriptorSize, 0);
    PackageDescriptor userData;
    PackageDescriptor gui1;
    PackageDescriptor gui2;
    std::array<PackageDescriptor, package::kSectionCount> sections{};
    uint32_t version = 0;
    if (!AppendRegion(sources.userData, 0, package, userData, version, sink)) {
        return false;
    }
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sources.drivers[i].empty()) {
            continue;
        }
        if (!AppendRegion(sources.drivers[i], package::kProgramFileHeader, package, sections[i], version, sink)) {
            return false;
        }
    }
    for (size_t i = 0; i < sections.size(); ++i) {
        WriteDescriptor(package, package::kHeaderAreaSize + i * package::kDescriptorSize, sections[i]);
    }
    if (!AppendRegion(sources.gui1, package::kProgramFileHeader, package, gui1, version, sink)) {
        return false;
    }
    gui1.version = version;
    if (!sources.gui2.empty() &&
        !AppendRegion(sources.gui2, package::kProgramFileHeader, package, gui2, version, sink)) {
        return false;
    }
    // Without a second GUI file the model-2 descriptor repeats the model-1
    // version.
    gui2.version = version;
    WriteHeaderArea(package, userData, gui1, gui2);
    return true;
}

bool BuildPackage(const std::string& packagePath, const PackageSources& sources, MessageSink& sink) {
    std::vector<uint8_t> package;
    bool written = BuildPackageBytes(sources, package, sink);
    if (written) {
        std::string error;
        written = WriteFileAtomically(packagePath, package, error);
        if (!written) {
            sink.Message(texts::kCreateCompileFileFailed);
        }
    }
    if (!written) {
        std::error_code ec;
        std::filesystem::remove(packagePath, ec);
    }
    return written;
}

bool ResolvePackageSources(const CMirloProject& project, const ProtocolLibrary& library, const HardwareModel& model,
                           const std::filesystem::path& hardwareFolder, PackageSources& sources, MessageSink& sink) {
    sources = {};
    sources.userData = project.GetCompileOutputPath();
    for (int section = 0; section < 2; ++section) {
        const CPortCom& port = *project.GetPort(section);
        if (port.enabled == 0) {
            continue;
        }
        int manufacturer = -1;
        int protocol = -1;
        if (!library.FindProtocol(port.protocolId, manufacturer, protocol)) {
            sink.Message(Format(texts::kPackageUnknownProtocol, section, port.protocolId));
            return false;
        }
        sources.drivers[static_cast<size_t>(section)] = library.DriverPath(manufacturer, protocol, section);
    }
    if (model.hwFile.empty()) {
        sink.Message(texts::kPackageNoGuiFile);
        return false;
    }
    sources.gui1 = hardwareFolder / model.hwFile;
    if (!model.hwFile2.empty()) {
        sources.gui2 = hardwareFolder / model.hwFile2;
    }
    return true;
}

std::string PackagePath(const CMirloProject& project) {
    const std::filesystem::path path(project.GetProjectPath());
    return (path.parent_path() / (project.GetProjectName() + ".qk")).string();
}

} // namespace balsar
