#include "ArchiveListing.h"

#include <zip.h>

namespace {

unsigned Le16(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// The version needed to extract of each central directory header (PKWARE APPNOTE 4.3.12), in order.
std::vector<int> VersionsNeeded(const QByteArray& archive) {
    std::vector<int> versions;
    for (qsizetype at = archive.indexOf("PK\x01\x02"); at >= 0 && at + 46 <= archive.size();
         at = archive.indexOf("PK\x01\x02", at + 46))
        versions.push_back(int(Le16(archive, at + 6)));
    return versions;
}

QByteArray EntryData(zip_t* zip, zip_uint64_t index, zip_uint64_t size) {
    QByteArray data(qsizetype(size), '\0');
    zip_file_t* file = zip_fopen_index(zip, index, 0);
    if (!file)
        return {};
    const zip_int64_t read = zip_fread(file, data.data(), size);
    zip_fclose(file);
    return read == zip_int64_t(size) ? data : QByteArray();
}

} // namespace

std::vector<ListedEntry> ListArchive(const QByteArray& archive) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    std::vector<ListedEntry> entries;
    if (!zip) {
        if (source)
            zip_source_free(source);
        zip_error_fini(&error);
        return entries;
    }
    const std::vector<int> versions = VersionsNeeded(archive);
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &stat) != 0)
            continue;
        entries.push_back({stat.name, EntryData(zip, zip_uint64_t(i), stat.size), stat.comp_method,
                           size_t(i) < versions.size() ? versions[size_t(i)] : -1,
                           stat.encryption_method != ZIP_EM_NONE, qint64(stat.comp_size)});
    }
    zip_close(zip);
    zip_error_fini(&error);
    return entries;
}
