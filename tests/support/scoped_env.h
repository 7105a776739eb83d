#pragma once
// Sets (or removes) an environment variable for the life of the object and
// puts the previous value back afterwards.

#include <cstdlib>
#include <optional>
#include <string>

namespace vcom::testing {

class ScopedEnv {
public:
    // nullopt removes the variable for the scope.
    ScopedEnv(std::string name, const std::optional<std::string>& value) : mName(std::move(name)) {
        if (const char* previous = std::getenv(mName.c_str())) mPrevious = previous;
        if (value) {
            ::setenv(mName.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(mName.c_str());
        }
    }
    ~ScopedEnv() {
        if (mPrevious) {
            ::setenv(mName.c_str(), mPrevious->c_str(), 1);
        } else {
            ::unsetenv(mName.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string mName;
    std::optional<std::string> mPrevious;
};

}  // namespace vcom::testing
