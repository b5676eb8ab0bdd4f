#include "platform/settings/QtSettingsStore.h"
#include "viewer/ui/Viewform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("flyview");
    QApplication::setApplicationDisplayName("Ravelstride 98");
    tarn::QtSettingsStore settings;
    try {
        tarn::TViewer window(settings, tarn::MapFileFromArguments(QApplication::arguments()));
        window.show();
        return QApplication::exec();
    } catch (const std::exception&) {
        // The map object could not be made; the message has been shown.
        return 1;
    }
}
