#include "tests/qml/page_host.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QtTest>

namespace {

QString text(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QVariantList || v.metaType().id() == QMetaType::QStringList) {
        QStringList parts;
        for (const QVariant &e : v.toList())
            parts << text(e);
        return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return v.toString();
}

} // namespace

void FakeBridge::record(const QString &name, const QVariantList &args)
{
    QStringList parts;
    for (const QVariant &a : args)
        parts << text(a);
    calls << name + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
}

QStringList FakeBridge::callsNamed(const QStringList &names) const
{
    QStringList out;
    for (const QString &c : calls) {
        if (names.contains(c.left(c.indexOf(QLatin1Char('(')))))
            out << c;
    }
    return out;
}

QStringList FakeBridge::callNames() const
{
    QStringList out;
    for (const QString &c : calls)
        out << c.left(c.indexOf(QLatin1Char('(')));
    return out;
}

QVariant FakeBridge::getLang() { record(QStringLiteral("getLang")); return lang; }
QVariant FakeBridge::getProfile() { record(QStringLiteral("getProfile")); return storedProfile; }
void FakeBridge::ui_02H_SetCurrentProfile(int profile) { record(QStringLiteral("ui_02H_SetCurrentProfile"), {profile}); }

QStringList FakeBridge::getGlobalStrings(QVariant type, QString langCode)
{
    record(QStringLiteral("getGlobalStrings"), {type, langCode});
    return myQQuickView::getGlobalStrings(type, langCode);
}

QVariantList FakeBridge::getNameList(QVariant type)
{
    record(QStringLiteral("getNameList"), {type});
    return nameLists.value(type.toInt());
}

QVariant FakeBridge::updataNameList(QVariant type, QStringList nameList)
{
    record(QStringLiteral("updataNameList"), {type, QVariant(nameList)});
    QVariantList list;
    for (const QString &n : nameList)
        list << n;
    nameLists[type.toInt()] = list;
    return true;
}

void FakeBridge::resetProfile(int profile) { record(QStringLiteral("resetProfile"), {profile}); }
void FakeBridge::copyProfile(int destprofile, int srcprofile) { record(QStringLiteral("copyProfile"), {destprofile, srcprofile}); }
bool FakeBridge::loadProfile(int profile) { record(QStringLiteral("loadProfile"), {profile}); return loadResult; }
void FakeBridge::saveProfile(int profile) { record(QStringLiteral("saveProfile"), {profile}); }
void FakeBridge::openUpdateExe() { record(QStringLiteral("openUpdateExe")); }

QVariant FakeBridge::ui_81H_GetReportRate() { record(QStringLiteral("ui_81H_GetReportRate")); return reportRate; }
QVariantList FakeBridge::getKeydefine(QVariant matrixId) { record(QStringLiteral("getKeydefine"), {matrixId}); return keyEntry; }
QVariant FakeBridge::getXYSensitive(QVariant index) { record(QStringLiteral("getXYSensitive"), {index}); return xySensitive; }
QVariantList FakeBridge::ui_91H_GetDPISet() { record(QStringLiteral("ui_91H_GetDPISet")); return dpiValues; }
QVariantList FakeBridge::ui_91H_GetDPISelect() { record(QStringLiteral("ui_91H_GetDPISelect")); return dpiSelects; }
QVariantList FakeBridge::mouseReadDPISet() { record(QStringLiteral("mouseReadDPISet")); return mouseDpiValues.isEmpty() ? dpiValues : mouseDpiValues; }
QVariantList FakeBridge::ui_90H_GetLED8StageColor(uchar type) { record(QStringLiteral("ui_90H_GetLED8StageColor"), {type}); return stageColors; }
QVariantList FakeBridge::ui_8DH_GetRGBLedEffect() { record(QStringLiteral("ui_8DH_GetRGBLedEffect")); return ledEffect; }
uint FakeBridge::getCursorSpeed() { record(QStringLiteral("getCursorSpeed")); return cursorSpeed; }
uint FakeBridge::getDoubleClickSpeed() { record(QStringLiteral("getDoubleClickSpeed")); return doubleClickSpeed; }
uint FakeBridge::getVerticalScrollLines() { record(QStringLiteral("getVerticalScrollLines")); return scrollLines; }
QVariant FakeBridge::getData(QVariant key) { record(QStringLiteral("getData"), {key}); return key.toString() == QLatin1String("sensor/jmgd") ? jmgd : QVariant(); }
QVariantList FakeBridge::getPictureValue(bool isFile) { record(QStringLiteral("getPictureValue"), {isFile}); return {}; }
QVariant FakeBridge::getselectGun(QVariant index) { record(QStringLiteral("getselectGun"), {index}); return QVariant(); }
QVariant FakeBridge::getMacroKey(int index) { record(QStringLiteral("getMacroKey"), {index}); return QStringLiteral("Macro_0"); }

