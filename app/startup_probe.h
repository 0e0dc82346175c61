#pragma once

#include <QObject>

class QWidget;

// For the benchmarks in bench/: when SKALD_STARTUP_LOG names a file, writes to it the wall
// clock time (nanoseconds since the epoch) at which the main window was first exposed
// ("mapped") and first painted its view ("frame"), and any other moment passed to mark().
// Does nothing otherwise.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    static void install(QWidget *window);
    static void mark(const char *what);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupProbe(QObject *parent, const QString &path);
    QString m_path;
    bool m_mapped = false;
    bool m_painted = false;
};
