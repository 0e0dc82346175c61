#include "app/ui_controler.h"

#include "app/myqquickview.h"
#include "profiles/settings_file.h"
#include "profiles/stored_value_reader.h"
#include "profiles/stored_value_rules.h"

#include <QQmlContext>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

Ui_Controler::Ui_Controler(QObject *parent) : QObject(parent) {}

QString Ui_Controler::windowTitleFor(const QString &configPath)
{
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(configPath);
    auto value = [&](const QString &key) {
        return StoredValues::read(*file, key, *StoredValues::configRule(key)).toString();
    };
    const QString language = value(QStringLiteral("common/language"));
    return value(language == QLatin1String("Portuguese") ? QStringLiteral("common/name0") : QStringLiteral("common/name1"));
}

bool Ui_Controler::trayHolds(const QWidget *window)
{
    const auto *tray = window ? window->findChild<QSystemTrayIcon *>() : nullptr;
    return tray && tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void Ui_Controler::setupUi(QWidget *window, QObject *link)
{
    m_window = window;
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground);
    // Only the window and the view are see-through: a style sheet without a selector would
    // also reach the dialogs opened on them, which then draw on no ground at all.
    window->setStyleSheet(QStringLiteral("#%1, #ui_View { background: transparent; }").arg(window->objectName()));

    m_view = new myQQuickView(window);
    m_view->setObjectName(QStringLiteral("ui_View"));
    // A transparent view keeps the rounded skin's corners see-through.
    m_view->setClearColor(Qt::transparent);
    m_view->setAttribute(Qt::WA_AlwaysStackOnTop);
    m_view->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));

    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    if (link)
        context->setContextProperty(QStringLiteral("hid"), link);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    window->resize(m_view->size());
    window->setWindowTitle(windowTitleFor(QStringLiteral("./modules/setting/apConfig.bin")));
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (!m_window)
        return;
    // Without a tray a hidden window could only come back through a second start: it is
    // minimised instead, and stays on the task bar or dock.
    if (trayHolds(m_window))
        m_window->hide();
    else
        m_window->showMinimized();
}

bool Ui_Controler::startSystemMove()
{
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
}

void Ui_Controler::onXChanged(int x)
{
    if (m_window)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (m_window)
        m_window->move(m_window->x(), m_window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (m_view)
        m_view->setProtectUI(busyTime);
}

void Ui_Controler::setBusy()
{
    setBusy(0);
}
