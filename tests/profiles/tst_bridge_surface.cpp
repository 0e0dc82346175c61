// Every operation the pages call on ui_View exists by name, with its argument order and result.
#include "app/myqquickview.h"

#include <QtTest>

class TestBridgeSurface : public QObject
{
    Q_OBJECT

private slots:
    void pageCallableOperations()
    {
        struct Entry
        {
            const char *signature;
            int result;
        };
        const int V = QMetaType::Void, Var = QMetaType::QVariant, List = QMetaType::QVariantList,
                  Strings = QMetaType::QStringList, Bool = QMetaType::Bool, UInt = QMetaType::UInt;
        const Entry table[] = {
            {"initUI(int)", V}, {"runUI()", V}, {"refreashDPI()", V}, {"getLang()", Var}, {"getProfile()", Var},
            {"setProfile(QVariant)", V}, {"clearHidBusy()", V}, {"loadProfile(int)", Bool}, {"saveProfile(int)", V},
            {"resetProfile(int)", V}, {"copyProfile(int,int)", V}, {"getGlobalStrings(QVariant,QString)", Strings},
            {"createMacroIni(QVariant,QVariant)", Var}, {"updataNameList(QVariant,QStringList)", Var},
            {"modifyMacroName(QVariant,QVariant)", Var}, {"isMacroUse(QVariant)", Strings},
            {"deleteMacroIni(QVariant)", Var}, {"getNameList(QVariant)", List},
            {"saveMacroIni(QVariant,QStringList,QVariant)", Var}, {"sendMacroData(QVariantList,QVariant)", Var},
            {"loadMacroIni(QVariant)", Strings}, {"loadMacroType(QVariant)", Var}, {"loadMacroIndex(QVariant)", Var},
            {"setMacroIndex(QVariant,QVariant)", V}, {"getKeydefine(QVariant)", List},
            {"changeMacroFileIndex(QVariant)", V}, {"saveGundata(QVariantList)", V},
            {"modifyGundata(QVariant,QVariantList)", V}, {"getGunData(QVariant)", List},
            {"getXYSensitive(QVariant)", Var}, {"getselectGun(QVariant)", Var},
            {"setXYSensitive(QVariant,QVariant)", V}, {"setSelectGun(QVariant,QVariant)", V},
            {"setMacroKey(int,QVariant)", V}, {"getMacroKey(int)", Var}, {"mouseSetReportRate(uchar)", V},
            {"mouseSetJMGD(uchar)", V}, {"ui_02H_SetCurrentProfile(int)", V},
            {"ui_04H_SetGunData(uchar,uchar,uchar,uchar,uchar)", V}, {"ui_0EH_SetXYSensitive(QVariant,QVariant)", V},
            {"getPictureValue(bool)", List}, {"ui_81H_GetReportRate()", Var}, {"setAcceleration(bool)", V},
            {"setCursorSpeed(uint)", V}, {"setVerticalScrollLines(uint)", V}, {"setDoubleClickSpeed(uint)", V},
            {"mouseSetRGBLedEffect(uchar,uchar,uchar,uchar,uchar,uchar,QVariantList)", V},
            {"mouseSetDPIColor(uchar,QVariantList)", V}, {"ui_11H_SetDPISetTmp(QVariantList)", V},
            {"ui_11H_SetDPISet(QVariantList,QVariantList)", V}, {"ui_11H_SetDPISelect(QVariantList)", V},
            {"ui_07H_SetKeyMatrix(QVariantList)", V}, {"getAcceleration()", Bool}, {"getCursorSpeed()", UInt},
            {"getVerticalScrollLines()", UInt}, {"getDoubleClickSpeed()", UInt},
            {"ui_8BH_GetCurrentDPIStage()", Var}, {"ui_8DH_GetRGBLedEffect()", List},
            {"ui_90H_GetLED8StageColor(uchar)", List}, {"openUpdateExe()", V}, {"ui_91H_GetDPISet()", List},
            {"ui_91H_GetDPISelect()", List}, {"ui_LED_DataProc(int,int,QString)", V},
            {"ui_LED_PictureDataProc(QVariantList,int)", V}, {"ui_LED_DataVerify(QString)", Var},
            {"setGlobalData(QVariant,QVariantList)", V}, {"getGlobalData(QVariant)", List},
            {"getData(QVariant)", Var}, {"mouseSetProfile(int)", V}, {"mouseReadProfile(uchar*,int)", V},
            {"mouseReadDPISet()", List}, {"setEnabled(bool)", V},
        };
        const QMetaObject &meta = myQQuickView::staticMetaObject;
        for (const Entry &e : table) {
            const int index = meta.indexOfSlot(QMetaObject::normalizedSignature(e.signature));
            QVERIFY2(index >= 0, e.signature);
            QVERIFY2(meta.method(index).returnType() == e.result, e.signature);
        }
        // The native classes declare no signals of their own.
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            QVERIFY(meta.method(i).methodType() != QMetaMethod::Signal);
    }
};

QTEST_APPLESS_MAIN(TestBridgeSurface)
#include "tst_bridge_surface.moc"
