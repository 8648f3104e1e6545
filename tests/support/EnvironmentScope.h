// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: an environment variable set (or unset, with nullptr) until the scope ends, as a
// user's session would have it.
#pragma once

#include <cstdlib>
#include <optional>
#include <stdlib.h>
#include <string>

class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const char* value)
        : name_(name) {
        if (const char* previous = std::getenv(name))
            previous_ = previous;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;
    ~EnvironmentScope() {
        if (previous_)
            ::setenv(name_, previous_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> previous_;
};
