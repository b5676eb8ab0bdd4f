#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarn::tool {

// A command line that cannot be understood; tarntool exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The words after the command name: positional arguments and --name value
// options. Options are declared up front; a flag takes no value.
class CommandLine {
public:
    CommandLine(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions,
                const std::vector<std::string>& flags = {});

    const std::vector<std::string>& positional() const { return positional_; }
    // Exactly `count` positional arguments, or a usage error.
    void requirePositional(std::size_t count) const;

    std::optional<std::string> option(const std::string& name) const;
    std::string requireOption(const std::string& name) const;
    long long integerOption(const std::string& name) const;
    double realOption(const std::string& name) const;
    bool flag(const std::string& name) const { return flags_.count(name) != 0; }
    bool wantsHelp() const { return help_; }

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> options_;
    std::map<std::string, bool> flags_;
    bool help_ = false;
};

}  // namespace tarn::tool
