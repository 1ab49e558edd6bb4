// The three standard descriptors of the process. A program started with one of them closed
// would hand that number to the next file or connection it opens, and every later write to
// standard error would land in it (the X connection, the settings file).
#pragma once

// Opens /dev/null on each of the descriptors 0, 1 and 2 that is closed, so that they stay
// taken for the whole run. To be called first in main, before anything opens a file.
void OpenMissingStandardDescriptors();
