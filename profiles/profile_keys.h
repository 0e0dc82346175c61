#pragma once

#include <QString>

// Where the profiles live and the names of the settings that several subsystems share.
namespace ProfileKeys {

// Ten profile files p1.bin .. p10.bin; the pages use the first six, which have a cached data block.
constexpr int ProfileCount = 10;
constexpr int CachedBlockCount = 6;

constexpr char ConfigFile[] = "./modules/setting/apConfig.bin";
constexpr char DefaultsFile[] = "./modules/setting/pD.bin";

constexpr char ProfileData[] = "profile/data";
constexpr char CurrentProfile[] = "J2/profileNo";
constexpr char Language[] = "common/language";

// "./modules/setting/p" + (index + 1) + ".bin"
QString profileFileName(int index);

// The DPI stage lists of the models are kept apart, so that switching mice never mixes their
// ranges: "sensor/dpi_J2" and the model's settings suffix.
QString dpiListKey(int deviceKind);

inline bool isFileIndex(int index) { return index >= 0 && index < ProfileCount; }
inline bool isBlockIndex(int index) { return index >= 0 && index < CachedBlockCount; }

} // namespace ProfileKeys
