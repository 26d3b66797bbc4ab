// The two kinds of failure the game reports to the player: a text that is not a number, and a file that failed.
#pragma once

#include <QString>
#include <stdexcept>

// Base of the game's own exceptions; the application object shows their message in the standard error box.
class EGameError : public std::runtime_error {
public:
    explicit EGameError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A value that should have been a whole number was not: "'abc' is not a valid integer value".
class EConvertError : public EGameError {
public:
    using EGameError::EGameError;
    static EConvertError notAnInteger(const QString& text)
    {
        return EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
};

// A file could not be opened, read or written. It keeps the file and the system's reason apart; the message names both.
class EInOutError : public EGameError {
public:
    EInOutError(const QString& path, const QString& reason)
        : EGameError(QStringLiteral("%1: %2").arg(path, reason))
        , m_path(path)
        , m_reason(reason)
    {
    }
    static EInOutError forFile(const QString& path, const QString& reason) { return EInOutError(path, reason); }

    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

// Converts a game value to a whole number the way every rule of the game does: optional sign, decimal digits,
// nothing else. Throws EConvertError otherwise.
int StrToInt(const QString& text);

// True when StrToInt would accept the text.
bool IsInteger(const QString& text);
