// Without libFuzzer a fuzz target is a test: it reads every file of the folders (or the
// files) it is given and runs the target on each, as the fuzzer ran it when the file was
// kept. A property that breaks aborts with its line; a folder without files fails, so a
// corpus that went missing is noticed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int eineDatei(const std::filesystem::path &pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        std::fprintf(stderr, "%s: nicht lesbar\n", pfad.c_str());
        return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    int gelesen = 0, fehler = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path pfad(argv[i]);
        if (std::filesystem::is_directory(pfad)) {
            for (const auto &eintrag : std::filesystem::directory_iterator(pfad))
                if (eintrag.is_regular_file()) {
                    fehler += eineDatei(eintrag.path());
                    ++gelesen;
                }
        } else {
            fehler += eineDatei(pfad);
            ++gelesen;
        }
    }
    std::printf("%d Eingaben wiederholt\n", gelesen);
    return gelesen > 0 && fehler == 0 ? 0 : 1;
}
