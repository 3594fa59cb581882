#pragma once
// A download image the runtime cannot use: which record, at which offset,
// and what is wrong with it. Raised while the image is read and turned into
// a message at the load boundary; nothing else throws it.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace balsar::runtime {

class ImageError : public std::runtime_error {
public:
    ImageError(size_t offset, std::string_view record, std::string_view problem);

    // Absolute byte position in the image where the fault was found.
    size_t Offset() const { return m_offset; }
    // The record being read ("screen 2 element 5 (register)", "glyph record", ...).
    const std::string& Record() const { return m_record; }
    const std::string& Problem() const { return m_problem; }

private:
    size_t m_offset;
    std::string m_record;
    std::string m_problem;
};

} // namespace balsar::runtime
