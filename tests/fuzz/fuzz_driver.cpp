// Deterministic runner of a fuzz target, for builds without libFuzzer: every seed as it is,
// then a fixed number of inputs made from the seeds by simple byte mutations, drawn from a
// fixed pseudo-random sequence, so that a failure found once is found again on every run.
//
//   fuzz_x [--runs N] [--seed S] [--timeout-ms T] [--artifacts DIR] SEED_FILE_OR_DIR...
//
// An input that crashes, trips a sanitizer or runs longer than the time limit is written to
// DIR (the working directory by default) before the process ends with a failure.
#include "tests/fuzz/fuzz_support.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

namespace {

using Bytes = std::vector<uint8_t>;

// splitmix64: small, fast and the same everywhere.
class Rng
{
public:
    explicit Rng(uint64_t seed) : m_state(seed) {}
    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t below(size_t n) { return n ? size_t(next() % n) : 0; }

private:
    uint64_t m_state;
};

// Pieces of the file formats the readers take (settings syntax, list and variant notation,
// numbers at the edges of the integer types, keys the program reads), so that mutations reach
// past the first line of a file.
const char *const tokens[] = {
    "\n", "\r\n", "=", " = ", ",", ", ", "[", "]", "/", "\\", "\"", ";", "#", "%", "@",
    "@Variant(", "@ByteArray(", "@Invalid()", "@Size(", "@Rect(", "\\x", "\\0", "\\xff", "\\n",
    "-1", "0", "1", "7", "8", "9", "15", "16", "127", "128", "255", "256", "-128", "65535", "65536",
    "2147483647", "2147483648", "-2147483648", "4294967295", "4294967296", "18446744073709551616",
    "99999999999999999999", "1e9", "0x10", "-0", "nan", "true", "false",
    "[profile]\n", "data=", "[sensor]\n", "dpi_J2=", "dpi_Select=", "jmgd=", "reportRate_J2=",
    "[keydefine_J2]\n", "[color_J2]\n", "ledEffect=", "type1=", "[XYSensitive]\n", "[macro]\n",
    "[selectGun]\n", "[common]\n", "total=", "isEncode=", "reportLength=", "product_name=",
    "pictureData=", "sCode1=", "language=", "ChineseSimplified", "Portuguese", "[J2]\n", "profileNo=",
    "profileName=", "macroName=", "gunName=", "loadertobrel", "[config]\n", "repeat=", "index=",
    "did=", "[gunData]\n", "L-Click", "[main]\n", "[other]\n", "[screenEditor]\n",
    "\xa1\xa1", "\xd6\xd0", "\xff\xfe", "\xef\xbb\xbf", "\x00\x00\x00\x00", "\xff\xff\xff\xff",
};

const uint8_t interesting[] = {0, 1, 2, 4, 6, 7, 8, 9, 0x0a, 0x0d, 0x20, ',', '=', '[', ']', '@', '\\',
                               '"', '0', '9', 0x7f, 0x80, 0xa1, 0xfe, 0xff};

class Mutator
{
public:
    Mutator(const std::vector<Bytes> &seeds, uint64_t seed, size_t maxSize)
        : m_seeds(seeds), m_rng(seed), m_maxSize(maxSize)
    {
    }

    Bytes next()
    {
        Bytes b = m_seeds[m_rng.below(m_seeds.size())];
        // Mostly a few changes, sometimes many.
        const size_t count = 1 + (m_rng.below(4) == 0 ? m_rng.below(16) : m_rng.below(3));
        for (size_t i = 0; i < count; ++i)
            mutate(b);
        if (b.size() > m_maxSize)
            b.resize(m_maxSize);
        return b;
    }

private:
    void insert(Bytes &b, size_t at, const uint8_t *data, size_t n) { b.insert(b.begin() + long(at), data, data + n); }

