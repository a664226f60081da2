#include "tool_options.h"

#include <cstdio>

#include "app/settings_store.h"

ToolArgs ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& allowed,
                   const std::set<std::string>& flags)
{
    ToolArgs parsed;
    if (args.empty())
        throw UsageError{"no command given"};
    parsed.command = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        // "--name" and "-o" are options; anything else (a negative number too) is a word.
        if ((word.size() > 2 && word.rfind("--", 0) == 0) || word == "-o") {
            const std::string name = word == "-o" ? "o" : word.substr(2);
            if (flags.count(name)) {
                if (!parsed.options.emplace(name, "1").second)
                    throw UsageError{"option " + word + " given twice"};
                continue;
            }
            if (!allowed.count(name))
                throw UsageError{"unknown option " + word + " for " + parsed.command};
            if (i + 1 >= args.size())
                throw UsageError{"option " + word + " needs a value"};
            const std::string& value = args[++i];
            if (name == "set")
                parsed.sets.push_back(value);
            else if (!parsed.options.emplace(name, value).second)
                throw UsageError{"option " + word + " given twice"};
            continue;
        }
        parsed.positional.push_back(word);
    }
    return parsed;
}

Configuration LoadToolConfiguration(const ToolArgs& args, const std::string& programDir)
{
    Configuration config;
    const auto explicitPath = args.options.find("config");
    if (explicitPath != args.options.end()) {
        if (const Status loaded = config.LoadFromFile(explicitPath->second); !loaded)
            throw ToolError{explicitPath->second + ": " + loaded.Error()};
        return config;
    }
    config.Load(programDir, Configuration::PerUserDirectory());
    return config;
}

Settings LoadToolSettings(const ToolArgs& args)
{
    QSettingsStore store;
    std::vector<std::string> notes;
    Settings settings = LoadSettings(store, &notes);
    for (const std::string& note : notes)
        std::fprintf(stderr, "nivra-tool: %s\n", note.c_str());
    for (const std::string& assignment : args.sets) {
        const size_t eq = assignment.find('=');
        if (eq == std::string::npos)
            throw UsageError{"--set wants NAME=VALUE, not \"" + assignment + "\""};
        if (Status set = SetSettingFromText(settings, assignment.substr(0, eq), assignment.substr(eq + 1)); !set)
            throw UsageError{"--set " + assignment + ": " + set.Error()};
    }
    return settings;
}
