#include "exchange/EditFileName.h"

#include "controls/FileNameEdit.h"

QString UnquotedFileName(const QString &text) {
    const QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        return t.mid(1, t.size() - 2);
    return t;
}

QString EditFileName(const TFileNameEdit &edit) { return UnquotedFileName(edit.text()); }
