#pragma once

#include <QString>

#include <exception>

// The run-time error numbers the program reports; it defines none of its own.
namespace ErrorNumber {
constexpr int None = 0;
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int ResumeWithoutError = 20;
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidPropertyValue = 380;
constexpr int NoSuchProperty = 438;
} // namespace ErrorNumber

// A failed operation: a run-time error number and its description. Thrown by
// whatever fails and caught by the event handler, which hands it to ReportError.
class WuxoError : public std::exception
{
public:
    // An empty description takes the standard one for the number.
    explicit WuxoError(int number, const QString &description = {});

    int number() const { return m_number; }
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
