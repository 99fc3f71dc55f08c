// Replays fuzz inputs without libFuzzer: each argument is a file or a folder
// of files, and every file is fed once to LLVMFuzzerTestOneInput. An empty
// input always runs first, so a target with no corpus is still exercised;
// a missing corpus folder is reported but is not a failure.
// A mismatch aborts inside the target; the name of the file being replayed
// is printed first so the failing input is easy to find.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int replay(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "replay: cannot read %s\n", file.string().c_str());
        return 1;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replay: %s (%zu bytes)\n", file.string().c_str(), bytes.size());
    std::fflush(stderr);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    LLVMFuzzerTestOneInput(nullptr, 0);
    int failures = 0;
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        fs::path arg(argv[i]);
        if (argv[i][0] == '-') continue; // a libFuzzer flag: nothing to replay
        if (!fs::exists(arg)) {
            // A target may come without seeds; it still ran the empty input.
            std::fprintf(stderr, "replay: no corpus at %s\n", arg.string().c_str());
            continue;
        }
        if (fs::is_directory(arg)) {
            // Sorted, so a failing run replays in the same order next time.
            std::vector<fs::path> files;
            for (const auto &entry : fs::directory_iterator(arg))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto &f : files) {
                failures += replay(f);
                ++count;
            }
        } else {
            failures += replay(arg);
            ++count;
        }
    }
    std::fprintf(stderr, "replay: %zu inputs, %d unreadable\n", count, failures);
    return failures == 0 ? 0 : 1;
}
