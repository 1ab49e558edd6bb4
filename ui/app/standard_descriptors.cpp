#include "standard_descriptors.h"

#include <fcntl.h>
#include <cerrno>

void OpenMissingStandardDescriptors() {
    for (int nFd = 0; nFd <= 2; ++nFd) {
        if (::fcntl(nFd, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free descriptor is the closed one; the descriptors below it are open.
            ::open("/dev/null", O_RDWR);
        }
    }
}
