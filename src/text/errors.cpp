#include "text/errors.h"

namespace velkor {

FileOpenError::FileOpenError(const std::string& file, const std::string& reason)
    : Error("Cannot open file \"" + file + "\". " + reason), file_(file) {}

FileCreateError::FileCreateError(const std::string& file, const std::string& reason)
    : Error("Cannot create file \"" + file + "\". " + reason), file_(file) {}

ListIndexError::ListIndexError(std::size_t index)
    : Error("List index out of bounds (" + std::to_string(index) + ")") {}

}  // namespace velkor
