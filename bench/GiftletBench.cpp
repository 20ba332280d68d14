// Builds a Giftlet from a 20-page project with 40 JPEG and PNG pictures (about 20 MB, made here), and
// archives the same folder with `zip -9 -X` for comparison. Prints seconds and sizes.
#include "GiftletBuilder.h"
#include "ModFileOps.h"
#include "ZipCardFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kPages = 20;
constexpr int kPictures = 40;

// A photo-like picture: smooth colour fields with grain, which neither format compresses to nothing.
QImage Picture(int seed, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(48));
            line[x] = qRgb((x * 255 / width + grain) & 255, (y * 255 / height + grain) & 255,
                           (seed * 37 + grain) & 255);
        }
    }
    return image;
}

QString PictureName(int i) {
    return i % 2 ? QString("photo%1.png").arg(i) : QString("photo%1.jpg").arg(i);
}

void MakeProject(const QString& folder) {
    EnsureFolder(folder);
    for (int i = 0; i < kPictures; ++i) {
        const bool png = i % 2;
        Picture(i, png ? 600 : 1200, png ? 450 : 820)
            .save(folder + "/" + PictureName(i), nullptr, png ? -1 : 92);
    }
    for (int page = 1; page <= kPages; ++page) {
        QByteArray html =
            "<HTML><BODY><FONT FACE=\"arial\">" + QByteArray("Happy birthday! ").repeated(200) + "</FONT>";
        for (int p : {2 * (page - 1), 2 * (page - 1) + 1})
            html += "<IMG SRC=\"file:///home/me/Pictures/" + PictureName(p).toUtf8() + "\">";
        WriteTextFile(folder + "/" + (page == 1 ? QString("wgcard.html") : QString("Page%1.html").arg(page)),
                      html + "</BODY></HTML>");
    }
}

qint64 FolderBytes(const QString& folder) {
    qint64 total = 0;
    for (const QString& name : ListFiles(folder, ""))
        total += FileSize(folder + "/" + name);
    return total;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppState state(dir.path());
    state.CurIcon = "ROSE";
    state.LinkText = "Next Page";
    const SettingsStore store(dir.filePath("settings.ini"));
    MakeProject(state.ProjectFolder);
    EnsureFolder(dir.filePath("out"));
    std::printf("project: %d pages, %d pictures, %.1f MB\n", kPages, kPictures,
                double(FolderBytes(state.ProjectFolder)) / 1e6);

    QElapsedTimer timer;
    timer.start();
    const GiftletOutcome built =
        GiftletBuilder(state, store).BuildGiftlet(dir.filePath("out"), "Greeting.exe");
    const double buildSeconds = double(timer.nsecsElapsed()) / 1e9;
    if (built.code != GiftletResult::Written) {
        std::printf("build failed with code %d\n", int(built.code));
        return 1;
    }
    const qint64 archiveBytes = built.size - kStubSize;

    // The same folder, now in its packaged form, archived alone and by zip -9.
    timer.restart();
    ZipCardFolder(state.ProjectFolder, ListFiles(state.ProjectFolder, ""));
    const double zipCardSeconds = double(timer.nsecsElapsed()) / 1e9;
    KillFile(state.ProjectFolder + "/card.zip");
    QProcess zip;
    zip.setWorkingDirectory(state.ProjectFolder);
    timer.restart();
    zip.start("zip", QStringList{"-9", "-X", "-q", dir.filePath("reference.zip")} +
                         ListFiles(state.ProjectFolder, ""));
    if (!zip.waitForFinished(600000) || zip.exitCode() != 0) {
        std::printf("zip -9 -X failed (is the zip package installed?)\n");
        return 1;
    }
    const double zipSeconds = double(timer.nsecsElapsed()) / 1e9;
    const qint64 zipBytes = FileSize(dir.filePath("reference.zip"));

    std::printf("Giftlet build (gather, archive, assemble): %.3f s, Giftlet %lld bytes\n", buildSeconds,
                static_cast<long long>(built.size));
    std::printf("ZipCardFolder alone: %.3f s, card.zip %lld bytes\n", zipCardSeconds,
                static_cast<long long>(archiveBytes));
    std::printf("zip -9 -X:           %.3f s, %lld bytes\n", zipSeconds, static_cast<long long>(zipBytes));
    std::printf(
        "size ratio card.zip / zip -9: %.4f; time ratio build / zip -9: %.2f, ZipCardFolder / zip -9: %.2f\n",
        double(archiveBytes) / double(zipBytes), buildSeconds / zipSeconds, zipCardSeconds / zipSeconds);
    return 0;
}
