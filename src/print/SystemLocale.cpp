#include "print/SystemLocale.h"

#include <QDate>
#include <QLocale>

std::string SystemDecimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

std::string TodaysShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}
