// The program's kind of window and nothing else: a frameless top-level widget whose whole
// surface is a Qt Quick view, showing one line of text. What any such program costs at rest.
#include <QApplication>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QWidget>

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    auto *view = new QQuickWidget(&window);
    view->setSource(QUrl(QStringLiteral("qrc:/bare_window.qml")));
    window.resize(view->size());
    window.show();
    return app.exec();
}
