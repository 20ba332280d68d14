#include "FWeb.h"

FWeb::FWeb(AppState& state, Dialogs& dialogs, std::unique_ptr<PageSurface> surface)
    : state_(state), surface_(std::move(surface)), workspace_(state, *surface_, dialogs) {
    setObjectName("FWeb");
    workspace_.PrepareWorkFolder();
    UpdateCaption();
}

FWeb::~FWeb() = default;

void FWeb::ShowAtStart(const MainWindowSettings& settings) {
    if (settings.normalSize) {
        resize(*settings.normalSize);
        showNormal();
    } else {
        showMaximized();
    }
}

void FWeb::UpdateCaption() {
    setWindowTitle("Pageloft Studio - " + state_.ProjectName);
}
