// Writes the sample flights of the examples folder with the program's own writer.
#include <cstdio>

#include "app/log_file.h"
#include "flight_generator.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-examples DIRECTORY\n");
        return 2;
    }
    const std::string dir = argv[1];
    Configuration config;
    if (!config.LoadBuiltIn()) {
        std::fprintf(stderr, "make-examples: the built-in configuration cannot be read\n");
        return 1;
    }

    // An hour of thermal soaring from a hill site, one sample a second.
    const BrixoLog soaring = MakeFlight(config, 10, 1250.0, 20.0,
                                        {{120, -1.2, 0.0},
                                         {300, 2.1, 0.9},
                                         {240, -1.1, 0.0},
                                         {420, 1.6, 0.8},
                                         {300, -1.0, 0.0},
                                         {360, 2.4, 1.0},
                                         {600, -1.3, 0.0},
                                         {300, 0.8, 0.6},
                                         {800, -1.4, 0.0},
                                         {120, -2.0, 0.0}},
                                        1);
    // Two short hops from a training slope at ten samples a second, with a
    // two-second ground check between them that is too short to be kept.
    const BrixoLog hop1 = MakeFlight(config, 1, 620.0, 5.0, {{40, -0.6, 0.0}, {120, 0.4, 0.3}, {80, -1.2, 0.0}}, 2);
    const BrixoLog check = MakeFlight(config, 1, 560.0, 1.0, {}, 3);
    const BrixoLog hop2 = MakeFlight(config, 1, 620.0, 5.0, {{60, -0.5, 0.0}, {90, 0.7, 0.4}, {50, -1.5, 0.0}}, 4);

    const struct {
        const char* name;
        std::vector<const BrixoLog*> logs;
    } files[] = {
        {"soaring-flight.alt", {&soaring}},
        {"training-hops.alt", {&hop1, &check, &hop2}},
    };
    for (const auto& file : files) {
        const std::string path = dir + "/" + file.name;
        if (Status written = WriteFileSafely(path, AltFileText(file.logs)); !written) {
            std::fprintf(stderr, "make-examples: %s: %s\n", path.c_str(), written.Error().c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
