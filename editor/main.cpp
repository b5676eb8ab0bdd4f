#include "editor/Tarn.h"
#include "platform/settings/QtSettingsStore.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("tarnedit");
    // All the words after the program name form one file name, so a path
    // with blanks works unquoted.
    QStringList words = QApplication::arguments();
    words.removeFirst();
    tarn::QtSettingsStore settings;
    tarn::TTarnForm window(settings, words.join(' '));
    window.show();
    return QApplication::exec();
}
