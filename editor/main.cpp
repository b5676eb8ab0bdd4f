#include "editor/Tarn.h"
#include "platform/settings/QtSettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("tarnedit");
    tarn::QtSettingsStore settings;
    tarn::TTarnForm window(settings, tarn::MapFileFromArguments(QApplication::arguments()));
    window.show();
    return QApplication::exec();
}
