#pragma once
// printf-style formatting into std::string, for the system's message texts
// that are given as format strings ("[Class::Operation]Not support: %d").
#include <string>

namespace balsar {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace balsar