    void mutate(Bytes &b)
    {
        const size_t n = b.size();
        switch (m_rng.below(11)) {
        case 0: // flip a bit
            if (n)
                b[m_rng.below(n)] ^= uint8_t(1u << m_rng.below(8));
            break;
        case 1: // any byte
            if (n)
                b[m_rng.below(n)] = uint8_t(m_rng.next());
            break;
        case 2: // a byte that means something to a parser
            if (n)
                b[m_rng.below(n)] = interesting[m_rng.below(sizeof interesting)];
            break;
        case 3: { // insert random bytes
            uint8_t extra[8];
            const size_t k = 1 + m_rng.below(sizeof extra);
            for (size_t i = 0; i < k; ++i)
                extra[i] = uint8_t(m_rng.next());
            insert(b, m_rng.below(n + 1), extra, k);
            break;
        }
        case 4: // delete a run
            if (n) {
                const size_t at = m_rng.below(n);
                const size_t k = 1 + m_rng.below(std::min<size_t>(n - at, 64));
                b.erase(b.begin() + long(at), b.begin() + long(at + k));
            }
            break;
        case 5: // repeat a run elsewhere
            if (n) {
                const size_t at = m_rng.below(n);
                const size_t k = 1 + m_rng.below(std::min<size_t>(n - at, 256));
                const Bytes run(b.begin() + long(at), b.begin() + long(at + k));
                insert(b, m_rng.below(n + 1), run.data(), run.size());
            }
            break;
        case 6: // insert a token
        case 7: { // or write one over what is there
            const char *t = tokens[m_rng.below(sizeof tokens / sizeof *tokens)];
            const size_t k = std::max<size_t>(1, std::strlen(t)); // the zero-byte token keeps its first zero
            const size_t at = m_rng.below(n + 1);
            if (m_rng.below(2) == 0 || at + k > n) {
                insert(b, at, reinterpret_cast<const uint8_t *>(t), k);
            } else {
                std::memcpy(b.data() + at, t, k);
            }
            break;
        }
        case 8: // cut the input short
            if (n)
                b.resize(m_rng.below(n));
            break;
        case 9: { // the tail of another seed
            const Bytes &other = m_seeds[m_rng.below(m_seeds.size())];
            const size_t at = m_rng.below(n + 1);
            const size_t from = m_rng.below(other.size() + 1);
            b.resize(at);
            b.insert(b.end(), other.begin() + long(from), other.end());
            break;
        }
        default: { // an edge number in place of a digit run
            if (!n)
                break;
            size_t at = m_rng.below(n);
            while (at < n && !(b[at] >= '0' && b[at] <= '9'))
                ++at;
            size_t end = at;
            while (end < n && b[end] >= '0' && b[end] <= '9')
                ++end;
            static const char *const numbers[] = {"-1", "0", "256", "65536", "2147483648", "-2147483649",
                                                  "4294967296", "99999999999999999999"};
            const char *t = numbers[m_rng.below(sizeof numbers / sizeof *numbers)];
            b.erase(b.begin() + long(at), b.begin() + long(end));
            insert(b, at, reinterpret_cast<const uint8_t *>(t), std::strlen(t));
            break;
        }
        }
    }

