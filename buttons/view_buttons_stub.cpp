// Placeholders of the button, macro and recoil operations until they land.
#include "profiles/myqquickview.h"

QVariantList myQQuickView::getKeydefine(QVariant) { return {}; }
void myQQuickView::ui_07H_SetKeyMatrix(QVariantList) {}
QVariant myQQuickView::createMacroIni(QVariant, QVariant) { return false; }
QVariant myQQuickView::modifyMacroName(QVariant, QVariant) { return false; }
QStringList myQQuickView::isMacroUse(QVariant) { return {}; }
QVariant myQQuickView::deleteMacroIni(QVariant) { return false; }
QVariant myQQuickView::saveMacroIni(QVariant, QStringList, QVariant) { return false; }
QVariant myQQuickView::sendMacroData(QVariantList, QVariant) { return false; }
QStringList myQQuickView::loadMacroIni(QVariant) { return {}; }
QVariant myQQuickView::loadMacroType(QVariant) { return 0; }
QVariant myQQuickView::loadMacroIndex(QVariant) { return 0; }
void myQQuickView::setMacroIndex(QVariant, QVariant) {}
void myQQuickView::changeMacroFileIndex(QVariant) {}
void myQQuickView::setMacroKey(int, QVariant) {}
QVariant myQQuickView::getMacroKey(int) { return QVariant(); }
void myQQuickView::saveGundata(QVariantList) {}
void myQQuickView::modifyGundata(QVariant, QVariantList) {}
QVariantList myQQuickView::getGunData(QVariant) { return {}; }
QVariant myQQuickView::getselectGun(QVariant) { return QVariant(); }
void myQQuickView::setSelectGun(QVariant, QVariant) {}
void myQQuickView::ui_04H_SetGunData(uchar, uchar, uchar, uchar, uchar) {}
