#include "controls/gallery/GalleryWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window = tarn::MakeGalleryWindow();
    window->show();
    // With --quit-after N the gallery closes itself after N milliseconds.
    const QStringList arguments = QApplication::arguments();
    const int quitAt = arguments.indexOf("--quit-after");
    if (quitAt >= 0 && quitAt + 1 < arguments.size())
        QTimer::singleShot(arguments[quitAt + 1].toInt(), &app, [] { QApplication::exit(0); });
    return QApplication::exec();
}
