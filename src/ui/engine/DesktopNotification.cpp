// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DesktopNotification.h"

#ifdef KINOVERT_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QStringList>
#include <QVariantMap>

bool SendDesktopNotification(const QString& title, const QString& text) {
  static const QString service = QStringLiteral("org.freedesktop.Notifications");
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  // A service that is started on its first call counts as there.
  if (!bus.interface()->isServiceRegistered(service).value() &&
      !bus.interface()->activatableServiceNames().value().contains(service))
    return false;
  const QString path = QStringLiteral("/org/freedesktop/Notifications");
  // A server that reads markup in the body would take a name's "<" for it.
  QDBusMessage ask = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("GetCapabilities"));
  QDBusMessage capabilities = bus.call(ask, QDBus::Block, 2000);
  const bool markup = capabilities.type() == QDBusMessage::ReplyMessage && !capabilities.arguments().isEmpty() &&
                      capabilities.arguments().front().toStringList().contains(QStringLiteral("body-markup"));
  QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
  call << QGuiApplication::applicationDisplayName() << 0u << QStringLiteral("dialog-information")
       << title << (markup ? text.toHtmlEscaped() : text) << QStringList() << QVariantMap() << 10000;
  return bus.send(call);
}
#else
bool SendDesktopNotification(const QString&, const QString&) {
  return false;
}
#endif
