#pragma once

#include <QString>

// The texts of the tray balloons that tell of the mouse, in the language in use. GUI thread.
namespace BalloonTexts {

// "Detect Mouse!", or its Chinese text when `language` is "ChineseSimplified".
QString detectMouse(const QString &language);

// Some settings did not reach the mouse: `count` of them, even after a second try.
QString commandsFailed(const QString &language, int count);

// The program in front selected profile `name`.
QString profileSwitched(const QString &language, const QString &name);

// The DPI-change balloon of stage 0..7: the stage's text (see setDpiSwitchText) and the DPI.
QString dpiSwitch(int stage, unsigned dpi);

// The text of each stage, "DPI Switch to" until a language file replaces it.
QString dpiSwitchText(int stage);
void setDpiSwitchText(int stage, const QString &text);

} // namespace BalloonTexts
