// _putenv_s changes the C runtime's copy and the process environment, so
// both getenv and GetEnvironmentVariableW see the change.
#include "posix_environment.h"

#include <cstdlib>

extern "C" int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && std::getenv(name)) return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

// An empty value removes the variable.
extern "C" int unsetenv(const char* name) { return _putenv_s(name, "") == 0 ? 0 : -1; }
