#include "ZipCardFolder.h"

#include <QFile>
#include <algorithm>
#include <zip.h>

namespace {

bool AllReadable(const QString& folder, const QStringList& names) {
    return std::all_of(names.begin(), names.end(), [&](const QString& name) {
        QFile file(folder + "/" + name);
        return file.open(QIODevice::ReadOnly);
    });
}

bool AddEntry(zip_t* archive, const QString& folder, const QString& name) {
    const QByteArray path = QFile::encodeName(folder + "/" + name);
    zip_source_t* source = zip_source_file(archive, path.constData(), 0, -1);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_GUESS);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 9) == 0;
}

ZipResult CloseFailure(zip_t* archive) {
    const int error = zip_error_code_zip(zip_get_error(archive));
    zip_discard(archive);
    return error == ZIP_ER_OPEN || error == ZIP_ER_READ || error == ZIP_ER_NOENT ? ZipResult::FileNotReadable
                                                                                 : ZipResult::WriteFailed;
}

} // namespace

ZipResult ZipCardFolder(const QString& projectFolder, const QStringList& names) {
    if (names.size() > kMaxArchiveFiles)
        return ZipResult::TooManyFiles;
    if (!AllReadable(projectFolder, names))
        return ZipResult::FileNotReadable;
    int error = 0;
    const QByteArray archivePath = QFile::encodeName(projectFolder + "/card.zip");
    zip_t* archive = zip_open(archivePath.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return ZipResult::WriterUnavailable;
    for (const QString& name : names) {
        if (!AddEntry(archive, projectFolder, name)) {
            zip_discard(archive);
            return ZipResult::WriteFailed;
        }
    }
    return zip_close(archive) == 0 ? ZipResult::Written : CloseFailure(archive);
}
