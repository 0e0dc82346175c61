#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

class myQQuickView;

// What every fuzz target shares: one application object for the process, quiet debug output,
// and a private runtime tree in which each input gets a fresh folder of its own.
namespace Fuzz {

// Builds the QApplication (offscreen, software Quick) once and silences the message output:
// damaged files make the readers talk, and a million lines would cost more than the reading.
void initApplication();

// The bridge the pages call, built once per process (after initApplication).
myQQuickView *bridge();

// Contents of a shipped file of the runtime tree (relative to the build's runtime folder), read
// once and cached; empty when the build has no such file.
QByteArray shippedFile(const QString &relative);

// A fresh working folder holding an empty runtime tree (modules/setting, macro, gun, i18n),
// made the working directory while the object lives and removed with everything in it after.
// Qt keeps parsed settings files by path and re-reads one only when its size or time stamp
// changed, so reusing one folder could hand the reader the previous input's content.
class InputFolder
{
public:
    InputFolder();
    ~InputFolder();
    InputFolder(const InputFolder &) = delete;
    InputFolder &operator=(const InputFolder &) = delete;

    // Writes `data` to `relative` inside the folder; false if that failed.
    bool write(const QString &relative, const QByteArray &data) const;
    bool write(const QString &relative, const uint8_t *data, size_t size) const;
    QString path() const { return m_path; }

private:
    QString m_path;
};

// A little of the input at a time, for targets that take several values from one input.
class InputReader
{
public:
    InputReader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // Up to `n` bytes (fewer at the end of the input).
    QByteArray bytes(size_t n);
    QByteArray rest();
    bool atEnd() const { return m_pos >= m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace Fuzz

// The entry points of a fuzz target, as libFuzzer calls them; the deterministic driver calls
// them the same way.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
