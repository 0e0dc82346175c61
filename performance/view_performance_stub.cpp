// Placeholders of the sensor, lighting, pointer and screen operations until they land.
#include "profiles/myqquickview.h"

QVariant myQQuickView::getXYSensitive(QVariant) { return 4; }
void myQQuickView::setXYSensitive(QVariant, QVariant) {}
void myQQuickView::mouseSetReportRate(uchar) {}
void myQQuickView::mouseSetJMGD(uchar) {}
void myQQuickView::ui_0EH_SetXYSensitive(QVariant, QVariant) {}
QVariant myQQuickView::ui_81H_GetReportRate() { return 0; }
void myQQuickView::ui_11H_SetDPISetTmp(QVariantList) {}
void myQQuickView::ui_11H_SetDPISet(QVariantList, QVariantList) {}
void myQQuickView::ui_11H_SetDPISelect(QVariantList) {}
QVariant myQQuickView::ui_8BH_GetCurrentDPIStage() { return 0; }
QVariantList myQQuickView::ui_91H_GetDPISet() { return {}; }
QVariantList myQQuickView::ui_91H_GetDPISelect() { return {}; }
QVariantList myQQuickView::mouseReadDPISet() { return {}; }
void myQQuickView::mouseSetRGBLedEffect(uchar, uchar, uchar, uchar, uchar, uchar, QVariantList) {}
void myQQuickView::mouseSetDPIColor(uchar, QVariantList) {}
QVariantList myQQuickView::ui_8DH_GetRGBLedEffect() { return {}; }
QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar) { return {}; }
void myQQuickView::setAcceleration(bool) {}
void myQQuickView::setCursorSpeed(uint) {}
void myQQuickView::setVerticalScrollLines(uint) {}
void myQQuickView::setDoubleClickSpeed(uint) {}
bool myQQuickView::getAcceleration() { return false; }
uint myQQuickView::getCursorSpeed() { return 0; }
uint myQQuickView::getVerticalScrollLines() { return 0; }
uint myQQuickView::getDoubleClickSpeed() { return 0; }
QVariantList myQQuickView::getPictureValue(bool) { return {}; }
void myQQuickView::ui_LED_DataProc(int, int, QString) {}
void myQQuickView::ui_LED_PictureDataProc(QVariantList, int) {}
QVariant myQQuickView::ui_LED_DataVerify(QString) { return 0; }
