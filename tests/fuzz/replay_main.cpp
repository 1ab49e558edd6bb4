// Runs a fuzzing target over kept inputs without libFuzzer, so that the seed corpus and the
// inputs that once broke the program are replayed by every ordinary build and test run.
// Arguments are files or folders (every regular file inside, in name order). A violated
// invariant aborts; the exit status is 0 once every input ran, 2 when an argument cannot be
// read.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize);

namespace {

bool ReplayFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int nInputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument(argv[i]);
        std::vector<std::filesystem::path> files;
        std::error_code error;
        if (std::filesystem::is_directory(argument, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(argument, error)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(argument);
        }
        if (error) {
            std::fprintf(stderr, "cannot list %s\n", argument.c_str());
            return 2;
        }
        for (const auto& file : files) {
            if (!ReplayFile(file)) {
                return 2;
            }
            ++nInputs;
        }
    }
    std::printf("%d inputs replayed\n", nInputs);
    return 0;
}
