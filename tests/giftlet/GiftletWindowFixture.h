#pragma once

#include "FOps.h"
#include "ModFileOps.h"
#include "ProjectWorkspace.h"
#include "RecordingSurface.h"
#include "SavedProjects.h"
#include "ScriptedDialogs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The operations window over an unsaved project in a temporary program folder, with scripted dialogs. The
// Giftlet folder is "out" there.
class GiftletWindowFixture : public testing::Test {
protected:
    GiftletWindowFixture()
        : state_(dir_.path()), store_(dir_.filePath("settings.ini")), workspace_(state_, surface_, dialogs_),
          projects_(state_, workspace_, dialogs_), ops_(state_, store_, dialogs_, projects_) {
        workspace_.PrepareWorkFolder();
        state_.CurIcon = "WP";
        state_.LinkText = "Next Page";
        state_.GiftletFolder = dir_.filePath("out");
        EnsureFolder(state_.GiftletFolder);
    }

    QString Project(const QString& name) const { return state_.ProjectFolder + "/" + name; }
    QString Out(const QString& name) const { return state_.GiftletFolder + "/" + name; }

    // Opens the Giftlet window, types the folder and name when given, and clicks OK.
    void ClickOk(const QString& folder, const QString& name) {
        ops_.ShowGiftletWindow();
        ops_.tMakePath()->setText(folder);
        ops_.tMakeFileName()->setText(name);
        ops_.bCreate(0)->click();
    }

    QTemporaryDir dir_;
    AppState state_;
    SettingsStore store_;
    RecordingSurface surface_;
    ScriptedDialogs dialogs_;
    ProjectWorkspace workspace_;
    SavedProjects projects_;
    FOps ops_;
};
