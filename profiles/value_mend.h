#pragma once

#include <QVariant>

namespace StoredValues {
struct Rule;
}

// Mending one stored value by the smallest change that makes it fit its rule. A list of a
// fixed length keeps every entry that fits; a missing or unfit entry is taken from the factory
// value where that entry fits, else from the rule's fallback; entries beyond the length are
// not used, and stay in the file as they are. A number outside a continuous range (a rule that
// clamps) moves to the nearer end; any other unfit number is a code and takes the factory
// value. Lists without a fixed length and texts are kept or replaced whole.
namespace ValueMend {

struct Mended
{
    // What the file should hold: the stored value with only its unfit parts replaced. Invalid
    // when nothing is stored; an absent value is not written.
    QVariant stored;
    // What the program uses: the value made to fit the rule.
    QVariant used;
    // `stored` differs from what the file holds, so the file needs writing.
    bool changed = false;
};

Mended mend(const StoredValues::Rule &rule, const QVariant &stored, const QVariant &factory);

} // namespace ValueMend

namespace StoredValues {

// The value `stored` as the program uses it: when it does not fit, mended from `factory` and
// the rule's fallback. `replaced` tells whether it was mended.
QVariant fitOrDefault(const Rule &rule, const QVariant &stored, const QVariant &factory, bool *replaced = nullptr);

} // namespace StoredValues
