#include "runtime/ImageError.h"

#include "base/Text.h"

namespace balsar::runtime {

namespace {

std::string Describe(size_t offset, std::string_view record, std::string_view problem) {
    return Format("damaged download image: %.*s at offset %zu (0x%zX): %.*s", static_cast<int>(record.size()),
                  record.data(), offset, offset, static_cast<int>(problem.size()), problem.data());
}

} // namespace

ImageError::ImageError(size_t offset, std::string_view record, std::string_view problem)
    : std::runtime_error(Describe(offset, record, problem)), m_offset(offset), m_record(record),
      m_problem(problem) {}

} // namespace balsar::runtime
