// Writes the memory-image fuzzer's seeds: the images a logger holding the examples' logs
// sends, each after a byte choosing the chunk sizes.
#include <cstdio>
#include <string>

#include "app/log_file.h"
#include "config/configuration.h"
#include "device/memory_image.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make-fuzz-seeds OUT-FOLDER FILE.alt...\n");
        return 2;
    }
    Configuration config;
    config.LoadBuiltIn();
    for (int i = 2; i < argc; ++i) {
        const AltReadResult read = ReadAltFile(argv[i], config, 0);
        if (!read.Accepted() || read.logs.empty()) {
            std::fprintf(stderr, "make-fuzz-seeds: %s: %s\n", argv[i], read.Problem().c_str());
            return 1;
        }
        std::vector<const CBrixoLog*> logs;
        for (const NumberedLog& n : read.logs)
            logs.push_back(&n.log);
        const std::vector<uint8_t> image = MemoryImageOf(logs);
        for (const unsigned char chunk : {0, 63, 255}) {
            const std::string path =
                std::string(argv[1]) + "/seed-" + std::to_string(i - 1) + "-" + std::to_string(chunk) + ".bin";
            FILE* f = std::fopen(path.c_str(), "wb");
            if (!f || std::fwrite(&chunk, 1, 1, f) != 1 ||
                std::fwrite(image.data(), 1, image.size(), f) != image.size()) {
                std::fprintf(stderr, "make-fuzz-seeds: cannot write %s\n", path.c_str());
                return 1;
            }
            std::fclose(f);
        }
    }
    return 0;
}
