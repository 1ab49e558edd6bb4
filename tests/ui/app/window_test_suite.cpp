// The meta-object of CWindowTestSuite, built once for every window suite.
#include "window_test_suite.h"
