#include "wuxoerror.h"

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
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::ResumeWithoutError:
        return QStringLiteral("Resume without error");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::DiskFull:
        return QStringLiteral("Disk full");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrorNumber::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::PathNotFound:
        return QStringLiteral("Path not found");
    case ErrorNumber::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case ErrorNumber::NoSuchProperty:
        return QStringLiteral("Object doesn't support this property or method");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}
