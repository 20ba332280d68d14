#pragma once

#include "AppState.h"
#include "SettingsStore.h"

// Reading the settings at start-up into the application state, and writing them back at quit. A value that is
// not usable (no number, out of range, a missing folder or icon file) is ignored or falls back; nothing is
// written while reading.

bool LoadCompat4(const SettingsStore& store);
void LoadSettings(const SettingsStore& store, AppState& state);
void LoadFolderAndIconSettings(const SettingsStore& store, AppState& state);
void LoadCustColors(const SettingsStore& store, AppState& state);

enum class WindowState { Normal, Maximized, Minimized };

// The values that the open page and the windows hold at quit.
struct SessionSettings {
    QString bodyColor;
    QString bodyFace;
    QString bodySize;
    int pageFaceIndex = -1; // -1: the page properties face box has no selection
    WindowState windowState = WindowState::Maximized;
    QSize windowSize; // pixels, used in the normal state
};

void SaveSettings(SettingsStore& store, const SessionSettings& session);
void SaveCustColors(SettingsStore& store, const AppState& state);

// Window sizes are stored in twips, as the settings always held them.
constexpr int kTwipsPerPixel = 15;
