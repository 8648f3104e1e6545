// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SystemLocale.h"

#include <QDate>
#include <QLocale>

std::string systemDecimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

std::string todaysShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}
