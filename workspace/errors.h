#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

namespace playfair {

// A run-time error raised by a workspace operation or an engine step. It ends
// the running handler at the point where it was raised; whatever the earlier
// steps wrote stays in the workspace. The description is meant for the user,
// in the language shown (RuntimeError::tr()).
class RuntimeError : public std::runtime_error
{
    Q_DECLARE_TR_FUNCTIONS(RuntimeError)

public:
    explicit RuntimeError(const QString &description)
        : std::runtime_error(description.toStdString())
        , m_description(description)
    {
    }

    QString description() const { return m_description; }

private:
    QString m_description;
};

// A number would leave the range of its 16-bit signed integer (above 32767).
class OverflowError : public RuntimeError
{
public:
    using RuntimeError::RuntimeError;
};

// An operation was asked for a position or value it does not have.
class InvalidCallError : public RuntimeError
{
public:
    using RuntimeError::RuntimeError;
};

} // namespace playfair
