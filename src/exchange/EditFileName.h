#pragma once

#include <QString>

class TFileNameEdit;

// The name typed or chosen in a file-name edit, whole: blanks inside it are
// part of the name (it is never cut at the first blank), surrounding blanks
// and a pair of surrounding double quotes are dropped.
QString EditFileName(const TFileNameEdit &edit);
QString UnquotedFileName(const QString &text);
