#include "platform/Handles.h"

#include <unistd.h>

namespace platform {

void FdTraits::Close(int fd) noexcept { ::close(fd); }

}  // namespace platform
