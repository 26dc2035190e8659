#pragma once

#include <QString>

#include <exception>

// The program's errors carry the message text that the default handler shows.
class Exception : public std::exception
{
public:
    explicit Exception(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text or variant that cannot be converted to the number or type asked for.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// A dataset operation the engine or the dataset refused.
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

// Invalid operation, division by zero or overflow in floating-point arithmetic.
class EMathError : public Exception
{
public:
    using Exception::Exception;
};

// A file that cannot be read or written.
class EInOutError : public Exception
{
public:
    using Exception::Exception;
};
