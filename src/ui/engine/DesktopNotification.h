// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A desktop notification with the information icon, shown for 10 seconds,
// through org.freedesktop.Notifications on the session bus; false when the
// program is built without Qt DBus, or the bus or the service is missing.
bool SendDesktopNotification(const QString& title, const QString& text);
