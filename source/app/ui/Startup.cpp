#include "app/ui/Startup.h"

#include "app/TSettings.h"
#include "app/ui/TBallforgeApplication.h"
#include "app/ui/TQtSettingsStore.h"
#include "app/ui/TfrmLNZAbout.h"
#include "app/ui/TfrmLNZMain.h"
#include "lnz/ui/TfrmBallNumber.h"

#include <QDir>

#ifndef BALLFORGE_VERSION
#define BALLFORGE_VERSION "0.0.0"
#endif

// Resources of a static library must be registered by name, outside any namespace.
static void InitManual() {
    Q_INIT_RESOURCE(manual);
}

namespace ballforge {

int RunBallforge(int argc, char** argv) {
    // The settings come before any window: the main window places itself by them.
    {
        TQtSettingsStore store;
        Settings().Load(store);
    }
    TBallforgeApplication app(argc, argv);
    InitManual();
    QApplication::setApplicationName(QStringLiteral("Ballforge"));
    QApplication::setApplicationVersion(QStringLiteral(BALLFORGE_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quillbrook Software"));
    // The ball number picker lives for the whole run, so it keeps the user's tab and selections.
    frmBallNumber();
    int result = 0;
    {
        TfrmLNZMain main;
        main.SetCommandLine(QApplication::arguments().mid(1));
        main.show();
        result = QApplication::exec();
    }
    TQtSettingsStore store;
    Settings().Save(store, QDir::toNativeSeparators(QApplication::applicationFilePath()).toStdString());
    store.Sync();
    return result;
}

} // namespace ballforge
