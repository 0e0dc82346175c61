#pragma once

#include "device/profile_block_layout.h"
#include "profiles/profile_keys.h"

#include <QList>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QVariantList>

class FrontWindowWatch;
class Hid_Thread;
class PointerSettings;
class QSettings;

// The view that shows the pages and, at the same time, the object through which the pages
// reach files, the operating system and the mouse. Every page-callable operation is a public
// slot; the implementations are spread over the folders of their subsystems.
class myQQuickView : public QQuickWidget
{
    Q_OBJECT

public:
    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    Hid_Thread *hidThread = nullptr;
    // What tells which program is in front; null where profiles do not follow programs.
    FrontWindowWatch *frontWatch = nullptr;

    // Calls into the pages that do not come from the pages themselves.
    void relayKeyboard(bool isDown, int usbCode);
    void relayMouse(bool isDown, uint vornCode, uint x, uint y);
    void setProtectUI(int busyTime);
    // The link's queue has been busy for a while, or is empty again: the busy overlay.
    void showLinkBusy(bool busy);
    // The window was shown or hidden (not minimised): a hidden window's pictures are let go
    // and dropped from the image cache, and decoded again when it is shown.
    void setPicturesShown(bool shown);
    // 0: keys cannot be captured, 1: only in the program's own windows, 2: in the whole session.
    void setCaptureReach(int reach) { captureReach = reach; }

    int currentProfile() const { return curProfile; }
    QSettings *currentSettings() const;
    QSettings *profileFile(int index) const;
    QSettings *appConfig() const { return apConfig; }

    // Device kind of the last initUI: its model is modelForDeviceKind(deviceKind()).
    int deviceKind() const { return curDid; }
    // Cached profile data block of profiles 0..5 (null for any other index). Writers patch the
    // current profile's block and then call mouseSetProfile(currentProfile()) to store and send it.
    uchar *profileBlock(int index);
    // Writes every buffered setting to disk, for code that copies or reads the files directly.
    // False when a file could not be written (each such file is reported once on stderr).
    bool syncSettings();

    // The system pointer settings in use; the platform's own unless replaced (tests).
    void setPointerSettings(PointerSettings *layer) { pointerLayer = layer; }

public slots:
    // Core and calls into the pages.
    void initUI(int curDid);
    void runUI();
    void refreashDPI();
    void clearHidBusy();
    // Around a batch of sends (a whole profile): the link keeps the commands until the release
    // and then sends each state once, as last asked for.
    void holdDeviceCommands();
    void releaseDeviceCommands();
    void openUpdateExe();
    // Pictures that no page shows any more (the power-on logo) leave the image cache now
    // rather than half a minute later.
    void dropUnusedPictures();
    // The model of device kind `kind` as the pages use it: sensorName, dpiMinimum, dpiMaximum, dpiStep.
    QVariantMap getModel(int kind);

