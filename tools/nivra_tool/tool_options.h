#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/settings.h"
#include "config/configuration.h"

// The parsed command line of nivra-tool: a command, its positional words, and
// options given as "--name value" (--set may repeat).
struct ToolArgs {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::vector<std::string> sets;  // NAME=VALUE, in order
};

// Thrown for a command line that does not fit the command: exit status 2.
struct UsageError {
    std::string message;
};
// Thrown for anything else that stops the command: exit status 1.
struct ToolError {
    std::string message;
};

// Splits argv; allowed lists the options (without "--") that take a value, flags those that
// take none (they are in options with the value "1").
ToolArgs ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& allowed,
                   const std::set<std::string>& flags = {});

// The configuration as the window finds it, or the --config file.
Configuration LoadToolConfiguration(const ToolArgs& args, const std::string& programDir);
// The user's settings as the window reads them, with every --set applied.
Settings LoadToolSettings(const ToolArgs& args);
