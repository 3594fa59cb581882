#pragma once
// Names a record of the image in error messages ("screen 3 element 2
// (register)", "glyph record of event item 1"). The text is built only when
// an error is raised, so naming every record costs nothing while reading.
#include <cstddef>
#include <cstdint>
#include <string>

namespace balsar::runtime {

class RecordName {
public:
    // A fixed name; the text must outlive the object.
    RecordName(const char* what) : m_what(what) {} // NOLINT: converts on purpose
    // "<what> of <owner>"; the owner must outlive the object.
    RecordName(const char* what, const RecordName& owner) : m_what(what), m_owner(&owner) {}
    // "<what> <index>", for example "event item 3".
    static RecordName Numbered(const char* what, size_t index);
    // "screen <number> element <index> (<kind name>)".
    static RecordName Element(uint16_t screen, size_t index, const char* kindName);
    // "screen <number>", optionally "screen <number> <what>".
    static RecordName Screen(uint16_t screen, const char* what = nullptr);

    std::string Text() const;

private:
    const char* m_what = "";
    const RecordName* m_owner = nullptr;
    long m_index = -1;
    long m_screen = -1;
    const char* m_kind = nullptr;
};

} // namespace balsar::runtime
