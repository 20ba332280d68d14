#include "ModSettings.h"

#include "ColorText.h"
#include "ModFileOps.h"

#include <cmath>

namespace {

std::optional<int> AsNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(value));
}

QString Read(const SettingsStore& store, const char* key, const QString& defaultValue) {
    return store.read(SettingsStore::kSettings, key, defaultValue);
}

std::optional<QSize> NormalWindowSize(const SettingsStore& store) {
    if (Read(store, "Winset", "2") != "0")
        return std::nullopt;
    const int height = AsNumber(Read(store, "H1", "7000")).value_or(0);
    const int width = AsNumber(Read(store, "W1", "9600")).value_or(0);
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return QSize(width / kTwipsPerPixel, height / kTwipsPerPixel);
}

} // namespace

bool LoadCompat4(const SettingsStore& store) {
    return Read(store, "Compat4", "no") == "yes";
}

void LoadSettings(const SettingsStore& store, AppState& state) {
    MainWindowSettings& window = state.MainWindow;
    if (const auto size = AsNumber(Read(store, "BSz", "3")))
        window.sizeIndex = *size - 1;
    window.textColor = HexToColor(Read(store, "BCol", "#000000"));
    if (const auto face = AsNumber(Read(store, "BFaceDex", "0")))
        window.faceIndex = std::max(*face, 0);
    window.normalSize = NormalWindowSize(store);
}

void LoadFolderAndIconSettings(const SettingsStore& store, AppState& state) {
    const QString cardFolder = Read(store, "CardFol", "");
    state.GiftletFolder = FolderExists(cardFolder) ? cardFolder : state.DesktopPath;
    state.LinkText = Read(store, "LinkText", "Next Page");
    state.CurIcon = Read(store, "CurIcon", "WP");

    int option = AsNumber(Read(store, "CurIconNum", "0")).value_or(0);
    if (option < 0 || option > 10)
        option = 0;
    state.Icon = {option, {}};
    if (option != 10)
        return;
    const QString iconFile = state.ProgramFolder + "/icons/" + Read(store, "CustomIcon", "");
    if (FileExists(iconFile)) {
        state.Icon.customIconFile = iconFile;
    } else {
        state.CurIcon = "WP";
        state.Icon.option = 0;
    }
}

void LoadCustColors(const SettingsStore& store, AppState& state) {
    for (int i = 0; i < 16; ++i) {
        if (const auto color = AsNumber(store.read(SettingsStore::kCustColors, QString::number(i), "0")))
            state.CustColors[i] = *color;
    }
}

void SaveSettings(SettingsStore& store, const SessionSettings& session) {
    const QString section = SettingsStore::kSettings;
    store.write(section, "BCol", session.bodyColor);
    store.write(section, "BFace", session.bodyFace);
    store.write(section, "BSz", session.bodySize);
    if (session.pageFaceIndex != -1)
        store.write(section, "BFaceDex", QString::number(session.pageFaceIndex));
    switch (session.windowState) {
    case WindowState::Normal:
        store.write(section, "Winset", "0");
        store.write(section, "W1", QString::number(session.windowSize.width() * kTwipsPerPixel));
        store.write(section, "H1", QString::number(session.windowSize.height() * kTwipsPerPixel));
        break;
    case WindowState::Maximized:
        store.write(section, "Winset", "2");
        break;
    case WindowState::Minimized:
        break;
    }
}

void SaveCustColors(SettingsStore& store, const AppState& state) {
    for (int i = 0; i < 16; ++i)
        store.write(SettingsStore::kCustColors, QString::number(i), QString::number(state.CustColors[i]));
}
