// Waking Qt's accessibility bridge for a screen reader started after the game.
#include "ui/screen_reader_wakeup.h"

#include "platform/platform.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#if GACHAPOKO_FREEDESKTOP
#include <QtGui/private/qspiaccessiblebridge_p.h>
#endif

namespace gachapoko {

namespace {

const QString LauncherService = QStringLiteral("org.a11y.Bus");

} // namespace

ScreenReaderWakeup::ScreenReaderWakeup(QObject* parent) : QObject(parent) {
#if GACHAPOKO_FREEDESKTOP
    // Only where Qt has an AT-SPI bridge (not on the offscreen platform) has it looked at the
    // session bus already; nothing here may be the first to.
    if (QSpiAccessibleBridge::instance() == nullptr) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return;
    }
    if (!bus.interface()->isServiceRegistered(LauncherService)) {
        // Qt reads this the first time the launcher appears, which has not happened yet; from
        // then on its bridge joins the accessibility bus as if accessibility were on.
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        return;
    }
    // The launcher runs and Qt has read its state: accessibility off, or it would be active.
    bus.connect(LauncherService, QStringLiteral("/org/a11y/bus"),
                QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(statusChanged(QString, QVariantMap)));
#endif
}

void ScreenReaderWakeup::statusChanged([[maybe_unused]] const QString& interface,
                                       [[maybe_unused]] const QVariantMap& changed) {
#if GACHAPOKO_FREEDESKTOP
    const bool turnedOn = changed.value(QStringLiteral("IsEnabled")).toBool() ||
                          changed.value(QStringLiteral("ScreenReaderEnabled")).toBool();
    QSpiAccessibleBridge* bridge = QSpiAccessibleBridge::instance();
    if (interface != QLatin1String("org.a11y.Status") || !turnedOn || bridge == nullptr ||
        bridge->isActive()) {
        return;
    }
    // The bridge found the accessibility bus at start but stayed idle; this is what Qt itself
    // would do on learning of the change.
    if (bridge->dBusConnection().isConnected()) {
        bridge->enabledChanged(true);
    }
#endif
}

} // namespace gachapoko
