// Placeholders of the profile and configuration operations until they land.
#include "profiles/myqquickview.h"

#include <QSettings>
#include <cstring>

QVariant myQQuickView::getLang() { return apConfig->value(QStringLiteral("common/language")); }
QVariant myQQuickView::getProfile() { return apConfig->value(QStringLiteral("J2/profileNo"), 0); }
void myQQuickView::setProfile(QVariant profileNo) { apConfig->setValue(QStringLiteral("J2/profileNo"), profileNo); }
bool myQQuickView::loadProfile(int) { return false; }
void myQQuickView::saveProfile(int) {}
void myQQuickView::resetProfile(int) {}
void myQQuickView::copyProfile(int, int) {}
QStringList myQQuickView::getGlobalStrings(QVariant, QString) { return {}; }
QVariant myQQuickView::updataNameList(QVariant, QStringList) { return QVariant(); }
QVariantList myQQuickView::getNameList(QVariant) { return {}; }
void myQQuickView::ui_02H_SetCurrentProfile(int) {}
void myQQuickView::setGlobalData(QVariant, QVariantList) {}
QVariantList myQQuickView::getGlobalData(QVariant) { return {}; }
QVariant myQQuickView::getData(QVariant) { return QVariant(); }
void myQQuickView::mouseSetProfile(int) {}
void myQQuickView::mouseReadProfile(uchar *dest, int) { std::memset(dest, 0, 128); }
