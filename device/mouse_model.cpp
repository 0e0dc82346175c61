#include "device/mouse_model.h"

const QList<MouseModel> &mouseModels()
{
    // Built on first use: static objects elsewhere (the startup options) ask for the default.
    // The default model, what a bare --simulate means, is the last one.
    static const QList<MouseModel> models = {
        {3337, SensorVariant::Sensor3337, "PMW3337", {200, 18000, 100}, "_3337", "./update/3337", 0x1209, 0x0007},
        {3389, SensorVariant::Sensor3389, "PMW3389", {200, 16000, 100}, "", "./update/3389", 0x1209, 0x0008},
    };
    return models;
}

const MouseModel &defaultModel()
{
    return mouseModels().last();
}

const MouseModel &modelForDeviceKind(int kind)
{
    return kind >= 0 && kind < mouseModels().size() ? mouseModels()[kind] : defaultModel();
}

const MouseModel *modelWithId(int id)
{
    for (const MouseModel &m : mouseModels()) {
        if (m.id == id)
            return &m;
    }
    return nullptr;
}

const MouseModel &modelWithSensor(SensorVariant sensor)
{
    for (const MouseModel &m : mouseModels()) {
        if (m.sensor == sensor)
            return m;
    }
    return defaultModel();
}

QString modelIdList()
{
    QStringList ids;
    for (const MouseModel &m : mouseModels())
        ids << QString::number(m.id);
    return ids.join(QStringLiteral(" or "));
}
