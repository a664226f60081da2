// Writes the memory-image fuzzer's seeds: the images a logger holding the examples' logs
// sends, clean and as hostile lines deliver them, each after a byte choosing the chunk sizes.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

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
    if (!config.LoadBuiltIn()) {
        std::fprintf(stderr, "make-fuzz-seeds: the built-in configuration cannot be read\n");
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const AltReadResult read = ReadAltFile(argv[i], config, 0);
        if (!read.Accepted() || read.logs.empty()) {
            std::fprintf(stderr, "make-fuzz-seeds: %s: %s\n", argv[i], read.Problem().c_str());
            return 1;
        }
        std::vector<const BrixoLog*> logs;
        for (const NumberedLog& n : read.logs)
            logs.push_back(&n.log);
        const std::vector<uint8_t> image = MemoryImageOf(logs);
        // The image as a good line brings it, and as hostile lines do: power-on noise before
        // it, a line held low (zeros) before the signature, and a byte lost in the first flight.
        std::vector<uint8_t> noisy(100, 'x'), low(64, 0), shifted = image;
        noisy.insert(noisy.end(), image.begin(), image.end());
        low.insert(low.end(), image.begin(), image.end());
        if (shifted.size() > 16 + 6 + 101)
            shifted.erase(shifted.begin() + 16 + 6 + 101);
        const std::pair<const char*, const std::vector<uint8_t>*> shapes[] = {
            {"", &image}, {"-noise", &noisy}, {"-low", &low}, {"-lost-byte", &shifted}};
        for (const auto& [shape, bytes] : shapes)
            for (const unsigned char chunk : {0, 63, 255}) {
                const std::string path = std::string(argv[1]) + "/seed-" + std::to_string(i - 1) + shape + "-" +
                                         std::to_string(chunk) + ".bin";
                FILE* f = std::fopen(path.c_str(), "wb");
                if (!f || std::fwrite(&chunk, 1, 1, f) != 1 ||
                    std::fwrite(bytes->data(), 1, bytes->size(), f) != bytes->size()) {
                    std::fprintf(stderr, "make-fuzz-seeds: cannot write %s\n", path.c_str());
                    return 1;
                }
                std::fclose(f);
            }
    }
    return 0;
}
