#pragma once

#include <QString>
#include <stdexcept>

// An error of the report engine, with a message for the user.
class ERpError : public std::runtime_error {
public:
    explicit ERpError(const QString &message) : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString &message() const { return message_; }
    const QString &Message() const { return message_; }

private:
    QString message_;
};
