#pragma once
// Projects for the text-form tests: the committed reference project, a
// project built through the core with every kind and unusual values, a file
// whose elements are written in their older record versions, and a file of
// project file version 1. Helpers load and save them as the document does.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "project/CMirloProject.h"
#include "projecttext/ProjectJson.h"

namespace balsar::test {

std::filesystem::path ReferenceProjectPath();

// The project object of a file's bytes, read as the document reads it.
std::unique_ptr<CMirloProject> LoadProjectBytes(const std::vector<uint8_t>& bytes);
std::unique_ptr<CMirloProject> LoadProjectFile(const std::filesystem::path& path);
// What saving the project writes.
std::vector<uint8_t> SavedBytes(CMirloProject& project);

// Every element kind (the trend buffer's address naming an older type),
// two languages, used, unused and malformed bitmaps, all ports, events and
// data transfers, unicode texts and values at the ends of their ranges.
std::unique_ptr<CMirloProject> RichProject();
// A current project file whose elements and addresses are written in their
// older record versions (static text 1, dynamic text 1 and 2, register 1 and
// 2, function key 1, address 1).
std::vector<uint8_t> OlderRecordsFile();
// A project file of version 1: no labels flag, settings and event list of
// version 1, a version-1 picture that reads its bitmap from its source file,
// no bitmap library, no data transfers.
std::vector<uint8_t> Version1File();

// The import of a text that must succeed (a test failure otherwise).
ImportedProject ImportOrFail(const std::string& text);
// The error of a text that must fail.
std::string ImportError(const std::string& text);

} // namespace balsar::test