void FakeBridge::ui_07H_SetKeyMatrix(QVariantList src64) { record(QStringLiteral("ui_07H_SetKeyMatrix"), {QVariant(src64)}); }
void FakeBridge::ui_0EH_SetXYSensitive(QVariant par0, QVariant par1) { record(QStringLiteral("ui_0EH_SetXYSensitive"), {par0, par1}); }
void FakeBridge::ui_11H_SetDPISelect(QVariantList v) { record(QStringLiteral("ui_11H_SetDPISelect"), {QVariant(v)}); }
void FakeBridge::ui_11H_SetDPISet(QVariantList src8, QVariantList v) { record(QStringLiteral("ui_11H_SetDPISet"), {QVariant(src8), QVariant(v)}); }
void FakeBridge::ui_11H_SetDPISetTmp(QVariantList v) { record(QStringLiteral("ui_11H_SetDPISetTmp"), {QVariant(v)}); }
void FakeBridge::mouseSetDPIColor(uchar type, QVariantList src24) { record(QStringLiteral("mouseSetDPIColor"), {type, QVariant(src24)}); }
void FakeBridge::mouseSetRGBLedEffect(uchar effect, uchar option1, uchar option2, uchar r, uchar g, uchar b, QVariantList configs)
{
    record(QStringLiteral("mouseSetRGBLedEffect"), {effect, option1, option2, r, g, b, configs});
}
void FakeBridge::mouseSetReportRate(uchar rate) { record(QStringLiteral("mouseSetReportRate"), {rate}); }
void FakeBridge::setCursorSpeed(uint v) { record(QStringLiteral("setCursorSpeed"), {v}); }
void FakeBridge::setDoubleClickSpeed(uint v) { record(QStringLiteral("setDoubleClickSpeed"), {v}); }
void FakeBridge::setVerticalScrollLines(uint v) { record(QStringLiteral("setVerticalScrollLines"), {v}); }
void FakeBridge::mouseSetJMGD(uchar v) { record(QStringLiteral("mouseSetJMGD"), {v}); }

PageHost::PageHost() : m_bridge(std::make_unique<FakeBridge>())
{
    QObject::connect(m_bridge->engine(), &QQmlEngine::warnings, m_bridge.get(), [this](const QList<QQmlError> &list) {
        for (const QQmlError &e : list)
            m_warnings << e.toString();
    });
}

PageHost::~PageHost() = default;

bool PageHost::load()
{
    m_bridge->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
    if (!root())
        return false;
    QQmlContext *context = m_bridge->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_bridge.get());
    context->setContextProperty(QStringLiteral("hid"), &m_hid);
    context->setContextProperty(QStringLiteral("ui_Ctl"), &m_controller);
    m_bridge->resize(1000, 640);
    m_bridge->show();
    return QTest::qWaitForWindowExposed(m_bridge.get());
}

QQuickItem *PageHost::root() const
{
    return m_bridge->rootObject();
}

QVariant PageHost::eval(const QString &expression)
{
    // The pages' ids live in the context of the screen the first initUI creates; before that
    // only the root's own names are there.
    QObject *inner = root()->findChild<QObject *>(QStringLiteral("mainMask"));
    QQmlExpression e(inner ? qmlContext(inner) : qmlContext(root()), root(), expression);
    const QVariant v = e.evaluate();
    if (e.hasError())
        m_warnings << e.error().toString();
    return v.metaType().id() == qMetaTypeId<QJSValue>() ? v.value<QJSValue>().toVariant() : v;
}

QVariant PageHost::call(const char *function, const QVariantList &args)
{
    QVariant result;
    QGenericArgument a[3];
    for (int i = 0; i < args.size() && i < 3; ++i)
        a[i] = Q_ARG(QVariant, args[i]);
    QMetaObject::invokeMethod(root(), function, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2]);
    return result;
}

bool PageHost::powerOn(int device)
{
    call("initUI", {device});
    return QTest::qWaitFor([this] { return eval(QStringLiteral("mainIten.isWorkingScreen")).toBool(); }, 5000)
        && m_bridge->isEnabled();
}

QPoint PageHost::centreOf(const QString &objectName)
{
    auto *item = root()->findChild<QQuickItem *>(objectName);
    if (!item)
        return {-1, -1};
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

QPoint PageHost::pointOf(const QString &expression)
{
    const QVariant v = eval(expression);
    const QPointF p = v.toPointF();
    return p.toPoint();
}

void PageHost::click(const QPoint &at, Qt::MouseButton button)
{
    QTest::mouseClick(m_bridge.get(), button, Qt::NoModifier, at);
}

QVariantList colourBytes(const QStringList &colours)
{
    QVariantList out;
    for (const QString &c : colours) {
        out << c.mid(1, 2).toInt(nullptr, 16) << c.mid(3, 2).toInt(nullptr, 16) << c.mid(5, 2).toInt(nullptr, 16);
    }
    return out;
}
