#pragma once

#include <QString>

// Reads and writes single values of an INI file, one key per call. It keeps no
// copy of the file: every call reads the file, or rewrites it, afresh.
// Section and key names match without regard to letter case. A write replaces
// the key where it stands, or adds it as the last line of its section, or adds
// the section at the end; every other line stays byte for byte as it was.
// Writes replace the file at once and never report failure.
class clsIniFile
{
public:
    QString File() const { return m_file; }
    // Choosing a file clears the section: callers always pick one afterwards.
    void setFile(const QString &vData);

    QString Section() const { return m_section; }
    void setSection(const QString &vData) { m_section = vData; }

    // The stored value cut to 254 characters, or `Default` (`Fail` true) when
    // the reader produced no characters: a missing key with an empty default,
    // or a key stored with an empty value. A missing key with a non-empty
    // default gives the default cut to 254 characters, with `Fail` false.
    QString GetValue(const QString &ValueName, const QString &Default, bool &Fail) const;
    QString GetValue(const QString &ValueName, const QString &Default) const;

    // Writes key `ValueName` of the current section. Numbers are written the
    // way they print: 32-bit integers in signed decimal ("-2147483643"),
    // single-precision numbers in their shortest form ("9150").
    void Values(const QString &ValueName, const QString &vData);
    void Values(const QString &ValueName, qint32 vData);
    void Values(const QString &ValueName, float vData);

    void DeleteKey(const QString &KeyName);
    void DeleteSection(const QString &SectionName);

    static constexpr int maxValueLength = 254;

private:
    enum class Change { Write, DeleteKey, DeleteSection };
    void rewrite(Change change, const QString &section, const QString &key, const QString &value);

    QString m_file;
    QString m_section;
};
