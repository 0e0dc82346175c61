#include "profiles/value_mend.h"

#include "profiles/settings_list.h"
#include "profiles/stored_value_rules.h"

#include <algorithm>

namespace ValueMend {

namespace {

using StoredValues::Rule;

// The rule of element i of a list: a record's own, else the list's range as a number.
Rule elementRule(const Rule &list, qsizetype i)
{
    if (!list.elements.isEmpty())
        return list.elements.value(i);
    Rule r = StoredValues::number(list.min, list.max, 0, list.also);
    r.clamp = list.clamp;
    return r;
}

// A single value: kept, clamped, or the first of `factory` and `fallback` that fits.
QVariant mendOne(const Rule &rule, const QVariant &stored, const QVariant &factory, const QVariant &fallback,
                 bool *changed)
{
    if (const std::optional<QVariant> kept = StoredValues::fit(rule, stored)) {
        *changed = false;
        return *kept;
    }
    *changed = true;
    if (rule.kind == Rule::Number && rule.clamp) {
        if (const std::optional<qint64> n = StoredValues::numberOf(stored))
            return std::clamp(*n, rule.min, rule.max);
    }
    if (const std::optional<QVariant> f = StoredValues::fit(rule, factory))
        return *f;
    if (const std::optional<QVariant> f = StoredValues::fit(rule, fallback))
        return *f;
    return fallback;
}

Mended mendList(const Rule &rule, const QVariant &stored, const QVariant &factory)
{
    const qsizetype length = rule.length;
    const QVariantList list = settingsList(stored);
    const QVariantList factoryList = settingsList(factory);
    const QVariantList fallbackList = settingsList(rule.fallback);
    Mended m;
    QVariantList used;
    used.reserve(length);
    for (qsizetype i = 0; i < length && !rule.whole; ++i) {
        const Rule element = elementRule(rule, i);
        bool changed = true;
        const QVariant entry = i < list.size() ? list[i] : QVariant();
        used.append(mendOne(element, entry, factoryList.value(i), fallbackList.value(i), &changed));
        m.changed = m.changed || changed;
    }
    // Entries that fit alone may still not make a whole list (a macro entry of a slot the mouse
    // does not have), and some lists are only whole: such a list takes the factory list whole.
    std::optional<QVariant> whole = StoredValues::fit(rule, rule.whole ? stored : QVariant(used));
    if (!whole) {
        m.changed = true;
        whole = StoredValues::fit(rule, factory);
        if (!whole)
            whole = StoredValues::fit(rule, rule.fallback);
        used = whole ? whole->toList() : settingsList(rule.fallback);
    }
    m.used = whole ? *whole : QVariant(used);
    if (m.changed)
        m.stored = QVariant(used + list.mid(length));
    else
        m.stored = stored;
    return m;
}

} // namespace

Mended mend(const Rule &rule, const QVariant &stored, const QVariant &factory)
{
    Mended m;
    if (!stored.isValid()) {
        // Nothing to keep: the factory value, itself mended where it does not fit.
        if (factory.isValid())
            m.used = mend(rule, factory, QVariant()).used;
        else
            m.used = StoredValues::fit(rule, rule.fallback).value_or(rule.fallback);
        return m;
    }
    if (rule.kind == Rule::NumberList && rule.length > 0)
        return mendList(rule, stored, factory);
    bool changed = false;
    const QVariant value = mendOne(rule, stored, factory, rule.fallback, &changed);
    m.changed = changed;
    m.stored = changed ? value : stored;
    m.used = value;
    return m;
}

} // namespace ValueMend

namespace StoredValues {

QVariant fitOrDefault(const Rule &rule, const QVariant &stored, const QVariant &factory, bool *replaced)
{
    const std::optional<QVariant> value = fit(rule, stored);
    if (replaced)
        *replaced = !value;
    return value ? *value : ValueMend::mend(rule, stored, factory).used;
}

} // namespace StoredValues
