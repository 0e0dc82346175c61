// Button assignments of the current profile: the pages read them entry by entry and write and
// send all sixteen at once.
#include "app/myqquickview.h"

#include "buttons/key_matrix.h"
#include "device/hid_thread.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_rules.h"
#include "profiles/value_mend.h"

#include <QSettings>

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    // Only the two models of the device table have this button layout.
    const int device = hidThread ? hidThread->curDevice() : 0;
    if (device != 0 && device != 1)
        return {};
    QSettings *settings = currentSettings();
    if (!settings)
        return {};
    const QString key = QStringLiteral("keydefine_J2/") + QString::number(matrixId.toInt());
    const StoredValues::Rule *rule = StoredValues::profileRule(key);
    if (!rule)
        return {};
    // A button without a sound entry keeps what it does on a new mouse: a missing entry sent as
    // zeros would leave it, the left button included, without any function.
    const QVariant entry = StoredValues::fitOrDefault(*rule, settings->value(key), QVariant());
    return entry.toList();
}

void myQQuickView::ui_07H_SetKeyMatrix(QVariantList src64)
{
    // A short matrix would overwrite stored buttons with made-up values: take none of it.
    if (src64.size() < KeyMatrix::EntryCount * 4)
        return;
    std::array<int, KeyMatrix::EntryCount * 4> entries{};
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i] = src64[int(i)].toInt();

    if (QSettings *settings = currentSettings()) {
        for (int i = 0; i < KeyMatrix::EntryCount; ++i) {
            QVariantList entry;
            for (int b = 0; b < 4; ++b)
                entry.append(entries[std::size_t(i * 4 + b)]);
            storeSetting(settings, QStringLiteral("keydefine_J2/") + QString::number(i), entry);
        }
    }

    std::array<std::uint8_t, KeyMatrix::PayloadSize> payload = KeyMatrix::payload(entries);
    if (hidThread)
        hidThread->hid_07H_SetKeyMatrix(payload.data(), 0);
}
