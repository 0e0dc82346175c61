// A recoil preset file of any content: every preset it names, and the selected one, read as
// the recoil page reads them and sent as it sends them.
#include "tests/fuzz/fuzz_link.h"
#include "tests/fuzz/fuzz_support.h"

#include "app/myqquickview.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

uchar offsetByte(const QVariant &value)
{
    return uchar(value.toInt() & 0xFF);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::initApplication();
    Fuzz::linkedBridge();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    myQQuickView *bridge = Fuzz::linkedBridge();
    Fuzz::VirtualLink &v = Fuzz::VirtualLink::instance();
    Fuzz::InputFolder folder;
    folder.write(QStringLiteral("modules/gun/gunData.bin"), data, size);
    QStringList names{QStringLiteral("Gun0"), QString(), QStringLiteral("..")};
    {
        QSettings file(QStringLiteral("./modules/gun/gunData.bin"), QSettings::IniFormat);
        file.beginGroup(QStringLiteral("gunData"));
        names += file.childKeys().mid(0, 64);
    }
    for (const QString &name : std::as_const(names)) {
        const QVariantList preset = bridge->getGunData(name);
        if (preset.size() >= 5)
            bridge->ui_04H_SetGunData(0xF0, uchar(preset[4].toUInt()), offsetByte(preset[2]), offsetByte(preset[3]), 0);
    }
    v.requireIdle("sending recoil presets");
    // A rename and a delete over what was read.
    if (names.size() > 3) {
        QVariantList renamed{QStringLiteral("Renamed")};
        renamed += bridge->getGunData(names[3]);
        renamed += QVariantList(5, 0).mid(0, std::max<qsizetype>(0, 6 - renamed.size()));
        renamed.append(names[3]);
        bridge->modifyGundata(1, renamed);
        bridge->modifyGundata(0, {QStringLiteral("Renamed")});
    }
    QCoreApplication::processEvents();
    return 0;
}
