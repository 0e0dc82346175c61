#include "buttons/macro_encoding.h"

#include "buttons/key_names.h"

#include <algorithm>
#include <cmath>

namespace MacroEncoding {

namespace {

// Longest delay an edited file may ask for; keeps sums finite.
constexpr double MaxStepMilliseconds = 1e9;

constexpr std::uint8_t ReleaseBit = 0x80;

// Writes the delay that follows the event whose record starts at `record`.
void closeRecord(std::vector<std::uint8_t> &out, std::size_t record, bool release, double milliseconds)
{
    const std::uint8_t releaseBit = release ? ReleaseBit : 0;
    const double units = milliseconds / 10.0;
    if (units < 127) {
        // Byte A's delay bits of 0 would announce an extended delay: anything shorter than one
        // unit, no delay included, takes one unit.
        const int whole = std::max(1, int(std::floor(units)));
        out[record] = std::uint8_t(whole | releaseBit);
        return;
    }
    out[record] = releaseBit;
    double count = 0;
    std::uint8_t unitCode = 0;
    if (units < 100000) {
        unitCode = 1;   // 20 ms
        count = std::floor(units / 2);
    } else if (units < 300000) {
        unitCode = 2;   // 50 ms
        count = std::floor(units / 5);
    } else {
        unitCode = 3;   // 100 ms; longer delays than 65535 of them are cut to that
        count = std::min(std::floor(units / 10), 65535.0);
    }
    const unsigned value = unsigned(count);
    out.insert(out.end(), {0x00, unitCode, std::uint8_t(value >> 8), std::uint8_t(value & 0xFF)});
}

} // namespace

std::vector<Step> parseSteps(const QStringList &macros)
{
    std::vector<Step> steps;
    steps.reserve(std::size_t(macros.size()));
    for (const QString &text : macros) {
        // Names may hold commas themselves (", <"): only the first one separates.
        const int comma = text.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        bool typeOk = false;
        const int type = text.left(comma).trimmed().toInt(&typeOk);
        const QString info = text.mid(comma + 1);
        if (!typeOk)
            continue;
        Step step;
        if (type == 0) {
            bool ok = false;
            const double ms = info.trimmed().toDouble(&ok);
            step.kind = Step::Delay;
            step.milliseconds = ok && ms > 0 ? std::min(ms, MaxStepMilliseconds) : 0;
        } else if (type >= 1 && type <= 4) {
            const bool key = type <= 2;
            step.kind = (type == 1 || type == 3) ? Step::Press : Step::Release;
            step.code = key ? KeyNames::str2keycode(info) : KeyNames::str2mousecode(info);
            if (step.code <= 0)
                continue;
        } else {
            continue;
        }
        steps.push_back(step);
    }
    return steps;
}

std::vector<std::uint8_t> encode(const std::vector<Step> &steps, long loopCount)
{
    const long loops = std::clamp(loopCount, 0L, 65535L);
    std::vector<std::uint8_t> out{std::uint8_t(loops >> 8), std::uint8_t(loops & 0xFF)};

    auto first = std::find_if(steps.begin(), steps.end(), [](const Step &s) { return s.kind != Step::Delay; });
    if (first == steps.end())
        return out;

    std::size_t record = out.size();
    out.push_back(0);
    out.push_back(std::uint8_t(first->code));
    bool previousRelease = first->kind == Step::Release;
    double milliseconds = 0;
    for (auto it = first + 1; it != steps.end(); ++it) {
        if (it->kind == Step::Delay) {
            milliseconds += it->milliseconds;
            continue;
        }
        closeRecord(out, record, previousRelease, milliseconds);
        record = out.size();
        out.push_back(0);
        out.push_back(std::uint8_t(it->code));
        previousRelease = it->kind == Step::Release;
        milliseconds = 0;
    }
    // Delays after the last event have nothing to wait for.
    out[record] = std::uint8_t(1 | (previousRelease ? ReleaseBit : 0));
    out.push_back(0);
    out.push_back(0);
    return out;
}

std::vector<std::uint8_t> fitPayload(const std::vector<std::uint8_t> &encoded)
{
    std::vector<std::uint8_t> payload(PayloadSize, 0);
    if (encoded.size() <= std::size_t(PayloadSize)) {
        std::copy(encoded.begin(), encoded.end(), payload.begin());
        return payload;
    }

    // Walk the events; keep those that start early enough to be closed and terminated in time.
    std::size_t pos = 2;
    std::size_t lastFit = 0;   // 0: no event fits
    while (pos + 1 < encoded.size()) {
        const std::uint8_t a = encoded[pos];
        const std::uint8_t b = encoded[pos + 1];
        if (a == 0 && b == 0)
            break;   // the terminator: everything before it is whole
        if (pos + 4 > std::size_t(PayloadSize))
            break;
        lastFit = pos;
        pos += (a & 0x7F) == 0 ? 6 : 2;
    }
    std::copy(encoded.begin(), encoded.begin() + 2, payload.begin());
    if (pos + 1 < encoded.size() && encoded[pos] == 0 && encoded[pos + 1] == 0 && pos + 2 <= std::size_t(PayloadSize)) {
        std::copy(encoded.begin(), encoded.begin() + std::ptrdiff_t(pos), payload.begin());
        return payload;
    }
    if (lastFit == 0)
        return payload;
    std::copy(encoded.begin(), encoded.begin() + std::ptrdiff_t(lastFit) + 2, payload.begin());
    payload[lastFit] = std::uint8_t((payload[lastFit] & ReleaseBit) | 1);
    // payload[lastFit + 2], payload[lastFit + 3] stay 0: the terminator.
    return payload;
}

} // namespace MacroEncoding
