#pragma once
// The text form of a whole project, in the order of the project file:
// model, labels flag, ports, languages, screens with their elements,
// settings, event list, bitmap library and data transfers.
namespace balsar {

class CMirloProject;
class JsonIo;

// Reading fills a new project: its language table, bitmap library and
// screens are replaced; two screens of one number or two bitmaps of one ID
// are refused.
void ProjectFields(JsonIo& io, CMirloProject& project);

} // namespace balsar
