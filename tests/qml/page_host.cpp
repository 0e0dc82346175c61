#include "tests/qml/page_host.h"

#include <QMetaMethod>
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

FakeBridge::FakeBridge()
{
    answer("getLang", [this](const QVariantList &) { return lang; });
    answer("setLang", [this](const QVariantList &a) {
        lang = a[0];
        return QVariant(true);
    });
    answer("getProfile", [this](const QVariantList &) { return storedProfile; });
    answer("ui_02H_SetCurrentProfile", [](const QVariantList &) { return QVariant(); });
    answer("getGlobalStrings", [this](const QVariantList &a) {
        return QVariant(myQQuickView::getGlobalStrings(a[0], a[1].toString()));
    });
    answer("getNameList", [this](const QVariantList &a) { return QVariant(nameLists.value(a[0].toInt())); });
    answer("updataNameList", [this](const QVariantList &a) {
        QVariantList list;
        for (const QString &n : a[1].toStringList())
            list << n;
        nameLists[a[0].toInt()] = list;
        return QVariant(true);
    });
    answer("loadProfile", [this](const QVariantList &) { return QVariant(loadResult); });
    answer("ui_81H_GetReportRate", [this](const QVariantList &) { return reportRate; });
    answer("getKeydefine", [this](const QVariantList &) { return QVariant(keyEntry); });
    answer("getXYSensitive", [this](const QVariantList &) { return xySensitive; });
    answer("ui_91H_GetDPISet", [this](const QVariantList &) { return QVariant(dpiValues); });
    answer("ui_91H_GetDPISelect", [this](const QVariantList &) { return QVariant(dpiSelects); });
    answer("mouseReadDPISet", [this](const QVariantList &) {
        return QVariant(mouseDpiValues.isEmpty() ? dpiValues : mouseDpiValues);
    });
    answer("ui_90H_GetLED8StageColor", [this](const QVariantList &) { return QVariant(stageColors); });
    answer("ui_8DH_GetRGBLedEffect", [this](const QVariantList &) { return QVariant(ledEffect); });
    answer("getCursorSpeed", [this](const QVariantList &) { return QVariant(cursorSpeed); });
    answer("getDoubleClickSpeed", [this](const QVariantList &) { return QVariant(doubleClickSpeed); });
    answer("getVerticalScrollLines", [this](const QVariantList &) { return QVariant(scrollLines); });
    answer("getData", [this](const QVariantList &a) {
        return a[0].toString() == QLatin1String("sensor/jmgd") ? jmgd : QVariant();
    });
    answer("getMacroKey", [](const QVariantList &) { return QVariant(QStringLiteral("Macro_0")); });
    // Answered with nothing: the pages' writes and the calls that would reach files or programs.
    for (const char *slot : {"resetProfile", "copyProfile", "saveProfile", "openUpdateExe", "getPictureValue",
                             "getselectGun", "ui_07H_SetKeyMatrix", "ui_0EH_SetXYSensitive", "ui_11H_SetDPISelect",
                             "ui_11H_SetDPISet", "ui_11H_SetDPISetTmp", "mouseSetDPIColor", "mouseSetRGBLedEffect",
                             "mouseSetReportRate", "setCursorSpeed", "setDoubleClickSpeed", "setVerticalScrollLines",
                             "mouseSetJMGD"})
        answer(slot, [](const QVariantList &) { return QVariant(); });
}

void FakeBridge::answer(const char *slot, Answer answer)
{
    // An answer for a slot the bridge no longer has would silently stop faking anything.
    bool found = false;
    const QMetaObject *mo = metaObject();
    for (int i = mo->methodOffset(); i < mo->methodCount() && !found; ++i)
        found = mo->method(i).name() == slot;
    if (!found)
        qFatal("FakeBridge: the bridge has no slot %s", slot);
    m_answers.insert(slot, std::move(answer));
}

int FakeBridge::qt_metacall(QMetaObject::Call call, int id, void **args)
{
    if (call == QMetaObject::InvokeMetaMethod && id >= 0) {
        const QMetaMethod method = metaObject()->method(id);
        const auto found = m_answers.constFind(method.name());
        if (method.isValid() && found != m_answers.constEnd()) {
            QVariantList in;
            for (int i = 0; i < method.parameterCount(); ++i) {
                const QMetaType type = method.parameterMetaType(i);
                if (type.id() == QMetaType::QVariant)
                    in << *static_cast<const QVariant *>(args[i + 1]);
                else if (type.id() == QMetaType::UChar)   // a byte is written down as its number
                    in << int(*static_cast<const uchar *>(args[i + 1]));
                else
                    in << QVariant(type, args[i + 1]);
            }
            record(QString::fromLatin1(method.name()), in);
            QVariant out = found.value()(in);
            const QMetaType type = method.returnMetaType();
            if (args[0] && type.isValid() && type.id() != QMetaType::Void) {
                if (type.id() != QMetaType::QVariant) {
                    if (!out.convert(type))
                        out = QVariant(type);
                    type.destruct(args[0]);
                    type.construct(args[0], out.constData());
                } else {
                    *static_cast<QVariant *>(args[0]) = out;
                }
            }
            return -1;
        }
    }
    return myQQuickView::qt_metacall(call, id, args);
}

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
