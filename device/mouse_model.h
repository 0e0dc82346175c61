#pragma once

#include <QString>
#include <QStringList>

// The two sensors differ in their DPI range and in how a stage is packed into the profile
// data block (the 3337 halves unit counts above 256).
enum class SensorVariant { Sensor3337, Sensor3389 };

struct DpiRange
{
    unsigned minimum;
    unsigned maximum;
    unsigned step;
};

// What the program knows of one supported model. The built-in device table lists the models
// in the same order as `mouseModels()`: an entry's index there is the device kind that the link
// reports and the pages are told. A new model is one entry in each.
struct MouseModel
{
    int id;                      // names the model: what --simulate=<id> takes
    SensorVariant sensor;
    const char *sensorName;      // as the screen editor shows it
    DpiRange dpiRange;           // what the DPI sliders offer
    const char *settingsSuffix;  // of the keys kept apart per model: "sensor/dpi_J2" + suffix
    const char *updateProgram;   // the firmware updater, without ".exe"
    unsigned short vendorId;     // the USB ids, as the device table and the udev rule list them
    unsigned short productId;
};

// Every supported model, in device-table order.
const QList<MouseModel> &mouseModels();

// The model of device kind `kind`. A kind outside the table is taken for the default model;
// a failed connection check reports kind 0, the first model, as it always did.
const MouseModel &modelForDeviceKind(int kind);

// The model named `id`, or null for an id no model has.
const MouseModel *modelWithId(int id);

// The model a bare --simulate means.
const MouseModel &defaultModel();

// The first model with `sensor`.
const MouseModel &modelWithSensor(SensorVariant sensor);

// "3337 or 3389": the ids, for messages.
QString modelIdList();
