#pragma once

#include <QString>
#include <stdexcept>

// A failure of the report engine, carrying its message.
class ERpError : public std::runtime_error {
public:
    explicit ERpError(const QString &message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &Message() const { return message_; }

private:
    QString message_;
};
