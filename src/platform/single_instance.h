// The single-instance rule: the first copy holds a named mutex for its whole life.
#pragma once

#include <string>

namespace velkor {

// False when the mutex already exists (another copy runs) or cannot be made.
// On success the mutex is kept until the process ends.
bool AcquireSingleInstance(const std::string& mutex_name);

}  // namespace velkor
