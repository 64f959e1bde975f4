#pragma once

#include <QString>

// The station's own call sign (the OwnCallSign setting) in the settings store,
// value "OwnCallSign" under \Software\Dovren\Quarn, beside the other station
// settings. A scripted start writes it there beforehand, and the program
// does not ask for it.

inline constexpr int OwnCallSignMinLength = 3;
inline constexpr int OwnCallSignMaxLength = 14;

// The text as the call sign is kept: without surrounding blanks, upper case.
QString NormalizedCallSign(const QString &text);

// Why a text cannot be the own call sign (in the program's language), or an
// empty text when it can: 3 to 14 characters, letters A-Z, digits and "/".
QString OwnCallSignProblem(const QString &text);

// OwnCallSign := the stored call sign; empty when none is stored or the stored
// text is not a call sign.
void LoadOwnCallSign();

// Stores a valid call sign and makes it OwnCallSign.
void StoreOwnCallSign(const QString &call);
