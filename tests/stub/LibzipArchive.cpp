#include "LibzipArchive.h"

#include <zip.h>

bool WriteLibzipArchive(const std::filesystem::path& path, const std::vector<LibzipEntry>& entries) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    bool written = true;
    for (const LibzipEntry& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
        zip_int64_t index = source ? zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_OVERWRITE) : -1;
        written = written && index >= 0 &&
                  zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9) == 0;
        if (written && !entry.password.empty())
            written = zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_TRAD_PKWARE,
                                              entry.password.c_str()) == 0;
    }
    if (!written) {
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}
