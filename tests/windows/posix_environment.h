#pragma once
// setenv and unsetenv for the Windows test build, whose C runtime has
// neither; forced into every test source there.

#ifdef __cplusplus
extern "C" {
#endif

int setenv(const char* name, const char* value, int overwrite);
int unsetenv(const char* name);

#ifdef __cplusplus
}
#endif
