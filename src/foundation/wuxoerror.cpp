#include "wuxoerror.h"

#include <QCoreApplication>

WuxoError::WuxoError(int number, const QString &description)
    : m_number(number),
      m_description(description.isEmpty() ? standardDescription(number) : description),
      m_what(QStringLiteral("error %1: %2").arg(number).arg(m_description).toUtf8())
{
}

QString WuxoError::standardDescription(int number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return QCoreApplication::translate("WuxoError", "Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QCoreApplication::translate("WuxoError", "Overflow");
    case ErrorNumber::OutOfMemory:
        return QCoreApplication::translate("WuxoError", "Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QCoreApplication::translate("WuxoError", "Subscript out of range");
    case ErrorNumber::TypeMismatch:
        return QCoreApplication::translate("WuxoError", "Type mismatch");
    case ErrorNumber::ResumeWithoutError:
        return QCoreApplication::translate("WuxoError", "Resume without error");
    case ErrorNumber::FileNotFound:
        return QCoreApplication::translate("WuxoError", "File not found");
    case ErrorNumber::DiskFull:
        return QCoreApplication::translate("WuxoError", "Disk full");
    case ErrorNumber::PermissionDenied:
        return QCoreApplication::translate("WuxoError", "Permission denied");
    case ErrorNumber::PathFileAccess:
        return QCoreApplication::translate("WuxoError", "Path/File access error");
    case ErrorNumber::PathNotFound:
        return QCoreApplication::translate("WuxoError", "Path not found");
    case ErrorNumber::InvalidPropertyValue:
        return QCoreApplication::translate("WuxoError", "Invalid property value");
    case ErrorNumber::NoSuchProperty:
        return QCoreApplication::translate("WuxoError",
                                           "Object doesn't support this property or method");
    default:
        return QCoreApplication::translate("WuxoError",
                                           "Application-defined or object-defined error");
    }
}