    const std::vector<Bytes> &m_seeds;
    Rng m_rng;
    size_t m_maxSize;
};

// What the crash and hang reports need, set before each input.
const Bytes *current = nullptr;
char artifactPath[4096];
std::atomic<long long> startedMs{-1};

long long nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Called from a signal handler or a sanitizer's report: plain system calls only.
void saveCurrentInput()
{
#ifndef _WIN32
    if (!current)
        return;
    const int fd = ::open(artifactPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    const char *p = reinterpret_cast<const char *>(current->data());
    size_t left = current->size();
    while (left > 0) {
        const ssize_t w = ::write(fd, p, left);
        if (w <= 0)
            break;
        p += w;
        left -= size_t(w);
    }
    ::close(fd);
    const char note[] = "fuzz: the failing input is saved as ";
    (void)!::write(2, note, sizeof note - 1);
    (void)!::write(2, artifactPath, std::strlen(artifactPath));
    (void)!::write(2, "\n", 1);
#endif
}

void onFatalSignal(int sig)
{
    saveCurrentInput();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

bool readFile(const QString &path, Bytes &out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = f.readAll();
    out.assign(data.begin(), data.end());
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: fuzz_target [--runs N] [--seed S] [--timeout-ms T] [--artifacts DIR] SEED...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    long long runs = 10000;
    uint64_t seed = 1;
    long long timeoutMs = 10000;
    QString artifacts = QStringLiteral(".");
    QStringList seedPaths;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        auto value = [&]() -> QString { return i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString(); };
        if (a == QLatin1String("--runs"))
            runs = value().toLongLong();
        else if (a == QLatin1String("--seed"))
            seed = value().toULongLong();
        else if (a == QLatin1String("--timeout-ms"))
            timeoutMs = value().toLongLong();
        else if (a == QLatin1String("--artifacts"))
            artifacts = value();
        else if (a.startsWith(QLatin1String("--")))
            return usage();
        else
            seedPaths << QFileInfo(a).absoluteFilePath();
    }
    artifacts = QFileInfo(artifacts).absoluteFilePath();
    QDir().mkpath(artifacts);

    // Seeds in a stable order: the mutations depend on it.
    std::vector<Bytes> seeds;
    QStringList files;
    for (const QString &p : std::as_const(seedPaths)) {
        if (QFileInfo(p).isDir()) {
            QStringList inDir;
            QDirIterator it(p, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (it.hasNext())
                inDir << it.next();
            inDir.sort();
            files << inDir;
        } else {
            files << p;
        }
    }
    size_t largest = 0;
    for (const QString &f : std::as_const(files)) {
        Bytes b;
        if (!readFile(f, b)) {
            std::fprintf(stderr, "fuzz: cannot read seed %s\n", qPrintable(f));
            return 2;
        }
        largest = std::max(largest, b.size());
        seeds.push_back(std::move(b));
    }
    if (seeds.empty())
        seeds.push_back({});

    const QByteArray name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
    std::snprintf(artifactPath, sizeof artifactPath, "%s/failing-%s.bin", qPrintable(artifacts), name.constData());
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(saveCurrentInput);
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGILL
#ifdef SIGBUS
                    , SIGBUS
#endif
         })
        std::signal(sig, onFatalSignal);

    int fakeArgc = 1;
    char **fakeArgv = argv;
    LLVMFuzzerInitialize(&fakeArgc, &fakeArgv);

    // A hang is a failure: the watchdog saves the input and ends the process.
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const long long started = startedMs;
            if (started >= 0 && nowMs() - started > timeoutMs) {
                std::fprintf(stderr, "fuzz: an input ran longer than %lld ms\n", timeoutMs);
                saveCurrentInput();
                std::_Exit(3);
            }
        }
    });

    QElapsedTimer clock;
    clock.start();
    long long slowest = 0;
    auto runOne = [&](const Bytes &input) {
        current = &input;
        const long long t0 = nowMs();
        startedMs = t0;
        LLVMFuzzerTestOneInput(input.data(), input.size());
        startedMs = -1;
        slowest = std::max(slowest, nowMs() - t0);
        current = nullptr;
    };
    for (const Bytes &s : seeds)
        runOne(s);
    Mutator mutator(seeds, seed, std::max<size_t>(2 * largest, 65536));
    for (long long i = 0; i < runs; ++i) {
        const Bytes input = mutator.next();
        runOne(input);
    }
    done = true;
    watchdog.join();
    std::printf("%s: %zu seeds and %lld mutated inputs in %.1f s (slowest %lld ms), no failure\n",
                name.constData(), seeds.size(), runs, double(clock.elapsed()) / 1000.0, slowest);
    return 0;
}
