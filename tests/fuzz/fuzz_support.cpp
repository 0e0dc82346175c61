#include "tests/fuzz/fuzz_support.h"

#include "app/myqquickview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

namespace Fuzz {

namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    // A fatal message ends the process anyway; say why.
    if (type == QtFatalMsg)
        fprintf(stderr, "fatal: %s\n", qPrintable(text));
}

// Thousands of folders are made and removed: in memory where the system offers it, since a
// journalling disk spends far longer on that than the readers spend reading.
QString scratchBase()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (qEnvironmentVariableIsEmpty("SKALD_FUZZ_TMP") && shm.isDir() && shm.isWritable())
        return shm.filePath();
    return qEnvironmentVariableIsEmpty("SKALD_FUZZ_TMP") ? QDir::tempPath() : qEnvironmentVariable("SKALD_FUZZ_TMP");
}

QTemporaryDir &runtimeRoot()
{
    static QTemporaryDir root(scratchBase() + QStringLiteral("/skald-fuzz-XXXXXX"));
    return root;
}

} // namespace

void initApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    qInstallMessageHandler(quiet);
    static int argc = 1;
    static char name[] = "skald-fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    if (!runtimeRoot().isValid())
        qFatal("no private runtime tree");
    QDir::setCurrent(runtimeRoot().path());
}

QByteArray shippedFile(const QString &relative)
{
    static QHash<QString, QByteArray> cache;
    auto it = cache.find(relative);
    if (it == cache.end()) {
        QFile f(QStringLiteral(SKALD_RUNTIME_DIR "/") + relative);
        it = cache.insert(relative, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return *it;
}

InputFolder::InputFolder()
{
    static quint64 counter = 0;
    m_path = runtimeRoot().path() + QStringLiteral("/in") + QString::number(counter++);
    QDir dir;
    for (const char *sub : {"modules/setting", "modules/macro", "modules/gun", "modules/i18n"})
        dir.mkpath(m_path + QLatin1Char('/') + QLatin1String(sub));
    QDir::setCurrent(m_path);
}

InputFolder::~InputFolder()
{
    QDir::setCurrent(runtimeRoot().path());
    QDir(m_path).removeRecursively();
}

bool InputFolder::write(const QString &relative, const QByteArray &data) const
{
    QFile f(m_path + QLatin1Char('/') + relative);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

bool InputFolder::write(const QString &relative, const uint8_t *data, size_t size) const
{
    return write(relative, QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
}

QByteArray InputReader::bytes(size_t n)
{
    n = std::min(n, m_size - m_pos);
    QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
    m_pos += n;
    return out;
}

QByteArray InputReader::rest()
{
    return bytes(m_size - m_pos);
}

myQQuickView *bridge()
{
    static myQQuickView *view = new myQQuickView; // lives to the end of the process, as the program's bridge
    return view;
}

} // namespace Fuzz