    // Profiles, configuration, languages and names.
    QVariant getLang();
    // Stores the language of the next start ("English" or "ChineseSimplified"); false when the
    // name is not one of them or the file could not be written.
    bool setLang(QVariant language);
    QVariant getProfile();
    void setProfile(QVariant profileNo);
    bool loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);
    QStringList getGlobalStrings(QVariant type, QString langCode);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariantList getNameList(QVariant type);
    void ui_02H_SetCurrentProfile(int profile);
    void setGlobalData(QVariant key, QVariantList tmpdata);
    QVariantList getGlobalData(QVariant key);
    QVariant getData(QVariant key);
    void mouseSetProfile(int profileID);
    void mouseReadProfile(uchar *dest, int profileID);

    // The programs that select a profile when they come to the front.
    QVariant getFollowPrograms();
    void setFollowPrograms(QVariant on);
    // The profile for a program without a rule; -1: stay with the profile in use.
    QVariant getGoBackProfile();
    void setGoBackProfile(QVariant profile);
    QStringList getProfilePrograms(int profile);
    // `program` may be a path: its file name is what the rule keeps.
    void addProfileProgram(int profile, QString program);
    void removeProfileProgram(int profile, QString program);
    // Why the program in front cannot be known in this session: 0 when it can, else one of
    // FrontWindowWatch::Unavailable (1 Wayland, 2 no active window, 3 no window system,
    // 4 hook refused, 5 not in this run).
    QVariant getFrontProgramUnavailable();
    // The programs that have windows now, by name: name and icon (a data: URL, or empty) of each.
    QVariantList getWindowPrograms();
    // The file name of an executable chosen in a file dialog; empty when cancelled.
    QString browseProgram();

    // Sensor, lighting, pointer settings and the mouse's screen.
    QVariant getXYSensitive(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    void mouseSetReportRate(uchar rate);
    void mouseSetJMGD(uchar tmpJMGD);
    void ui_0EH_SetXYSensitive(QVariant par0, QVariant par1);
    QVariant ui_81H_GetReportRate();
    void ui_11H_SetDPISetTmp(QVariantList valueForIndex);
    void ui_11H_SetDPISet(QVariantList src8, QVariantList valueForIndex);
    void ui_11H_SetDPISelect(QVariantList valueForIndex);
    QVariant ui_8BH_GetCurrentDPIStage();
    // The DPI of a hid_84H_GetCurrentDPI reply, decoded by the connected model's rule.
    QVariant currentDPIFromReply(QVariantList reply);
    QVariantList ui_91H_GetDPISet();
    QVariantList ui_91H_GetDPISelect();
    QVariantList mouseReadDPISet();
    void mouseSetRGBLedEffect(uchar effect, uchar option1, uchar option2, uchar colorR, uchar colorG,
                              uchar colorB, QVariantList configs);
    void mouseSetDPIColor(uchar type, QVariantList src24);
    QVariantList ui_8DH_GetRGBLedEffect();
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    void setAcceleration(bool acceleration);
    void setCursorSpeed(uint cursorSpeed);
    void setVerticalScrollLines(uint lines);
    void setDoubleClickSpeed(uint speed);
    bool getAcceleration();
    // Empty when this desktop can apply the setting ("cursorSpeed", "doubleClickSpeed",
    // "verticalScrollLines", "acceleration"), otherwise why it cannot, for the panel to show.
    QString getPointerSettingUnavailable(const QString &setting);
    uint getCursorSpeed();
    uint getVerticalScrollLines();
    uint getDoubleClickSpeed();
    QVariantList getPictureValue(bool isFile);
    void ui_LED_DataProc(int row, int column, QString displayText);
    void ui_LED_PictureDataProc(QVariantList pictureData, int index);
    QVariant ui_LED_DataVerify(QString displayText);

    // Buttons, macros and recoil presets.
    QVariantList getKeydefine(QVariant matrixId);
    void ui_07H_SetKeyMatrix(QVariantList src64);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant modifyMacroName(QVariant oldname, QVariant newname);
    QStringList isMacroUse(QVariant macroName);
    QVariant deleteMacroIni(QVariant name);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat);
    QVariant sendMacroData(QVariantList macroData, QVariant macroIndex);
    QStringList loadMacroIni(QVariant name);
    QVariant loadMacroType(QVariant name);
    QVariant loadMacroIndex(QVariant name);
    void setMacroIndex(QVariant name, QVariant macroIndex);
    void changeMacroFileIndex(QVariant macroIndex);
    void setMacroKey(int index, QVariant macroName);
    QVariant getMacroKey(int index);
    // The mouse's encoding of a macro's "type,information" steps with its loop count, the
    // terminator included; its length is the macro's encoded length.
    QVariantList encodeMacro(QStringList macros, QVariant repeat);
    // What makes a macro's file unfit to be taken as it stands, for the user; empty when fine.
    QString checkMacroIni(QVariant name);
    // How far key capture reaches, as setCaptureReach was told.
    QVariant getCaptureReach() { return captureReach; }
    void saveGundata(QVariantList src6);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QVariant getselectGun(QVariant index);
    void setSelectGun(QVariant index, QVariant xyData);
    void ui_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4);

protected:
    void focusInEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void invokeRoot(const char *function, Qt::ConnectionType type, const QVariantList &args = {});
    QSettings *openProfileFile(int index);
    bool replaceProfileFile(int profile, const QString &source, QString *error);
    void reportProfileFailure(const QString &text);

    QSettings *apConfig = nullptr;
    QList<QSettings *> profileSettings;
    int curProfile = 0;
    uchar profileData[ProfileKeys::CachedBlockCount][ProfileBlock::Size] = {};
    int curDid = 0;
    int captureReach = 0;

    // Sensor, lighting, pointer settings and the mouse's screen.
    PointerSettings &pointerSettings();
    PointerSettings *pointerLayer = nullptr;
};
