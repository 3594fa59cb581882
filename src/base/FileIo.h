#pragma once
// Whole-file reads and crash-safe writes.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace balsar {

// Reads a whole file. False (with the reason in error) when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);
// Writes bytes to a temporary file in the target's folder, flushes it to disk
// and renames it over the target, so an interrupted or failed write never
// destroys the previous file. False (with the reason in error) on failure;
// the target is then unchanged.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string& error);
// True when the file holds exactly these bytes (compared in 1024-byte blocks).
bool FileEquals(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

} // namespace balsar
