// Extraction time of the stub's archive reader (native build) next to bsdtar on the same archive: 40 files,
// 20 MB in all, written by libzip as the Giftlet builder writes its archives. Prints the median of several
// runs.
//   pls_bench_stub_extract [work folder]
#include "ExtractArchive.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>
#include <zip.h>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 40;
constexpr std::size_t kFileSize = 512 * 1024;
constexpr int kRuns = 7;

// Half page-like text, half noise, so that Deflate has work of both kinds.
std::string FileContent(int index) {
    std::mt19937 random(static_cast<unsigned>(index));
    std::string words[] = {
        "<font face=\"Arial\">", "Happy ", "birthday ", "</font>", "<br>", "card ", "love "};
    std::string data;
    while (data.size() < kFileSize / 2)
        data += words[random() % 7];
    while (data.size() < kFileSize)
        data.push_back(static_cast<char>(random()));
    return data;
}

bool MakeArchive(const fs::path& path) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    std::vector<std::string> contents;
    contents.reserve(kFiles);
    for (int i = 0; i < kFiles; ++i) {
        contents.push_back(FileContent(i));
        zip_source_t* source = zip_source_buffer(archive, contents.back().data(), contents.back().size(), 0);
        std::string name = "picture" + std::to_string(i) + ".bmp";
        zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
        if (index < 0)
            return false;
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
    }
    return zip_close(archive) == 0;
}

template <typename Work> double MedianSeconds(const fs::path& target, Work work) {
    std::vector<double> seconds;
    for (int run = 0; run < kRuns; ++run) {
        fs::remove_all(target);
        fs::create_directories(target);
        auto start = std::chrono::steady_clock::now();
        if (!work())
            return -1;
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[kRuns / 2];
}

} // namespace

int main(int argc, char** argv) {
    fs::path work = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "pls-bench-stub";
    fs::create_directories(work);
    fs::path archive = work / "bench.zip", target = work / "out";
    if (!MakeArchive(archive)) {
        std::fprintf(stderr, "cannot write %s\n", archive.c_str());
        return 1;
    }
    std::string archivePath = archive.string(), targetPath = target.string();
    ExtractSettings settings{archivePath.c_str(), targetPath.c_str()};
    ExtractCallbacks callbacks{};
    double reader =
        MedianSeconds(target, [&] { return ExtractArchive(&settings, &callbacks) == EXTRACT_OK; });
    std::string command = "bsdtar -xf '" + archivePath + "' -C '" + targetPath + "'";
    double bsdtar = MedianSeconds(target, [&] { return std::system(command.c_str()) == 0; });
    std::printf("archive: %d files, %.1f MB uncompressed, %.1f MB compressed; median of %d runs\n", kFiles,
                kFiles * kFileSize / 1e6, static_cast<double>(fs::file_size(archive)) / 1e6, kRuns);
    std::printf("stub reader:  %8.1f ms\n", reader * 1e3);
    std::printf("bsdtar -xf:   %8.1f ms\n", bsdtar * 1e3);
    if (reader < 0 || bsdtar < 0) {
        std::fprintf(stderr, "an extraction failed\n");
        return 1;
    }
    std::printf("ratio stub / bsdtar: %.2f (goal: at most 1.20)\n", reader / bsdtar);
    fs::remove_all(work);
    return 0;
}
