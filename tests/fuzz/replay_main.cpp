// Replays fuzz inputs without libFuzzer: each argument is a file or a folder
// of files (sorted, so a failing run replays in the same order), and every
// file is fed once to LLVMFuzzerTestOneInput after an empty input, so a
// target with no corpus still runs. Arguments starting with '-' (libFuzzer
// flags) and missing paths are skipped. A mismatch aborts inside the target
// right after the name of the file being replayed is printed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        if (argv[i][0] == '-' || !fs::exists(arg)) continue;
        if (!fs::is_directory(arg))
            files.push_back(arg);
        else
            for (const auto &entry : fs::directory_iterator(arg))
                if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::fprintf(stderr, "replay: %s (%zu bytes)\n", file.string().c_str(), bytes.size());
        std::fflush(stderr);
        if (!in) return 1;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "replay: %zu inputs\n", files.size());
}
