#pragma once

#include <QString>

#include <exception>

// A run-time error of the extraction wrapper: its number, its description and the routine
// that raised it last (each routine that passes it on names itself).
class UnzipError : public std::exception
{
public:
    // Numbers of the errors the wrapper meets itself.
    enum Number
    {
        Overflow = 6,
        OutOfMemory = 7,
        InternalError = 51
    };

    UnzipError(int number, QString description, QString source = {})
        : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
          m_what(m_description.toLocal8Bit())
    {
    }
    // The same error, raised again by another routine.
    UnzipError raisedBy(const QString& source) const { return UnzipError(m_number, m_description, source); }

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& source() const { return m_source; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    QByteArray m_what;
};
